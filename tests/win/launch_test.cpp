// Joining through the shell's URL handlers and starting the player, observed through the stand-in's record.
#include "app/journal.h"
#include "links/launch.h"
#include "links/link_parse.h"
#include "roblox/installations.h"
#include "tests/win/test_support.h"

class Launch : public WinTest {
protected:
    std::string recorder_dir, recorder;
    void SetUp() override
    {
        WinTest::SetUp();
        recorder_dir = root + "\\recorder";
        recorder = recorder_dir + "\\recorder.exe";
        copy_file_to(standin_exe("noversion"), recorder);
        set_standin_mode(recorder_dir, "none");
    }
    std::string handler_command(const std::string& exe) const { return "\"" + exe + "\" \"%1\""; }
    // The one address the recorder was started with; it is ended at once.
    std::string recorded_address()
    {
        StandinRecord r;
        if (!wait_for_record(recorder_dir, r)) return "(recorder not started)";
        procs.adopt(r.pid);
        kill_pid(r.pid);
        remove_tree(recorder_dir + "\\standin-record.txt");
        return r.args;
    }
};

// [SECTION] Join
TEST_F(Launch, JoinAddressReachesTheRobloxHandler)
{
    ShellHandlerOverride roblox("roblox");
    roblox.set_command(handler_command(recorder));
    struct Case { const char* place; const char* code; std::string address; };
    const Case cases[] = {
        {"123", "", "roblox://placeId=123"},
        {"0042", "Ab-9_z", "roblox://placeId=0042&linkCode=Ab-9_z"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.address);
        std::string error = "untouched";
        EXPECT_TRUE(join_place(c.place, c.code, error));
        EXPECT_EQ(error, "untouched");
        EXPECT_EQ(recorded_address(), "\"" + c.address + "\"");
    }
}

TEST_F(Launch, BrowserOpensWhenNoRobloxHandlerExists)
{
    ShellHandlerOverride roblox("roblox");
    roblox.remove_scheme();
    ShellHandlerOverride https("https");
    https.set_command(handler_command(recorder));
    SavedLink link;
    link.name = "Friends";
    link.place_id = "77";
    link.private_code = "Cd-1";
    action_join_saved_link(link);
    EXPECT_EQ(last_journal().text, "join requested / Friends");
    EXPECT_EQ(last_journal().level, JournalLevel::Success);
    EXPECT_EQ(recorded_address(), "\"" + std::string(kWebOrigin) + "/games/77?privateServerLinkCode=Cd-1\"");
}

TEST_F(Launch, JoinFailsWhenNeitherHandlerResponds)
{
    ShellHandlerOverride roblox("roblox");
    ShellHandlerOverride https("https");
    roblox.set_command(handler_command(root + "\\nowhere\\missing.exe"));
    https.set_command(handler_command(root + "\\nowhere\\missing.exe"));
    copy_to_buffer(g_app.link_box, "roblox://placeId=181&linkCode=QwE");
    action_join_link_box();
    EXPECT_EQ(last_journal().text, "join failed: neither roblox:// nor the browser responded");
    EXPECT_EQ(last_journal().level, JournalLevel::Error);
    EXPECT_EQ(buffer_text(g_app.link_box), "roblox://placeId=181&linkCode=QwE");
}

// [SECTION] Launch
class LaunchPlayer : public WinTest {
protected:
    std::string exe, version_dir;
    void SetUp() override
    {
        WinTest::SetUp();
        exe = install_player(local, "version-launch", "2_641_0_1");
        version_dir = versions(local) + "\\version-launch";
        set_standin_mode(version_dir, "none");
        refresh_all();
        ASSERT_EQ(g_app.selected_install, 0);
    }
    bool launched(StandinRecord& r)
    {
        bool ok = wait_for_record(version_dir, r);
        if (ok) procs.adopt(r.pid);
        return ok;
    }
};

TEST_F(LaunchPlayer, PassesTrimmedArgumentsAndTheVersionFolder)
{
    g_app.launch.flags = false;
    struct Case { const char* args; std::string expected_tail; };
    const Case cases[] = {
        {"  --mode  fast -x \t", " --mode  fast -x"},
        {" \t\r\n ", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        g_app.launch.args = c.args;
        action_launch_player();
        EXPECT_EQ(last_journal().text, "roblox launched / 2.641.0.1");
        EXPECT_EQ(last_journal().level, JournalLevel::Success);
        StandinRecord r;
        ASSERT_TRUE(launched(r));
        EXPECT_EQ(r.tail, c.expected_tail);
        EXPECT_EQ(r.cwd, version_dir);
        kill_pid(r.pid);
        remove_tree(version_dir + "\\standin-record.txt");
    }
    // The launch saves what it used.
    EXPECT_NE(bytes_of(data_file("settings.ini")).find("install=" + exe + "\r\n"), std::string::npos);
}

TEST_F(LaunchPlayer, WritesFlagsBeforeStarting)
{
    action_launch_player();
    StandinRecord r;
    ASSERT_TRUE(launched(r));
    EXPECT_EQ(r.client_settings, "present");
    std::vector<std::string> texts = journal_texts();
    EXPECT_EQ(texts, (std::vector<std::string>{"flags written: 240 fps / quality 10", "roblox launched / 2.641.0.1"}));
}

TEST_F(LaunchPlayer, FailedFlagWriteStartsNothing)
{
    write_bytes(version_dir + "\\ClientSettings", "a file where the folder belongs");
    action_launch_player();
    EXPECT_TRUE(journal_has_prefix("flags not written: write failed ("));
    EXPECT_FALSE(journal_has_prefix("launch failed: "));
    EXPECT_FALSE(journal_has_prefix("roblox launched"));
    // The shell creates the process before it returns, so none may exist now.
    EXPECT_TRUE(pids_running_below(root).empty());
}

TEST_F(LaunchPlayer, ExecutableDeletedAfterDetection)
{
    g_app.launch.flags = false;
    remove_tree(exe);
    action_launch_player();
    EXPECT_EQ(last_journal().text, "launch failed: RobloxPlayerBeta.exe not found");
    EXPECT_EQ(last_journal().level, JournalLevel::Error);
}

TEST_F(LaunchPlayer, RefusesWithoutAnInstallation)
{
    g_app.installations.clear();
    g_app.selected_install = -1;
    action_launch_player();
    EXPECT_EQ(journal_texts(), std::vector<std::string>{"no roblox installation detected"});
    EXPECT_EQ(last_journal().level, JournalLevel::Error);
    EXPECT_FALSE(path_exists(data_file("settings.ini")));
    EXPECT_FALSE(path_exists(version_dir + "\\ClientSettings"));
}
