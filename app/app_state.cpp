#include "app/app_state.h"

#include <cstring>

AppState g_app;

void reset_app_state()
{
    std::vector<JournalEntry> empty_journal;
    {
        std::lock_guard<std::mutex> lock(g_app.journal_lock);
        g_app.journal.swap(empty_journal);
    }
    g_app.installations.clear();
    g_app.selected_install = -1;
    g_app.launch = LaunchSettings();
    g_app.saved_links.clear();
    g_app.instances.clear();
    g_app.status_text.clear();
    g_app.status_level = 0;
    g_app.status_until = 0;
    g_app.current_page = Page::Dashboard;
    g_app.demo_mode = false;
    g_app.ui_scale = 1.0f;
    g_app.last_scan_tick = 0;
    std::memset(g_app.link_box, 0, sizeof(g_app.link_box));
    std::memset(g_app.new_link_name, 0, sizeof(g_app.new_link_name));
    std::memset(g_app.new_link_place, 0, sizeof(g_app.new_link_place));
    std::memset(g_app.new_link_code, 0, sizeof(g_app.new_link_code));
    std::memset(g_app.new_link_note, 0, sizeof(g_app.new_link_note));
}

Installation* selected_installation()
{
    if (g_app.selected_install < 0) return nullptr;
    if ((size_t)g_app.selected_install < g_app.installations.size()) return &g_app.installations[(size_t)g_app.selected_install];
    return nullptr;
}

void copy_to_buffer(char* buffer, size_t size, const std::string& text)
{
    if (size == 0) return;
    size_t n = text.size() < size - 1 ? text.size() : size - 1;
    std::memcpy(buffer, text.data(), n);
    std::memset(buffer + n, 0, size - n);
}

std::string buffer_text(const char* buffer, size_t size)
{
    size_t n = 0;
    while (n < size && buffer[n] != '\0') n++;
    return std::string(buffer, n);
}
