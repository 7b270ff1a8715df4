// Installations and flag files that are not what the player leaves behind: each gives its defined
// result or a clear error, never a crash or a half-written file.
#include <windows.h>

#include "app/journal.h"
#include "platform/platform.h"
#include "roblox/flags.h"
#include "roblox/installations.h"
#include "tests/win/test_support.h"

class BadInput : public WinTest {};

// Executables whose version resource cannot be read fall back to the folder name and sort last.
TEST_F(BadInput, BrokenExecutablesFallBackToTheFolderName)
{
    std::string v = versions(local);
    install_player(local, "version-real", "2_641_0_1");
    write_bytes(v + "\\version-empty\\RobloxPlayerBeta.exe", "");
    write_bytes(v + "\\version-garbage\\RobloxPlayerBeta.exe", std::string(4096, '\xA5'));
    std::string real = bytes_of(standin_exe("2_641_0_1"));
    write_bytes(v + "\\version-truncated\\RobloxPlayerBeta.exe", real.substr(0, 700));   // headers, no sections
    std::string mz = "MZ" + std::string(58, '\0') + std::string("\xFF\xFF\xFF\x7F", 4);   // e_lfanew far past the end
    write_bytes(v + "\\version-badheader\\RobloxPlayerBeta.exe", mz);

    std::vector<Installation> list = detect_installations();
    ASSERT_EQ(list.size(), 5u);
    EXPECT_EQ(list[0].version, "2.641.0.1");
    for (size_t i = 1; i < list.size(); i++) EXPECT_EQ(list[i].version, list[i].folder_name);
    EXPECT_EQ(list[1].folder_name, "version-truncated");   // fallbacks by folder name, descending
    EXPECT_EQ(list[4].folder_name, "version-badheader");
}

// Paths outside ASCII travel as UTF-8 inside and UTF-16 at the system: detection, apply and restore.
TEST_F(BadInput, NonAsciiFoldersWorkEndToEnd)
{
    std::string exe = install_player(local, "version-\xc3\xa9t\xc3\xa9-\xe2\x9c\x93", "2_99_0_0");
    refresh_all();
    ASSERT_EQ(g_app.installations.size(), 1u);
    EXPECT_EQ(g_app.installations[0].exe_path, exe);
    EXPECT_EQ(g_app.installations[0].version, "2.99.0.0");
    ASSERT_TRUE(action_apply_flags());
    EXPECT_TRUE(path_exists(flag_file_path(g_app.installations[0])));
    action_restore_flags();
    EXPECT_EQ(last_journal().text, "flags restored");
    EXPECT_FALSE(path_exists(flag_file_path(g_app.installations[0])));
}

// The read limit is inclusive: an 8 MiB flag file is read and backed up whole. The edit makes it
// larger than the limit, so the read-back cannot verify it: a clear error, the backup intact.
TEST_F(BadInput, FlagFileOfExactlyTheReadLimit)
{
    install_player(local, "version-big", "2_641_0_1");
    refresh_all();
    const Installation& inst = g_app.installations[0];
    std::string body = "{\n  \"Padding\": \"";
    std::string tail = "\"\n}\n";
    std::string text = body + std::string(8388608 - body.size() - tail.size(), 'x') + tail;
    ASSERT_EQ(text.size(), 8388608u);
    write_bytes(flag_file_path(inst), text);
    EXPECT_FALSE(action_apply_flags());
    EXPECT_EQ(last_journal().text, "flags not written: flag verification failed");
    EXPECT_EQ(last_journal().level, JournalLevel::Error);
    EXPECT_TRUE(bytes_of(flag_backup_path(inst)) == text);
    std::string edited = bytes_of(flag_file_path(inst));
    EXPECT_EQ(edited.compare(0, text.size() - 3, text, 0, text.size() - 3), 0);   // only the end was spliced
    EXPECT_NE(edited.find("\"DFIntDebugFRMQualityLevelOverride\": 10"), std::string::npos);
}

// A read-only flag file is the user's choice: the apply fails with the system's code and changes nothing.
TEST_F(BadInput, ReadOnlyFlagFileIsRefusedAndKept)
{
    install_player(local, "version-ro", "2_641_0_1");
    refresh_all();
    const Installation& inst = g_app.installations[0];
    const std::string original = "{\"DFIntTaskSchedulerTargetFps\": 60}";
    write_bytes(flag_backup_path(inst), "backup already there");   // so only the flag file's write can fail
    write_bytes(flag_file_path(inst), original);
    SetFileAttributesW(to_utf16(flag_file_path(inst)).c_str(), FILE_ATTRIBUTE_READONLY);

    EXPECT_FALSE(action_apply_flags());
    EXPECT_EQ(last_journal().text, "flags not written: write failed (5)");
    EXPECT_EQ(last_journal().level, JournalLevel::Error);
    EXPECT_EQ(bytes_of(flag_file_path(inst)), original);
    EXPECT_EQ(folder_entries(flag_settings_folder(inst)),
              (std::vector<std::string>{"ClientAppSettings.json", "ClientAppSettings.json.larkspire.bak"}));
    SetFileAttributesW(to_utf16(flag_file_path(inst)).c_str(), FILE_ATTRIBUTE_NORMAL);
}

// Thousands of version folders are all listed, newest first, without a limit.
TEST_F(BadInput, ThousandsOfVersionFolders)
{
    std::string exe = standin_exe("noversion");
    std::string v = versions(local);
    make_dirs(v);
    for (int i = 0; i < 2000; i++) {
        std::string folder = v + "\\version-" + std::to_string(10000 + i);
        CreateDirectoryW(to_utf16(folder).c_str(), nullptr);
        std::wstring target = to_utf16(folder + "\\RobloxPlayerBeta.exe");
        if (!CreateHardLinkW(target.c_str(), to_utf16(exe).c_str(), nullptr))
            CopyFileW(to_utf16(exe).c_str(), target.c_str(), FALSE);
    }
    std::vector<Installation> list = detect_installations();
    ASSERT_EQ(list.size(), 2000u);
    EXPECT_EQ(list.front().folder_name, "version-11999");
    EXPECT_EQ(list.back().folder_name, "version-10000");
}
