// settings.ini: the lenient reader (with its limits) and the exact bytes of the writer.
#include <gtest/gtest.h>

#include "app/settings.h"

// A literal with embedded NULs, whole.
#define BYTES(lit) std::string(lit, sizeof(lit) - 1)

struct SettingsCase {
    std::string text;
    std::string install;
    int32_t fps;
    int32_t quality;
    bool flags;
    std::string args;
};

TEST(SettingsText, ReadTable)
{
    const SettingsCase cases[] = {
        { "",                                         "", 240, 10, true, "" },
        { "fps=1000",                                 "", 360, 10, true, "" },
        { "fps=1",                                    "", 30,  10, true, "" },
        { "quality=0\n",                              "", 240, 1,  true, "" },
        { "quality=abc\n",                            "", 240, 1,  true, "" },
        { "quality=11\n",                             "", 240, 10, true, "" },
        { "fps=75x\n",                                "", 75,  10, true, "" },
        { "args=-a=1\n",                              "", 240, 10, true, "-a=1" },
        { " fps=60\n",                                "", 240, 10, true, "" },
        { "fps =60\n",                                "", 240, 10, true, "" },
        { "fps= 60\n",                                "", 60,  10, true, "" },
        { "FPS=60\nQuality=2\n",                      "", 240, 10, true, "" },
        { "flags=0\n",                                "", 240, 10, false, "" },
        { "flags=2\n",                                "", 240, 10, true, "" },
        { "flags=x\n",                                "", 240, 10, false, "" },
        { "flags=-1\n",                               "", 240, 10, true, "" },
        { "fps=99999999999999\n",                     "", 360, 10, true, "" },
        { "fps=-99999999999999\nquality=-7\n",        "", 30,  1,  true, "" },
        { "fps=100\nfps=200\nfps=150\n",              "", 150, 10, true, "" },
        { "install=C:\\a=b\\x.exe\r\nfps=144\r\n",    "C:\\a=b\\x.exe", 144, 10, true, "" },
        { "args= -x  \t\n",                           "", 240, 10, true, " -x  \t" },
        { "args=x\r\r\r\n",                           "", 240, 10, true, "x" },
        { "install=\n",                               "", 240, 10, true, "" },
        { "=5\nfps\nquality\n5\n",                    "", 240, 10, true, "" },
        { "# Larkspire Launcher - last settings\n\n\nquality=4", "", 240, 4, true, "" },
        // A lone CR does not end a line: everything after the first '=' is the value.
        { "fps=60\rquality=5\rargs=z\r",              "", 60,  10, true, "" },
        { "args=60\rquality=5\r",                     "", 240, 10, true, "60\rquality=5" },
        // NUL is an ordinary byte: it ends a number but stays inside texts and keys.
        { BYTES("fps=99\0" "9\nargs=a\0b\n"),         "", 99,  10, true, BYTES("a\0b") },
        { BYTES("fp\0s=100\nquality\0=3\n"),          "", 240, 10, true, "" },
    };
    for (const SettingsCase& c : cases)
    {
        SCOPED_TRACE(testing::PrintToString(c.text));
        LaunchSettings s;
        parse_settings_text(c.text, s);
        EXPECT_EQ(s.install, c.install);
        EXPECT_EQ(s.fps, c.fps);
        EXPECT_EQ(s.quality, c.quality);
        EXPECT_EQ(s.flags, c.flags);
        EXPECT_EQ(s.args, c.args);
    }
}

TEST(SettingsText, LimitsApplyToValuesNotInTheFile)
{
    LaunchSettings s;
    s.fps = 5;
    s.quality = 50;
    s.install = "keep";
    parse_settings_text("args=x\n", s);
    EXPECT_EQ(s.fps, 30);
    EXPECT_EQ(s.quality, 10);
    EXPECT_EQ(s.install, "keep");
}

TEST(SettingsText, WriteExactBytes)
{
    LaunchSettings s;
    EXPECT_EQ(format_settings_text(s),
        "# Larkspire Launcher - last settings\r\ninstall=\r\nfps=240\r\nquality=10\r\nflags=1\r\nargs=\r\n");

    s.install = "C:\\Users\\a|b\\RobloxPlayerBeta.exe";
    s.fps = -7;
    s.quality = 3;
    s.flags = false;
    s.args = "-a\tb|c\r\nd";
    EXPECT_EQ(format_settings_text(s),
        "# Larkspire Launcher - last settings\r\n"
        "install=C:\\Users\\a|b\\RobloxPlayerBeta.exe\r\n"
        "fps=-7\r\nquality=3\r\nflags=0\r\n"
        "args=-a b c  d\r\n");
    EXPECT_EQ(s.args, "-a\tb|c\r\nd") << "the value in memory is not changed";
}

TEST(SettingsText, RoundTrip)
{
    LaunchSettings s;
    s.install = "D:\\Games\\Roblox\\Versions\\version-1\\RobloxPlayerBeta.exe";
    s.fps = 144;
    s.quality = 7;
    s.flags = false;
    s.args = "--x=1\t|y ";
    LaunchSettings r;
    parse_settings_text(format_settings_text(s), r);
    EXPECT_EQ(r.install, s.install);
    EXPECT_EQ(r.fps, 144);
    EXPECT_EQ(r.quality, 7);
    EXPECT_FALSE(r.flags);
    EXPECT_EQ(r.args, "--x=1  y ");
}
