// Applying the two flags with a one-time backup, restoring them, and the failures on a real disk.
#include <algorithm>
#include <regex>

#include "app/journal.h"
#include "roblox/flags.h"
#include "roblox/installations.h"
#include "tests/win/test_support.h"

class Flags : public WinTest {
protected:
    std::string folder, settings, flag, backup;
    void SetUp() override
    {
        WinTest::SetUp();
        install_player(local, "version-flags", "2_641_0_1");
        refresh_all();
        ASSERT_EQ(g_app.selected_install, 0);
        folder = g_app.installations[0].folder_path;
        settings = folder + "\\ClientSettings";
        flag = settings + "\\ClientAppSettings.json";
        backup = flag + ".larkspire.bak";
    }
    // What the ClientSettings folder holds, to catch stray temporary files.
    std::vector<std::string> settings_entries() { return folder_entries(settings); }
};

static std::string fresh_flags(int fps, int quality)
{
    return "{\n  \"DFIntTaskSchedulerTargetFps\": " + std::to_string(fps) + "\n,\n  \"DFIntDebugFRMQualityLevelOverride\": " +
           std::to_string(quality) + "\n}";
}

static const char* const kPresentBackup = "ClientAppSettings.json / present / .bak backup";
static const char* const kPresentNoBackup = "ClientAppSettings.json / present / no backup";
static const char* const kMissing = "ClientAppSettings.json / missing / written on demand";
static const char* const kUserFile = "{\r\n  \"Other\": 1,\r\n  \"DFIntTaskSchedulerTargetFps\": 60\r\n}\r\n";

// [SECTION] The apply/restore state table
struct FileState {
    bool exists;
    std::string bytes;
};
static FileState missing() { return {false, ""}; }
static FileState holding(const std::string& bytes) { return {true, bytes}; }

struct FlagStep {
    bool apply;   // false: restore
    int fps, quality;
    FileState flag, backup;
    const char* status;
    std::string journal;
};
struct FlagScenario {
    const char* name;
    FileState flag, backup;
    std::vector<FlagStep> steps;
};

TEST_F(Flags, ApplyAndRestoreFollowTheStateTable)
{
    const std::string user_applied_144 =
        "{\r\n  \"Other\": 1,\r\n  \"DFIntTaskSchedulerTargetFps\": 144\r\n,\n  \"DFIntDebugFRMQualityLevelOverride\": 5\n}";
    const std::string user_applied_30 =
        "{\r\n  \"Other\": 1,\r\n  \"DFIntTaskSchedulerTargetFps\": 30\r\n,\n  \"DFIntDebugFRMQualityLevelOverride\": 1\n}";
    const FlagScenario scenarios[] = {
        {"no flag file", missing(), missing(),
         {{false, 0, 0, missing(), missing(), kMissing, "flags restored"},
          {true, 240, 10, holding(fresh_flags(240, 10)), missing(), kPresentNoBackup, "flags written: 240 fps / quality 10"},
          {false, 0, 0, missing(), missing(), kMissing, "flags restored"}}},
        {"user file", holding(kUserFile), missing(),
         {{true, 144, 5, holding(user_applied_144), holding(kUserFile), kPresentBackup, "flags written: 144 fps / quality 5"},
          {true, 30, 1, holding(user_applied_30), holding(kUserFile), kPresentBackup, "flags written: 30 fps / quality 1"},
          {false, 0, 0, holding(kUserFile), missing(), kPresentNoBackup, "flags restored"},
          {false, 0, 0, missing(), missing(), kMissing, "flags restored"}}},
        {"empty user file", holding(""), missing(),
         {{true, 240, 10, holding(fresh_flags(240, 10)), holding(""), kPresentBackup, "flags written: 240 fps / quality 10"},
          {false, 0, 0, holding(""), missing(), kPresentNoBackup, "flags restored"}}},
        {"backup left, flag file deleted", missing(), holding("old"),
         {{true, -5, 0, holding(fresh_flags(-5, 0)), holding("old"), kPresentBackup, "flags written: -5 fps / quality 0"},
          {false, 0, 0, holding("old"), missing(), kPresentNoBackup, "flags restored"}}},
    };
    for (const FlagScenario& sc : scenarios) {
        SCOPED_TRACE(sc.name);
        remove_tree(settings);
        if (sc.flag.exists) write_bytes(flag, sc.flag.bytes);
        if (sc.backup.exists) write_bytes(backup, sc.backup.bytes);
        for (size_t i = 0; i < sc.steps.size(); i++) {
            const FlagStep& st = sc.steps[i];
            SCOPED_TRACE("step " + std::to_string(i));
            if (st.apply) {
                g_app.launch.fps = st.fps;
                g_app.launch.quality = st.quality;
                EXPECT_TRUE(action_apply_flags());
            } else {
                action_restore_flags();
            }
            JournalEntry last = last_journal();
            EXPECT_EQ(last.text, st.journal);
            EXPECT_EQ(last.level, JournalLevel::Success);
            EXPECT_EQ(g_app.installations[0].has_flag_file, st.apply);
            EXPECT_EQ(path_exists(flag), st.flag.exists);
            if (st.flag.exists) {
                EXPECT_EQ(bytes_of(flag), st.flag.bytes);
            }
            EXPECT_EQ(path_exists(backup), st.backup.exists);
            if (st.backup.exists) {
                EXPECT_EQ(bytes_of(backup), st.backup.bytes);
            }
            EXPECT_EQ(flag_file_status(), st.status);
        }
        std::vector<std::string> allowed = {"ClientAppSettings.json", "ClientAppSettings.json.larkspire.bak"};
        for (const std::string& name : settings_entries())
            EXPECT_NE(std::find(allowed.begin(), allowed.end(), name), allowed.end()) << "stray file " << name;
    }
}

