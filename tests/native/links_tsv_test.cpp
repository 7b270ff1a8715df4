// links.tsv: the writer's exact bytes and the reader's tolerance.
#include <gtest/gtest.h>

#include "links/saved_links.h"

static std::string describe(const std::vector<SavedLink>& links)
{
    std::string s;
    for (const SavedLink& l : links)
        s += "[" + l.name + "/" + l.place_id + "/" + l.private_code + "/" + l.note + "]";
    return s;
}

TEST(LinksTsv, ReadTable)
{
    const struct { std::string text, links; } cases[] = {
        { "",                                    "" },
        { "\n\n",                                "" },
        { "A\t1\tc\tn\n",                        "[A/1/c/n]" },
        { "A\t1\tc\tn",                          "[A/1/c/n]" },
        { "A\t1\tc\tn\r\nB\t2\t\t\r\n",          "[A/1/c/n][B/2//]" },
        { "A\t1\r\r\n",                          "[A/1\r//]" },
        { "A\t1\n",                              "[A/1//]" },
        { "A\t1\tc\n",                           "[A/1/c/]" },
        { "A\t1\tc\tn\te\tf\n",                  "[A/1/c/n]" },
        { "A\t1\tc\tn\t\n",                      "[A/1/c/n]" },
        { "\t1\tc\tn\nA\t\tc\tn\nA\t\n",         "" },
        { "no tab here\nA\t1\n",                 "[A/1//]" },
        { "A\t12x\t has space \t|note|\n",       "[A/12x/ has space /|note|]" },
        { "\xEF\xBB\xBF" "A\t1\n",               "[\xEF\xBB\xBF" "A/1//]" },
        { "A\r\t1\n",                            "[A\r/1//]" },
        { "\r\n\r\nA\t1\r\n\r\n",                "[A/1//]" },
        { std::string("A\0\t1\n", 5),            std::string("[A\0/1//]", 8) },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::PrintToString(c.text));
        std::vector<SavedLink> links;
        parse_links_tsv(c.text, links);
        EXPECT_EQ(describe(links), c.links);
    }
}

TEST(LinksTsv, ReadAppends)
{
    std::vector<SavedLink> links = { { "Old", "9", "", "" } };
    parse_links_tsv("New\t10\n", links);
    EXPECT_EQ(describe(links), "[Old/9//][New/10//]");
}

TEST(LinksTsv, WriteExactBytes)
{
    EXPECT_EQ(format_links_tsv({}), "");
    EXPECT_EQ(format_links_tsv({ { "Place 1", "1", "", "" } }), "Place 1\t1\t\t\n");
    EXPECT_EQ(format_links_tsv({ { "a|b\tc", "2", "x\ry", "n\nm" }, { "B", "3", "code", "" } }),
        "a b c\t2\tx y\tn m\nB\t3\tcode\t\n");
}

TEST(LinksTsv, RoundTrip)
{
    const std::vector<SavedLink> links = {
        { "Main server", "920587237", "Ab-9_z", "friday \xE2\x80\x94 evening" },
        { "Place 7", "007", "", "" },
        { "pipe|tab\tname", "5", "c", "cr\rlf\n" },
    };
    std::vector<SavedLink> back;
    parse_links_tsv(format_links_tsv(links), back);
    EXPECT_EQ(describe(back),
        "[Main server/920587237/Ab-9_z/friday \xE2\x80\x94 evening][Place 7/007//][pipe tab name/5/c/cr lf ]");
}
