// The action journal: memory list, status line and journal.log.
#include "app/journal.h"

#include "app/settings.h"
#include "platform/platform.h"

void journal_add(int32_t level, const std::string& text)
{
    JournalEntry entry;
    entry.time = local_time_text();
    entry.text = text;
    entry.level = level;
    std::string line = entry.time + "  " + text + "\n";
    {
        std::lock_guard<std::mutex> lock(g_app.journal_lock);
        journal_append_trimmed(g_app.journal, std::move(entry));
    }
    if (g_app.demo_mode) return;
    std::string dir = data_dir();
    if (dir.empty()) return;
    append_text_line(dir + "\\journal.log", line);   // a failed append keeps the entry in memory only
}

void notify(const std::string& text, int32_t level)
{
    std::string copy = text;   // text may be status_text itself
    g_app.status_text = copy;
    g_app.status_level = level;
    g_app.status_until = tick_ms() + kStatusShowMs;
    journal_add(level, copy);
}

std::vector<JournalEntry> journal_snapshot()
{
    std::lock_guard<std::mutex> lock(g_app.journal_lock);
    return g_app.journal;
}

void journal_clear()
{
    {
        std::lock_guard<std::mutex> lock(g_app.journal_lock);
        g_app.journal.clear();
    }
    notify("log cleared", JournalLevel::Info);
}
