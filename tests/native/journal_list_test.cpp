// The journal keeps at most 400 entries, dropping the oldest 100 at once.
#include <gtest/gtest.h>

#include "app/journal.h"

static std::vector<JournalEntry> journal_of(int count)
{
    std::vector<JournalEntry> list;
    for (int i = 1; i <= count; i++)
        journal_append_trimmed(list, JournalEntry{ "12:00:00", "entry " + std::to_string(i), i % 4 });
    return list;
}

TEST(JournalList, TrimsOnlyPast400)
{
    const struct { int appends; size_t size; int first; } cases[] = {
        { 1, 1, 1 }, { 400, 400, 1 }, { 401, 301, 101 }, { 500, 400, 101 }, { 501, 301, 201 },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.appends);
        std::vector<JournalEntry> list = journal_of(c.appends);
        ASSERT_EQ(list.size(), c.size);
        EXPECT_EQ(list.front().text, "entry " + std::to_string(c.first));
        EXPECT_EQ(list.front().level, c.first % 4);
        EXPECT_EQ(list.back().text, "entry " + std::to_string(c.appends));
        for (size_t i = 1; i < list.size(); i++)
            ASSERT_EQ(list[i].text, "entry " + std::to_string(c.first + (int)i)) << "order kept";
    }
}
