// The platform-free half of the process scan: name match, main-window test and memory text.
#include "instances/scan.h"

#include <cstdio>

#include "roblox/installations.h"

bool is_player_exe_name(const std::string& exe_name)
{
    return equal_ignoring_ascii_case(exe_name, kPlayerExeName);
}

uintptr_t main_window_in(const std::vector<TopWindow>& windows, uint32_t pid)
{
    // Hidden helpers, owned pop-ups and untitled frames are not what the user would call the window.
    for (const TopWindow& w : windows)
        if (w.pid == pid && w.visible && !w.owned && w.title_length != 0)
            return w.handle;
    return 0;
}

std::string memory_text(uint64_t bytes)
{
    char buf[48];
    double b = (double)bytes;
    if (bytes >= (1ull << 30))
        snprintf(buf, sizeof(buf), "%.2f GB", b / (double)(1ull << 30));
    else if (bytes >= (1ull << 20))
        snprintf(buf, sizeof(buf), "%.0f MB", b / (double)(1ull << 20));
    else
        snprintf(buf, sizeof(buf), "%.1f KB", b / 1024.0);
    return buf;
}
