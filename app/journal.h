// The action journal, the status line and journal.log.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "app/app_state.h"

constexpr size_t kJournalMax = 400;      // never more entries after an append returns
constexpr size_t kJournalTrim = 100;     // removed at once, oldest first
constexpr uint64_t kStatusShowMs = 4200;

void journal_add(int32_t level, const std::string& text);
void notify(const std::string& text, int32_t level);
std::vector<JournalEntry> journal_snapshot();
void journal_clear();   // empties the list, then notifies "log cleared"

// Appends and applies the 400 -> 300 trim rule; the caller holds the lock.
void journal_append_trimmed(std::vector<JournalEntry>& list, JournalEntry entry);
