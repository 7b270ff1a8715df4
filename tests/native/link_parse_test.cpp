// Link grammar: bare ids, place pages, roblox:// addresses and query keys.
#include <gtest/gtest.h>

#include "links/link_parse.h"

struct LinkCase {
    const char* text;
    bool ok;
    const char* place = "";
    const char* code = "";
    const char* name = "";   // from an empty name
};

TEST(ParseLink, Table)
{
    const LinkCase cases[] = {
        { "123",                                              true,  "123", "", "Place 123" },
        { " \t\r\n123\n\v\f ",                                true,  "123", "", "Place 123" },
        { "007",                                              true,  "007", "", "Place 007" },
        { "123456789012345678901234567890",                   true,  "123456789012345678901234567890", "", "Place 123456789012345678901234567890" },
        { "123abc",                                           false },
        { "12 34",                                            false },
        { "",                                                 false },
        { " \t\r\n",                                          false },
        { "hello",                                            false },
        { "-5",                                               false },
        { "https://www.roblox.com/games/1818/Crossroads",     true,  "1818", "", "Place 1818" },
        { "HTTPS://WWW.ROBLOX.COM/GAMES/1818/x",              true,  "1818", "", "Place 1818" },
        { "see web.Roblox.Com/Games/0042 now",                true,  "0042", "", "Place 0042" },
        { "https://www.roblox.com/games/920587237/Adopt-Me?privateServerLinkCode=Ab-9_z&x=1",
                                                              true,  "920587237", "Ab-9_z", "Private server 920587237" },
        { "roblox://placeId=181&linkCode=QwE",                true,  "181", "QwE", "Private server 181" },
        { "https://www.roblox.com/games/start?placeId=55&gameInstanceId=0c4b9f2e-1a2b-4c3d-8e9f-0123456789ab",
                                                              true,  "55", "0c4b9f2e-1a2b-4c3d-8e9f-0123456789ab", "Private server 55" },
        { "placeid=&place=77",                                true,  "77", "", "Place 77" },
        { "placeid=abc placeid=5",                            false },
        { "placeId=9&privateServerLinkCode=&linkCode=X",      true,  "9", "", "Place 9" },
        { "roblox.com/games/abc?placeId=42",                  true,  "42", "", "Place 42" },
        { "roblox.com/games/abc",                             false },
        { "roblox.com/games/ 5",                              false },
        { "roblox.com/games/5?placeId=6",                     true,  "5", "", "Place 5" },
        { "PLACEID=31",                                       true,  "31", "", "Place 31" },
        { "xplace=8",                                         true,  "8", "", "Place 8" },
        { "linkCode=ABC",                                     false },
        { "place=3&linkCode=ab\xC3\xA9z",                     true,  "3", "ab", "Private server 3" },
        { "place=3&LINKCODE=MiXeD_9",                         true,  "3", "MiXeD_9", "Private server 3" },
        { "place=3&linkcode=&gameinstanceid=g-1",             true,  "3", "g-1", "Private server 3" },
        { "place=\xD9\xA1\xD9\xA2",                           false },
    };
    for (const LinkCase& c : cases)
    {
        SCOPED_TRACE(c.text);
        SavedLink link;
        ASSERT_EQ(parse_link(c.text, link), c.ok);
        if (!c.ok)
            continue;
        EXPECT_EQ(link.place_id, c.place);
        EXPECT_EQ(link.private_code, c.code);
        EXPECT_EQ(link.name, c.name);
        EXPECT_EQ(link.note, "");
    }
}

TEST(ParseLink, RecordHandling)
{
    const SavedLink before = { "Mine", "1", "old-code", "a note" };

    // Success replaces place and code (even with an empty code) and keeps a set name and the note.
    SavedLink link = before;
    ASSERT_TRUE(parse_link("roblox.com/games/77", link));
    EXPECT_EQ(link.name, "Mine");
    EXPECT_EQ(link.place_id, "77");
    EXPECT_EQ(link.private_code, "");
    EXPECT_EQ(link.note, "a note");

    // Failure leaves every field as it was.
    for (const char* text : { "", "hello", "linkCode=ABC", "roblox.com/games/x" })
    {
        SavedLink untouched = before;
        EXPECT_FALSE(parse_link(text, untouched)) << text;
        EXPECT_EQ(untouched.name, before.name);
        EXPECT_EQ(untouched.place_id, before.place_id);
        EXPECT_EQ(untouched.private_code, before.private_code);
        EXPECT_EQ(untouched.note, before.note);
    }
}

TEST(TrimSpaces, Table)
{
    const struct { std::string in, out; } cases[] = {
        { "", "" }, { " \t\n\v\f\r", "" }, { "a", "a" }, { "  a b  ", "a b" },
        { "\r\nx\r\n", "x" }, { "\xC2\xA0x\xC2\xA0", "\xC2\xA0x\xC2\xA0" },
        { std::string("\0a\0", 3), std::string("\0a\0", 3) },
    };
    for (const auto& c : cases)
        EXPECT_EQ(trim_spaces(c.in), c.out) << testing::PrintToString(c.in);
}
