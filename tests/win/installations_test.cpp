// Detection of player versions under the three roots, their order, and the selection.
#include "app/journal.h"
#include "roblox/installations.h"
#include "tests/win/test_support.h"

class Installations : public WinTest {};

static std::vector<std::string> folder_names(const std::vector<Installation>& list)
{
    std::vector<std::string> names;
    for (const Installation& i : list) names.push_back(i.folder_name);
    return names;
}

// [SECTION] Detection
TEST_F(Installations, OrderedByFileVersionThenFolderName)
{
    install_player(local, "version-a", "2_99_0_0");
    install_player(local, "version-b", "2_641_0_1");
    install_player(local, "version-nover-a", "noversion");
    install_player(pf, "version-c", "2_640_5_123");
    install_player(pf, "version-one-x", "1_0_0_0");
    install_player(pf, "version-one-y", "1_0_0_0");
    install_player(pf86, "version-nover-b", "noversion");

    std::vector<Installation> list = detect_installations();
    ASSERT_EQ(folder_names(list), (std::vector<std::string>{"version-b", "version-c", "version-a", "version-one-y",
                                                            "version-one-x", "version-nover-b", "version-nover-a"}));
    const char* expected[] = {"2.641.0.1", "2.640.5.123", "2.99.0.0", "1.0.0.0", "1.0.0.0", "version-nover-b", "version-nover-a"};
    for (size_t i = 0; i < list.size(); i++) EXPECT_EQ(list[i].version, expected[i]) << list[i].folder_name;

    EXPECT_EQ(list[1].folder_path, versions(pf) + "\\version-c");
    EXPECT_EQ(list[1].exe_path, versions(pf) + "\\version-c\\RobloxPlayerBeta.exe");
}

TEST_F(Installations, OnlyVersionFoldersHoldingThePlayerCount)
{
    std::string v = versions(local);
    install_player(local, "version-good", "2_641_0_1");
    install_player(local, "VERSION-Upper", "2_99_0_0");      // the wildcard ignores letter case
    install_player(local, "other-folder", "2_640_5_123");    // not a version folder
    write_bytes(v + "\\version-file", "a file, not a folder");
    make_dirs(v + "\\version-exe-is-folder\\RobloxPlayerBeta.exe");
    make_dirs(v + "\\version-empty");
    write_bytes(v + "\\version-other-exe\\RobloxPlayer.exe", "MZ");

    std::vector<Installation> list = detect_installations();
    EXPECT_EQ(folder_names(list), (std::vector<std::string>{"version-good", "VERSION-Upper"}));
}

TEST_F(Installations, FlagFileSeenOnlyWhenItIsAFile)
{
    install_player(local, "version-flags", "2_641_0_1");
    install_player(local, "version-dir", "2_640_5_123");
    install_player(local, "version-clean", "2_99_0_0");
    write_bytes(versions(local) + "\\version-flags\\ClientSettings\\ClientAppSettings.json", "{}");
    make_dirs(versions(local) + "\\version-dir\\ClientSettings\\ClientAppSettings.json");

    std::vector<Installation> list = detect_installations();
    ASSERT_EQ(list.size(), 3u);
    EXPECT_TRUE(list[0].has_flag_file);
    EXPECT_FALSE(list[1].has_flag_file);
    EXPECT_FALSE(list[2].has_flag_file);
}

TEST_F(Installations, RootsListedOnceButEqualNamesUnderTwoRootsKept)
{
    set_env("ProgramFiles(x86)", pf);   // both Program Files variables name one folder
    install_player(pf, "version-same", "2_641_0_1");
    install_player(local, "version-same", "2_641_0_1");

    std::vector<Installation> list = detect_installations();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_NE(list[0].exe_path, list[1].exe_path);
    EXPECT_EQ(list[0].folder_name, "version-same");
    EXPECT_EQ(list[1].folder_name, "version-same");
}

// [SECTION] Refresh and selection
TEST_F(Installations, RefreshSelectsTheRememberedVersion)
{
    std::string newest = install_player(local, "version-new", "2_641_0_1");
    std::string older = install_player(local, "version-old", "2_99_0_0");
    auto upper = [](std::string s) {
        for (char& c : s)
            if (c >= 'a' && c <= 'z') c = (char)(c - 32);
        return s;
    };
    struct Case { const char* name; std::string remembered; int32_t selected; std::string install_after; };
    const Case cases[] = {
        {"case differs", upper(older), 1, upper(older)},
        {"exact", older, 1, older},
        {"vanished", versions(local) + "\\version-gone\\RobloxPlayerBeta.exe", 0, newest},
        {"none", "", 0, newest},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        reset_app_state();
        g_app.launch.install = c.remembered;
        refresh_all();
        EXPECT_EQ(g_app.installations.size(), 2u);
        EXPECT_EQ(g_app.selected_install, c.selected);
        EXPECT_EQ(g_app.launch.install, c.install_after);
        EXPECT_TRUE(journal_texts().empty());   // refresh reports nothing itself
    }
}

TEST_F(Installations, RefreshWithoutAnyRootClearsTheSelection)
{
    install_player(local, "version-a", "2_641_0_1");
    for (const char* name : {"LOCALAPPDATA", "ProgramFiles", "ProgramFiles(x86)"}) set_env(name, "");
    g_app.launch.install = versions(local) + "\\version-a\\RobloxPlayerBeta.exe";
    g_app.selected_install = 0;
    refresh_all();
    EXPECT_TRUE(g_app.installations.empty());
    EXPECT_EQ(g_app.selected_install, -1);
    EXPECT_EQ(g_app.launch.install, "");
}

TEST_F(Installations, SelectInstallation)
{
    install_player(local, "version-new", "2_641_0_1");
    std::string older = install_player(local, "version-old", "2_640_5_123");
    refresh_all();
    ASSERT_EQ(g_app.selected_install, 0);
    std::string install_before = g_app.launch.install;

    for (int32_t index : {-1, 2}) {
        select_installation(index);
        EXPECT_EQ(g_app.selected_install, 0) << index;
        EXPECT_EQ(g_app.launch.install, install_before) << index;
    }
    EXPECT_TRUE(journal_texts().empty());
    EXPECT_FALSE(path_exists(data_file("settings.ini")));

    select_installation(1);
    EXPECT_EQ(g_app.selected_install, 1);
    EXPECT_EQ(g_app.launch.install, older);
    JournalEntry last = last_journal();
    EXPECT_EQ(last.text, "installation selected: 2.640.5.123");
    EXPECT_EQ(last.level, JournalLevel::Info);
    EXPECT_EQ(g_app.status_text, "");
    EXPECT_NE(bytes_of(data_file("settings.ini")).find("install=" + older + "\r\n"), std::string::npos);
}
