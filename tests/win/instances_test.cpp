// The process scan, FOCUS, CLOSE and CLOSE ALL against running stand-ins.
#include <algorithm>

#include "app/journal.h"
#include "instances/control.h"
#include "instances/scan.h"
#include "tests/win/test_support.h"

class Instances : public WinTest {
protected:
    int next_folder = 0;
    // Each stand-in gets its own folder, so its record and mode stay its own.
    Started start(const std::string& exe_name, const std::string& mode)
    {
        std::string exe = root + "\\p" + std::to_string(next_folder++) + "\\" + exe_name;
        copy_file_to(standin_exe("2_641_0_1"), exe);
        return procs.start_standin(exe, mode);
    }
    // Started processes are ready once their record exists (written after their windows).
    void wait_ready()
    {
        for (int i = 0; i < next_folder; i++) {
            StandinRecord r;
            ASSERT_TRUE(wait_for_record(root + "\\p" + std::to_string(i), r)) << "stand-in " << i << " did not start";
        }
    }
};

static const InstanceInfo* find_pid(const std::vector<InstanceInfo>& list, uint32_t pid)
{
    for (const InstanceInfo& i : list)
        if (i.pid == pid) return &i;
    return nullptr;
}

// [SECTION] Scan
TEST_F(Instances, ScanListsPlayersByExactFileNameInPidOrder)
{
    struct Case { const char* name; bool listed; };
    const Case cases[] = {{"RobloxPlayerBeta.exe", true}, {"robloxplayerbeta.exe", true}, {"ROBLOXPLAYERBETA.EXE", true},
                          {"RobloxPlayerBeta.exe.old", false}, {"RobloxPlayer.exe", false}};
    std::vector<Started> started;
    for (const Case& c : cases) started.push_back(start(c.name, "none"));
    wait_ready();

    std::vector<InstanceInfo> list = scan_instances();
    EXPECT_TRUE(std::is_sorted(list.begin(), list.end(), [](const InstanceInfo& a, const InstanceInfo& b) { return a.pid < b.pid; }));
    for (size_t i = 0; i < started.size(); i++) {
        SCOPED_TRACE(cases[i].name);
        const InstanceInfo* info = find_pid(list, started[i].pid);
        ASSERT_EQ(info != nullptr, cases[i].listed);
        if (!info) continue;
        EXPECT_EQ(info->path, root + "\\p" + std::to_string(i) + "\\" + cases[i].name);
        EXPECT_GT(info->working_set, 0u);
        EXPECT_FALSE(info->has_window);
    }
}

TEST_F(Instances, MainWindowMeansVisibleUnownedAndTitled)
{
    struct Case { const char* mode; bool has_window; };
    const Case cases[] = {{"visible", true}, {"minimized", true}, {"hidden", false},
                          {"owned", false},  {"untitled", false}, {"none", false}};
    std::vector<Started> started;
    for (const Case& c : cases) started.push_back(start("RobloxPlayerBeta.exe", c.mode));
    wait_ready();

    std::vector<InstanceInfo> list = scan_instances();
    for (size_t i = 0; i < started.size(); i++) {
        SCOPED_TRACE(cases[i].mode);
        const InstanceInfo* info = find_pid(list, started[i].pid);
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(info->has_window, cases[i].has_window);
        EXPECT_EQ(find_main_window(started[i].pid) != 0, cases[i].has_window);
    }
}

TEST_F(Instances, ExitedPlayerIsGoneAtTheNextScan)
{
    Started s = start("RobloxPlayerBeta.exe", "none");
    wait_ready();
    EXPECT_NE(find_pid(scan_instances(), s.pid), nullptr);
    kill_handle(s.handle);
    EXPECT_EQ(find_pid(scan_instances(), s.pid), nullptr);
}

// [SECTION] Focus
TEST_F(Instances, FocusRestoresAMinimisedPlayer)
{
    Started s = start("RobloxPlayerBeta.exe", "minimized");
    wait_ready();
    uintptr_t window = standin_window(s.pid);
    ASSERT_NE(window, 0u);
    ASSERT_TRUE(window_minimised(window));
    action_focus_instance(s.pid);
    EXPECT_EQ(last_journal().text, "window focused / pid " + std::to_string(s.pid));
    EXPECT_EQ(last_journal().level, JournalLevel::Success);
    EXPECT_FALSE(window_minimised(window));
}

