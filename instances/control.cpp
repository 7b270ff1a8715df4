// FOCUS, CLOSE and CLOSE ALL on running players.
#include "instances/control.h"

#include "app/journal.h"
#include "instances/scan.h"
#include "platform/platform.h"
#include "roblox/installations.h"

static const uint32_t kTerminateWaitMs = 3000;

bool focus_instance(uint32_t pid)
{
    uintptr_t window = find_main_window(pid);
    if (!window) return false;
    restore_and_raise_window(window);
    return true;
}

static uint64_t scanned_creation_time(uint32_t pid)
{
    for (const InstanceInfo& i : g_app.instances)
        if (i.pid == pid) return i.creation_time;
    return 0;
}

bool terminate_instance(uint32_t pid)
{
    return terminate_process_checked(pid, kPlayerExeName, scanned_creation_time(pid), kTerminateWaitMs);
}

void action_focus_instance(uint32_t pid)
{
    if (g_app.demo_mode) { notify("demo mode: focus disabled", JournalLevel::Info); return; }
    if (focus_instance(pid))
        notify("window focused / pid " + std::to_string(pid), JournalLevel::Success);
    else
        notify("window not found for pid " + std::to_string(pid), JournalLevel::Warning);
}

void action_close_instance(uint32_t pid)
{
    if (g_app.demo_mode) { notify("demo mode: close disabled", JournalLevel::Info); return; }
    if (terminate_instance(pid)) {
        notify("instance closed / pid " + std::to_string(pid), JournalLevel::Success);
        g_app.instances = scan_instances();
    } else {
        notify("close denied / pid " + std::to_string(pid), JournalLevel::Error);
    }
}

void action_close_all_instances()
{
    if (g_app.demo_mode) { notify("demo mode: close disabled", JournalLevel::Info); return; }
    int closed = 0;
    std::vector<InstanceInfo> targets = g_app.instances;
    for (const InstanceInfo& i : targets)
        if (terminate_instance(i.pid)) closed++;
    g_app.instances = scan_instances();
    notify(std::to_string(closed) + " instance(s) closed", closed > 0 ? JournalLevel::Success : JournalLevel::Warning);
}
