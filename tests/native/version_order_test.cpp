// Version numbers, newest-first order, path joining and ASCII case folding.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "roblox/installations.h"

TEST(ParseVersionNumbers, Table)
{
    const struct { const char* text; int32_t n[4]; } cases[] = {
        { "2.641.0.1",           { 2, 641, 0, 1 } },
        { "2.0.1",               { 2, 0, 1, 0 } },
        { "1.2.3.4.5",           { 1, 2, 3, 4 } },
        { "1.2.3.45.6.7",        { 1, 2, 3, 45 } },
        { "version-8f4c2d1a",    { 0, 0, 0, 0 } },
        { "",                    { 0, 0, 0, 0 } },
        { "1..2",                { 1, 0, 2, 0 } },
        { ".5",                  { 0, 5, 0, 0 } },
        { "3.x.4",               { 3, 0, 0, 0 } },
        { "12a.5",               { 12, 0, 0, 0 } },
        { " 1.2",                { 0, 0, 0, 0 } },
        { "4294967296.1",        { 0, 1, 0, 0 } },
        { "4294967295.2",        { -1, 2, 0, 0 } },
        { "2147483648.0.0.7",    { INT32_MIN, 0, 0, 7 } },
        { "99999999999999999999", { (int32_t)1661992959u, 0, 0, 0 } },
    };
    for (const auto& c : cases)
    {
        int32_t n[4] = { 9, 9, 9, 9 };
        parse_version_numbers(c.text, n);
        EXPECT_EQ(std::vector<int32_t>(n, n + 4), std::vector<int32_t>(c.n, c.n + 4)) << c.text;
    }
}

static Installation make_installation(const char* version, const char* folder)
{
    Installation inst;
    inst.folder_name = folder;
    inst.folder_path = std::string("C:\\Roblox\\Versions\\") + folder;
    inst.exe_path = inst.folder_path + "\\RobloxPlayerBeta.exe";
    inst.version = version;
    return inst;
}

static std::vector<std::string> folders_of(const std::vector<Installation>& list)
{
    std::vector<std::string> names;
    for (const Installation& inst : list)
        names.push_back(inst.folder_name);
    return names;
}

// Inputs in a scrambled order, and the newest-first order expected for them.
static const Installation kSample[] = {
    make_installation("2.99.0.0",          "version-c"),
    make_installation("version-zz1",       "version-zz1"),
    make_installation("2.641.0.1",         "version-b2"),
    make_installation("1.0.0.0",           "version-a"),
    make_installation("2147483648.0.0.0",  "version-neg"),
    make_installation("version-Abc",       "version-Abc"),
    make_installation("2.640.5.123",       "version-a2"),
    make_installation("1.0.0.0",           "version-b"),
    make_installation("4294967296.0.0.0",  "version-w"),
    make_installation("version-\xC3\xA9",  "version-\xC3\xA9"),
    make_installation("1.0.0.0",           "version-ab"),
};
static const std::vector<std::string> kSampleOrder = {
    "version-b2", "version-a2", "version-c",                  // numeric, not textual
    "version-b", "version-ab", "version-a",                   // equal versions: folder name descending
    "version-\xC3\xA9", "version-zz1", "version-w", "version-Abc",   // 0.0.0.0 (fallbacks, wrapped): bytes unsigned
    "version-neg",                                            // wrapped to a negative first number
};

TEST(SortInstallations, NewestFirst)
{
    std::vector<Installation> list(std::begin(kSample), std::end(kSample));
    sort_installations(list);
    EXPECT_EQ(folders_of(list), kSampleOrder);
}

TEST(SortInstallations, SameResultForEveryPermutation)
{
    // 7 records with distinct keys: 5040 orders in, one order out.
    std::vector<Installation> base = { kSample[0], kSample[1], kSample[3], kSample[4], kSample[7], kSample[9], kSample[10] };
    std::vector<Installation> expected = base;
    sort_installations(expected);
    std::vector<int> perm = { 0, 1, 2, 3, 4, 5, 6 };
    do
    {
        std::vector<Installation> list;
        for (int i : perm)
            list.push_back(base[(size_t)i]);
        sort_installations(list);
        ASSERT_EQ(folders_of(list), folders_of(expected));
    } while (std::next_permutation(perm.begin(), perm.end()));
}

TEST(InstallationNewer, StrictWeakOrdering)
{
    const size_t n = std::size(kSample);
    for (size_t a = 0; a < n; a++)
    {
        EXPECT_FALSE(installation_newer(kSample[a], kSample[a])) << "irreflexive";
        for (size_t b = 0; b < n; b++)
        {
            if (a != b)
            {
                EXPECT_NE(installation_newer(kSample[a], kSample[b]), installation_newer(kSample[b], kSample[a])) << "distinct keys are ordered one way";
            }
            for (size_t c = 0; c < n; c++)
            {
                bool chain = installation_newer(kSample[a], kSample[b]) && installation_newer(kSample[b], kSample[c]);
                EXPECT_TRUE(!chain || installation_newer(kSample[a], kSample[c])) << "transitive";
            }
        }
    }
}

TEST(PathJoin, Table)
{
    const struct { const char* base; const char* name; const char* joined; } cases[] = {
        { "",             "x",                    "x" },
        { "",             "",                     "" },
        { "C:\\a",        "b",                    "C:\\a\\b" },
        { "C:\\a\\",      "b",                    "C:\\a\\b" },
        { "C:/a/",        "b",                    "C:/a/b" },
        { "a",            "",                     "a\\" },
        { "C:\\v",        "ClientSettings\\ClientAppSettings.json", "C:\\v\\ClientSettings\\ClientAppSettings.json" },
        { "\\",           "\\x",                  "\\\\x" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(path_join(c.base, c.name), c.joined) << c.base << " + " << c.name;
}

TEST(EqualIgnoringAsciiCase, Table)
{
    const struct { const char* a; const char* b; bool equal; } cases[] = {
        { "RobloxPlayerBeta.exe", "robloxplayerbeta.EXE", true },
        { "C:\\Users\\A", "c:\\users\\a", true },
        { "", "", true },
        { "a", "ab", false },
        { "@[`{", "`{@[", false },        // differ by 0x20 but are not letters
        { "\xC3\xA9", "\xC3\x89", false }, // only ASCII letters fold
    };
    for (const auto& c : cases)
        EXPECT_EQ(equal_ignoring_ascii_case(c.a, c.b), c.equal) << c.a << " vs " << c.b;
}
