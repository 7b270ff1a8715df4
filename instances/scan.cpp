// The process scan: running players with path, memory and window state.
#include "instances/scan.h"

#include <algorithm>

uintptr_t find_main_window(uint32_t pid)
{
    return main_window_in(list_top_level_windows(), pid);
}

std::vector<InstanceInfo> scan_instances()
{
    std::vector<InstanceInfo> list;
    std::vector<ProcessEntry> processes;
    if (!list_processes(processes)) return list;
    std::vector<TopWindow> windows;
    bool windows_listed = false;   // one window enumeration per scan, and none without a player
    for (const ProcessEntry& p : processes) {
        if (!is_player_exe_name(p.exe_name)) continue;
        if (!windows_listed) { windows = list_top_level_windows(); windows_listed = true; }
        InstanceInfo info;
        info.pid = p.pid;
        process_image_path(p.pid, info.path);
        process_working_set(p.pid, info.working_set);
        process_creation_time(p.pid, info.creation_time);
        info.has_window = main_window_in(windows, p.pid) != 0;
        list.push_back(info);
    }
    std::sort(list.begin(), list.end(), [](const InstanceInfo& a, const InstanceInfo& b) { return a.pid < b.pid; });
    return list;
}
