// The process scan: running players with path, memory and window state.
#include "instances/scan.h"

#include <algorithm>

uintptr_t find_main_window(uint32_t pid)
{
    return main_window_in(list_top_level_windows({pid}), pid);
}

std::vector<InstanceInfo> scan_instances()
{
    std::vector<InstanceInfo> list;
    std::vector<ProcessEntry> processes;
    if (!list_processes(processes)) return list;
    for (const ProcessEntry& p : processes) {
        if (!is_player_exe_name(p.exe_name)) continue;
        InstanceInfo info;
        info.pid = p.pid;
        process_image_path(p.pid, info.path, info.creation_time);
        process_working_set(p.pid, info.working_set);
        list.push_back(info);
    }
    // One window enumeration per scan, whatever the number of players, and none without one.
    std::vector<uint32_t> pids;
    for (const InstanceInfo& info : list) pids.push_back(info.pid);
    std::vector<TopWindow> windows = list_top_level_windows(pids);
    for (InstanceInfo& info : list) info.has_window = main_window_in(windows, info.pid) != 0;
    std::sort(list.begin(), list.end(), [](const InstanceInfo& a, const InstanceInfo& b) { return a.pid < b.pid; });
    return list;
}
