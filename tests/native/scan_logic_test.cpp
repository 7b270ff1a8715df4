// Process scan rules that need no platform: the name match, the main-window test and the memory text.
#include <gtest/gtest.h>

#include "instances/scan.h"

TEST(IsPlayerExeName, Table)
{
    const struct { const char* name; bool player; } cases[] = {
        { "RobloxPlayerBeta.exe", true },
        { "robloxplayerbeta.exe", true },
        { "ROBLOXPLAYERBETA.EXE", true },
        { "RobloxPlayerBeta.exe.old", false },
        { "RobloxPlayer.exe", false },
        { "C:\\x\\RobloxPlayerBeta.exe", false },
        { " RobloxPlayerBeta.exe", false },
        { "", false },
    };
    for (const auto& c : cases)
        EXPECT_EQ(is_player_exe_name(c.name), c.player) << c.name;
}

static TopWindow window(uintptr_t handle, uint32_t pid, bool visible, bool owned, int title_length)
{
    TopWindow w;
    w.handle = handle;
    w.pid = pid;
    w.visible = visible;
    w.owned = owned;
    w.title_length = title_length;
    return w;
}

TEST(MainWindowIn, FirstVisibleUnownedTitledWindowOfThePid)
{
    const std::vector<TopWindow> windows = {
        window(0x10, 7, false, false, 6),   // hidden
        window(0x20, 7, true,  true,  6),   // owned pop-up
        window(0x30, 7, true,  false, 0),   // untitled
        window(0x40, 9, true,  false, 6),   // another process
        window(0x50, 7, true,  false, 1),   // the main window
        window(0x60, 7, true,  false, 9),   // passes too, but comes later
    };
    EXPECT_EQ(main_window_in(windows, 7), 0x50u);
    EXPECT_EQ(main_window_in(windows, 9), 0x40u);
    EXPECT_EQ(main_window_in(windows, 8), 0u);
    EXPECT_EQ(main_window_in({}, 7), 0u);
    // Only hidden, owned or untitled windows: no main window.
    EXPECT_EQ(main_window_in(std::vector<TopWindow>(windows.begin(), windows.begin() + 4), 7), 0u);
}

TEST(MemoryText, Table)
{
    const struct { uint64_t bytes; const char* text; } cases[] = {
        { 0, "0.0 KB" },
        { 1023, "1.0 KB" },
        { 1048575, "1024.0 KB" },
        { 1048576, "1 MB" },
        { 700ull << 20, "700 MB" },
        { (1023ull << 20) + (3ull << 18), "1024 MB" },   // 1023.75 MB rounds up but stays in MB
        { 1073741823, "1024 MB" },
        { 1073741824, "1.00 GB" },
        { 3ull << 29, "1.50 GB" },
        { UINT64_MAX, "17179869184.00 GB" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(memory_text(c.bytes), c.text) << c.bytes;
}
