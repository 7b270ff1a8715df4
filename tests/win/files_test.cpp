// Whole-file helpers, the data directory, settings.ini and journal.log on a real file system.
#include <regex>

#include "app/journal.h"
#include "app/settings.h"
#include "platform/platform.h"
#include "tests/win/test_support.h"

class Files : public WinTest {};

// [SECTION] read_file_text and write_file_text
TEST_F(Files, ReadAcceptsExactlyEightMebibytes)
{
    struct Case { size_t size; bool ok; };
    const Case cases[] = {{8388608, true}, {8388609, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size);
        std::string data(c.size, 'x');
        data[c.size - 1] = 'y';   // the last byte must arrive too
        std::string path = root + "\\big.bin";
        write_bytes(path, data);
        std::string out = "untouched";
        EXPECT_EQ(read_file_text(path, out), c.ok);
        EXPECT_TRUE(out == (c.ok ? data : std::string("untouched")));
    }
}

TEST_F(Files, WriteIntoMissingFolderReportsPathNotFound)
{
    std::string error = "before";
    EXPECT_FALSE(write_file_text(root + "\\missing\\file.txt", "abc", error));
    EXPECT_EQ(error, "write failed (3)");
    EXPECT_FALSE(path_exists(root + "\\missing"));
}

TEST_F(Files, WriteReplacesTheWholeFileAndLeavesNothingElse)
{
    std::string dir = root + "\\w";
    write_bytes(dir + "\\a.txt", "a longer old content");
    std::string error = "untouched";
    ASSERT_TRUE(write_file_text(dir + "\\a.txt", "new", error));
    EXPECT_EQ(bytes_of(dir + "\\a.txt"), "new");
    ASSERT_TRUE(write_file_text(dir + "\\a.txt", "", error));
    EXPECT_TRUE(path_exists(dir + "\\a.txt"));
    EXPECT_EQ(bytes_of(dir + "\\a.txt"), "");
    EXPECT_EQ(error, "untouched");
    EXPECT_EQ(folder_entries(dir), std::vector<std::string>{"a.txt"});
}

// Another program holding the file open without sharing: the system refuses, the old bytes stay.
TEST_F(Files, WriteOverFileHeldOpenFailsWithSharingViolation)
{
    std::string dir = root + "\\w";
    std::string path = dir + "\\held.txt";
    write_bytes(path, "old bytes");
    std::string error;
    {
        HeldOpen other(path, false);
        EXPECT_FALSE(write_file_text(path, "new bytes", error));
    }
    EXPECT_EQ(error, "write failed (32)");
    EXPECT_EQ(bytes_of(path), "old bytes");
    EXPECT_EQ(folder_entries(dir), std::vector<std::string>{"held.txt"});
}

// [SECTION] Data directory
TEST_F(Files, DataDirCreatesBothLevels)
{
    std::string base = root + "\\fresh";
    make_dirs(base);
    set_env("LOCALAPPDATA", base);
    EXPECT_EQ(data_dir(), base + "\\Larkspire\\Launcher");
    EXPECT_TRUE(is_directory(base + "\\Larkspire\\Launcher"));
}

TEST_F(Files, NoDataDirWithoutLocalAppData)
{
    for (bool empty : {false, true}) {
        SCOPED_TRACE(empty ? "empty" : "unset");
        if (empty) set_env_empty("LOCALAPPDATA");
        else set_env("LOCALAPPDATA", "");
        EXPECT_EQ(data_dir(), "");
    }
}

// [SECTION] settings.ini
TEST_F(Files, SettingsFileBytesAndRoundTrip)
{
    g_app.launch.install = "C:\\Spiele\\Bj\xc3\xb6rk\\version-1\\RobloxPlayerBeta.exe";
    g_app.launch.fps = 144;
    g_app.launch.quality = 7;
    g_app.launch.flags = false;
    g_app.launch.args = "-a\tb|c  d\r\ne";
    save_settings();
    EXPECT_EQ(bytes_of(data_file("settings.ini")),
              "# Larkspire Launcher - last settings\r\n"
              "install=C:\\Spiele\\Bj\xc3\xb6rk\\version-1\\RobloxPlayerBeta.exe\r\n"
              "fps=144\r\n"
              "quality=7\r\n"
              "flags=0\r\n"
              "args=-a b c  d  e\r\n");
    EXPECT_EQ(g_app.launch.args, "-a\tb|c  d\r\ne");   // the copy in memory keeps what the user typed

    LaunchSettings saved = g_app.launch;
    g_app.launch = LaunchSettings();
    load_settings();
    EXPECT_EQ(g_app.launch.install, saved.install);
    EXPECT_EQ(g_app.launch.fps, 144);
    EXPECT_EQ(g_app.launch.quality, 7);
    EXPECT_FALSE(g_app.launch.flags);
    EXPECT_EQ(g_app.launch.args, "-a b c  d  e");
}

// [SECTION] journal.log
TEST_F(Files, JournalLinesEndInCrLf)
{
    journal_add(JournalLevel::Info, "session open");
    notify("caf\xc3\xa9 | tab\there", JournalLevel::Error);
    std::string text = bytes_of(data_file("journal.log"));
    std::regex line("\\d\\d:\\d\\d:\\d\\d  session open\r\n\\d\\d:\\d\\d:\\d\\d  caf\xc3\xa9 \\| tab\there\r\n");
    EXPECT_TRUE(std::regex_match(text, line)) << text;
}

TEST_F(Files, JournalNotWrittenInDemoMode)
{
    g_app.demo_mode = true;
    journal_add(JournalLevel::Info, "demo line");
    notify("demo toast", JournalLevel::Success);
    EXPECT_EQ(journal_texts(), (std::vector<std::string>{"demo line", "demo toast"}));
    EXPECT_FALSE(path_exists(data_file("journal.log")));
}
