// The in-memory journal list and its trim rule (locking and file lines live with the platform side).
#include "app/journal.h"

void journal_append_trimmed(std::vector<JournalEntry>& list, JournalEntry entry)
{
    list.push_back(std::move(entry));
    // Drop 100 at once so the erase runs at most once every 100 appends.
    if (list.size() > kJournalMax)
        list.erase(list.begin(), list.begin() + kJournalTrim);
}
