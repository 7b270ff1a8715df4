// Command line options and the saturating number reader behind "--page=" and settings.ini.
#include <gtest/gtest.h>

#include "app/command_line.h"

struct CommandLineCase {
    std::vector<std::string> args;
    bool demo;
    int32_t page;
    const char* shot;
};

TEST(CommandLine, Table)
{
    const CommandLineCase cases[] = {
        { {},                                 false, -1, "" },
        { {"--demo"},                         true,  -1, "" },
        { {"--DEMO"},                         false, -1, "" },
        { {"--demo=1", "-demo", "--demo "},   false, -1, "" },
        { {"--page=4"},                       false, 4,  "" },
        { {"--page=6"},                       false, 6,  "" },
        { {"--page=-1"},                      false, -1, "" },
        { {"--page=2x"},                      false, 2,  "" },
        { {"--page="},                        false, 0,  "" },
        { {"--page=x2"},                      false, 0,  "" },
        { {"--page= +3"},                     false, 3,  "" },
        { {"--page=1", "--page=5"},           false, 5,  "" },
        { {"--PAGE=3", "--page"},             false, -1, "" },
        { {"--page=99999999999"},             false, INT32_MAX, "" },
        { {"--shot=out.bmp"},                 false, -1, "out.bmp" },
        { {"--shot=a.bmp", "--shot="},        false, -1, "" },
        { {"--shot=C:\\x y\\=.bmp"},          false, -1, "C:\\x y\\=.bmp" },
        { {"--demo", "--page=3", "--shot=s"}, true,  3,  "s" },
        { {"--page=3", "--demo", "extra"},    true,  3,  "" },
    };
    for (const CommandLineCase& c : cases)
    {
        std::string label;
        for (const std::string& a : c.args)
            label += "[" + a + "]";
        SCOPED_TRACE(label);
        CommandLine cl = parse_command_line(c.args);
        EXPECT_EQ(cl.demo, c.demo);
        EXPECT_EQ(cl.page, c.page);
        EXPECT_EQ(cl.shot, c.shot);
    }
}

TEST(ParseIntSaturating, Table)
{
    const struct { const char* text; int32_t value; } cases[] = {
        { "", 0 }, { "abc", 0 }, { "-", 0 }, { "+", 0 }, { "- 5", 0 },
        { "75x", 75 }, { " \t\r\n\v\f60", 60 }, { "+12", 12 }, { "-12", -12 }, { "007", 7 },
        { "2147483647", INT32_MAX }, { "2147483648", INT32_MAX }, { "99999999999999999999999", INT32_MAX },
        { "-2147483648", INT32_MIN }, { "-2147483649", INT32_MIN }, { "-99999999999999999999999", INT32_MIN },
        { "1 2", 1 }, { "3.9", 3 },
    };
    for (const auto& c : cases)
        EXPECT_EQ(parse_int_saturating(c.text), c.value) << "text: [" << c.text << "]";
    EXPECT_EQ(parse_int_saturating(std::string("4\0" "2", 3)), 4);
}
