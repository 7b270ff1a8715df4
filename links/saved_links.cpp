// Saved servers: links.tsv, ADD and remove.
#include "links/saved_links.h"

#include <cstring>

#include "app/journal.h"
#include "app/settings.h"
#include "platform/platform.h"

void load_links()
{
    std::string dir = data_dir();
    if (dir.empty()) return;
    std::string text;
    if (!read_file_text(dir + "\\links.tsv", text)) return;
    parse_links_tsv(text, g_app.saved_links);
}

void save_links()
{
    if (g_app.demo_mode) return;
    std::string dir = data_dir();
    if (dir.empty()) return;
    std::string error;
    if (!write_file_text(dir + "\\links.tsv", format_links_tsv(g_app.saved_links), error))
        journal_add(JournalLevel::Error, "unregistered links: " + error);
}

static bool all_digits(const std::string& s)
{
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

void action_add_link()
{
    SavedLink link;
    link.name = buffer_text(g_app.new_link_name);
    link.place_id = buffer_text(g_app.new_link_place);
    link.private_code = buffer_text(g_app.new_link_code);
    link.note = buffer_text(g_app.new_link_note);
    if (!all_digits(link.place_id)) { notify("numeric place id required", JournalLevel::Error); return; }
    if (link.name.empty())
        link.name = (link.private_code.empty() ? "Place " : "Private server ") + link.place_id;
    g_app.saved_links.push_back(link);
    save_links();
    notify("link added / " + link.name, JournalLevel::Success);
    std::memset(g_app.new_link_name, 0, sizeof(g_app.new_link_name));
    std::memset(g_app.new_link_place, 0, sizeof(g_app.new_link_place));
    std::memset(g_app.new_link_code, 0, sizeof(g_app.new_link_code));
    std::memset(g_app.new_link_note, 0, sizeof(g_app.new_link_note));
}

void action_remove_link(int32_t index)
{
    if (index < 0 || (size_t)index >= g_app.saved_links.size()) return;
    std::string name = g_app.saved_links[(size_t)index].name;
    g_app.saved_links.erase(g_app.saved_links.begin() + index);
    save_links();
    notify("link removed / " + name, JournalLevel::Info);
}