TEST_F(Instances, FocusWithoutMainWindowWarns)
{
    Started s = start("RobloxPlayerBeta.exe", "hidden");
    wait_ready();
    action_focus_instance(s.pid);
    EXPECT_EQ(last_journal().text, "window not found for pid " + std::to_string(s.pid));
    EXPECT_EQ(last_journal().level, JournalLevel::Warning);
    EXPECT_TRUE(process_running(s.handle));
}

// [SECTION] Close
TEST_F(Instances, CloseEndsThePlayerAndRescans)
{
    Started keep = start("RobloxPlayerBeta.exe", "none");
    Started s = start("RobloxPlayerBeta.exe", "none");
    wait_ready();
    g_app.instances = scan_instances();
    action_close_instance(s.pid);
    EXPECT_EQ(last_journal().text, "instance closed / pid " + std::to_string(s.pid));
    EXPECT_EQ(last_journal().level, JournalLevel::Success);
    EXPECT_FALSE(process_running(s.handle));
    EXPECT_TRUE(process_running(keep.handle));
    EXPECT_EQ(find_pid(g_app.instances, s.pid), nullptr);
    EXPECT_NE(find_pid(g_app.instances, keep.pid), nullptr);
}

// A pid from an old scan may name another program by now, or nothing at all.
TEST_F(Instances, CloseRefusesWhatIsNoLongerThatPlayer)
{
    Started other = start("helper.exe", "none");
    Started gone = start("RobloxPlayerBeta.exe", "none");
    wait_ready();
    g_app.instances = scan_instances();
    ASSERT_NE(find_pid(g_app.instances, gone.pid), nullptr);
    kill_handle(gone.handle);
    InstanceInfo stale;
    stale.pid = other.pid;
    stale.path = root + "\\p1\\RobloxPlayerBeta.exe";
    g_app.instances.push_back(stale);
    std::vector<InstanceInfo> before = g_app.instances;

    for (uint32_t pid : {other.pid, gone.pid}) {
        SCOPED_TRACE(pid);
        action_close_instance(pid);
        EXPECT_EQ(last_journal().text, "close denied / pid " + std::to_string(pid));
        EXPECT_EQ(last_journal().level, JournalLevel::Error);
        EXPECT_EQ(g_app.instances.size(), before.size());   // no rescan after a refusal
    }
    EXPECT_TRUE(process_running(other.handle));
}

TEST_F(Instances, CloseAllCountsOnlyTheTerminatedPlayers)
{
    Started a = start("RobloxPlayerBeta.exe", "visible");
    Started b = start("RobloxPlayerBeta.exe", "none");
    Started other = start("helper.exe", "none");
    wait_ready();
    g_app.instances = scan_instances();
    InstanceInfo foreign;
    foreign.pid = other.pid;
    g_app.instances.push_back(foreign);
    std::sort(g_app.instances.begin(), g_app.instances.end(),
              [](const InstanceInfo& x, const InstanceInfo& y) { return x.pid < y.pid; });

    action_close_all_instances();
    EXPECT_EQ(last_journal().text, "2 instance(s) closed");
    EXPECT_EQ(last_journal().level, JournalLevel::Success);
    EXPECT_FALSE(process_running(a.handle));
    EXPECT_FALSE(process_running(b.handle));
    EXPECT_TRUE(process_running(other.handle));
    EXPECT_EQ(find_pid(g_app.instances, a.pid), nullptr);
    EXPECT_EQ(find_pid(g_app.instances, b.pid), nullptr);
    EXPECT_EQ(find_pid(g_app.instances, other.pid), nullptr);   // the rescan lists players only
}

TEST_F(Instances, CloseAllWithNothingListedWarns)
{
    Started s = start("RobloxPlayerBeta.exe", "none");
    wait_ready();
    g_app.instances.clear();
    action_close_all_instances();
    EXPECT_EQ(last_journal().text, "0 instance(s) closed");
    EXPECT_EQ(last_journal().level, JournalLevel::Warning);
    EXPECT_TRUE(process_running(s.handle));              // started after the last scan: not closed
    EXPECT_NE(find_pid(g_app.instances, s.pid), nullptr);   // but the rescan lists it
}
