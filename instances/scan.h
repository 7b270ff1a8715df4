// The running player processes and their main windows.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "platform/platform.h"

bool is_player_exe_name(const std::string& exe_name);   // ASCII case ignored
// First visible, unowned, titled window of pid, in enumeration order; 0 when none.
uintptr_t main_window_in(const std::vector<TopWindow>& windows, uint32_t pid);
uintptr_t find_main_window(uint32_t pid);
std::vector<InstanceInfo> scan_instances();

// "%.2f GB" / "%.0f MB" / "%.1f KB" by powers of 1024.
std::string memory_text(uint64_t bytes);