// [SECTION] The settings folder
TEST_F(Flags, CreatesOnlyTheSettingsFolderItself)
{
    Installation present;
    present.folder_path = folder;
    std::string error;
    EXPECT_TRUE(apply_flags(present, 240, 10, error)) << error;
    EXPECT_EQ(bytes_of(flag), fresh_flags(240, 10));

    Installation gone;
    gone.folder_path = versions(local) + "\\version-gone";
    error.clear();
    EXPECT_FALSE(apply_flags(gone, 240, 10, error));
    EXPECT_EQ(error, "ClientSettings folder not created");
    EXPECT_FALSE(path_exists(gone.folder_path));
}

TEST_F(Flags, FileInPlaceOfTheSettingsFolderFailsTheWrite)
{
    write_bytes(settings, "not a folder");
    EXPECT_FALSE(action_apply_flags());
    JournalEntry last = last_journal();
    EXPECT_TRUE(std::regex_match(last.text, std::regex("flags not written: write failed \\([1-9][0-9]*\\)"))) << last.text;
    EXPECT_EQ(last.level, JournalLevel::Error);
    EXPECT_EQ(bytes_of(settings), "not a folder");
    EXPECT_FALSE(g_app.installations[0].has_flag_file);
    EXPECT_FALSE(path_exists(data_file("settings.ini")));   // a failed apply saves nothing
}

// [SECTION] Flag files the launcher must not touch
TEST_F(Flags, FlagFileHeldOpenByAReaderFailsTheWrite)
{
    write_bytes(flag, kUserFile);
    {
        HeldOpen player(flag, true);
        EXPECT_FALSE(action_apply_flags());
    }
    EXPECT_EQ(last_journal().text, "flags not written: write failed (32)");
    EXPECT_EQ(bytes_of(flag), kUserFile);
    EXPECT_EQ(bytes_of(backup), kUserFile);   // made before the failing write, and kept
    EXPECT_EQ(settings_entries(), (std::vector<std::string>{"ClientAppSettings.json", "ClientAppSettings.json.larkspire.bak"}));
}

TEST_F(Flags, FlagFileHeldOpenWithoutSharingStaysWhole)
{
    write_bytes(flag, kUserFile);
    {
        HeldOpen player(flag, false);
        EXPECT_FALSE(action_apply_flags());
    }
    JournalEntry last = last_journal();
    EXPECT_TRUE(std::regex_match(last.text, std::regex("flags not written: (flag file unreadable|write failed \\(32\\))"))) << last.text;
    EXPECT_EQ(last.level, JournalLevel::Error);
    EXPECT_EQ(bytes_of(flag), kUserFile);
    EXPECT_EQ(settings_entries(), std::vector<std::string>{"ClientAppSettings.json"});
}

TEST_F(Flags, OversizedFlagFileIsLeftAlone)
{
    std::string big = "{\"DFIntTaskSchedulerTargetFps\": 60, \"pad\": \"" + std::string(8 * 1024 * 1024, 'p') + "\"}";
    write_bytes(flag, big);
    EXPECT_FALSE(action_apply_flags());
    EXPECT_EQ(last_journal().text, "flags not written: flag file unreadable");
    EXPECT_EQ(last_journal().level, JournalLevel::Error);
    EXPECT_TRUE(bytes_of(flag) == big);
    EXPECT_FALSE(path_exists(backup));
}

// [SECTION] No installation
TEST_F(Flags, NothingToDoWithoutAnInstallation)
{
    g_app.installations.clear();
    g_app.selected_install = -1;
    EXPECT_EQ(flag_file_status(), "no installation selected");
    EXPECT_FALSE(action_apply_flags());
    EXPECT_EQ(last_journal().text, "no roblox installation");
    EXPECT_EQ(last_journal().level, JournalLevel::Error);
    action_restore_flags();
    EXPECT_EQ(journal_texts(), (std::vector<std::string>{"no roblox installation", "no roblox installation"}));
    EXPECT_EQ(g_app.status_level, JournalLevel::Error);
    EXPECT_FALSE(path_exists(settings));
}
