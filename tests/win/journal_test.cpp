// The journal's status line and clearing, and the text conversions every platform call goes through.
#include "app/journal.h"
#include "platform/platform.h"
#include "tests/win/test_support.h"

class Journal : public WinTest {};

TEST_F(Journal, NotifySetsTheStatusAndJournalsAtTheSameLevel)
{
    uint64_t before = tick_ms();
    notify("close denied / pid 7", JournalLevel::Error);
    EXPECT_EQ(g_app.status_text, "close denied / pid 7");
    EXPECT_EQ(g_app.status_level, JournalLevel::Error);
    EXPECT_GE(g_app.status_until, before + kStatusShowMs);
    EXPECT_LE(g_app.status_until, tick_ms() + kStatusShowMs);
    JournalEntry last = last_journal();
    EXPECT_EQ(last.text, "close denied / pid 7");
    EXPECT_EQ(last.level, JournalLevel::Error);
}

// The status text passed by reference to itself: the text must survive and be journalled again.
TEST_F(Journal, NotifyWithTheStatusTextItselfRenewsIt)
{
    notify("flags restored", JournalLevel::Success);
    g_app.status_until = 1;
    notify(g_app.status_text, JournalLevel::Warning);
    EXPECT_EQ(g_app.status_text, "flags restored");
    EXPECT_EQ(g_app.status_level, JournalLevel::Warning);
    EXPECT_GT(g_app.status_until, tick_ms());
    EXPECT_EQ(journal_texts(), (std::vector<std::string>{"flags restored", "flags restored"}));
}

TEST_F(Journal, ClearLeavesOneLineInMemoryAndKeepsTheFile)
{
    journal_add(JournalLevel::Info, "session open");
    journal_add(JournalLevel::Success, "link added / x");
    journal_clear();
    std::vector<JournalEntry> snap = journal_snapshot();
    ASSERT_EQ(snap.size(), 1u);
    EXPECT_EQ(snap[0].text, "log cleared");
    EXPECT_EQ(snap[0].level, JournalLevel::Info);
    std::string log = bytes_of(data_file("journal.log"));
    const char* order[] = {"  session open\r\n", "  link added / x\r\n", "  log cleared\r\n"};
    size_t at = 0;
    for (const char* line : order) {
        size_t found = log.find(line, at);
        ASSERT_NE(found, std::string::npos) << line;
        at = found;
    }
}

TEST_F(Journal, TimeTextIsEightCharacters)
{
    journal_add(JournalLevel::Info, "");
    JournalEntry e = last_journal();
    ASSERT_EQ(e.time.size(), 8u);
    EXPECT_EQ(e.time[2], ':');
    EXPECT_EQ(e.time[5], ':');
}

TEST(TextConversion, WholeStringsByLength)
{
    struct Case { std::wstring wide; std::string utf8; };
    const Case cases[] = {
        {L"", ""},
        {L"plain", "plain"},
        {std::wstring(L"a\0b", 3), std::string("a\0b", 3)},
        {L"\u00d7 \u00e9\U0001F600", "\xC3\x97 \xC3\xA9\xF0\x9F\x98\x80"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(to_utf8(c.wide), c.utf8);
        EXPECT_TRUE(to_utf16(c.utf8) == c.wide);
    }
}

TEST(TextConversion, InvalidSequencesBecomeReplacementCharacters)
{
    std::wstring w = to_utf16("a\xFF" "b");
    ASSERT_EQ(w.size(), 3u);
    EXPECT_EQ(w[1], (wchar_t)0xFFFD);
    std::wstring lone(1, (wchar_t)0xD800);
    EXPECT_EQ(to_utf8(L"x" + lone), "x\xEF\xBF\xBD");
}
