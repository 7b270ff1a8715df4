// Flag file edits: exact bytes out for each shape of text in.
#include <gtest/gtest.h>

#include "roblox/flag_edit.h"

#define FPS "\"DFIntTaskSchedulerTargetFps\""
#define QUALITY "\"DFIntDebugFRMQualityLevelOverride\""

// The file written for a missing flag file, and for a zero-byte one.
TEST(SetJsonInt, FreshFileLayouts)
{
    EXPECT_EQ(set_json_int("", kFpsKey, 240), "{\n  " FPS ": 240\n}\n");
    EXPECT_EQ(set_json_int("{}", kFpsKey, 240), "{\n  " FPS ": 240\n}");
    const char* five_lines = "{\n  " FPS ": 240\n,\n  " QUALITY ": 10\n}";
    EXPECT_EQ(set_json_int(set_json_int("{}", kFpsKey, 240), kQualityKey, 10), five_lines);
    EXPECT_EQ(set_json_int(set_json_int("", kFpsKey, 240), kQualityKey, 10), five_lines);
    // A later apply finds both keys and only the numbers change.
    EXPECT_EQ(set_json_int(set_json_int(five_lines, kFpsKey, 60), kQualityKey, -3),
        "{\n  " FPS ": 60\n,\n  " QUALITY ": -3\n}");
}

TEST(SetJsonInt, Table)
{
    const struct { const char* text; int32_t value; const char* expected; } cases[] = {
        // Step A: the value after the first quoted key is replaced, everything else kept.
        { "{\n  \"K\": 144,\n  \"Q\": 5\n}\n",        60, "{\n  \"K\": 60,\n  \"Q\": 5\n}\n" },
        { "{\r\n  \"K\": 144\r\n}\r\n",               60, "{\r\n  \"K\": 60\r\n}\r\n" },
        { "{\"a\":{\"K\":1},\"K\":2}",                9,  "{\"a\":{\"K\":9},\"K\":2}" },
        { "{\n  // \"K\": old value\n  \"K\": 60\n}", 7,  "{\n  // \"K\": 7 value\n  \"K\": 60\n}" },
        { "{\"K\": \"1,2\", \"x\": 1}",               7,  "{\"K\": 7, \"x\": 1}" },
        { "{\"K\": \"a\\\"b\"}",                      7,  "{\"K\": 7b\"}" },
        { "{\"K\": \"open",                           7,  "{\"K\": 7" },
        { "{\"K\": 60.5}",                            7,  "{\"K\": 7}" },
        { "{\"K\":true}",                             7,  "{\"K\":7}" },
        { "{\"K\": null }",                           7,  "{\"K\": 7 }" },
        { "{\"K\":\n\t  144}",                        7,  "{\"K\":\n\t  7}" },
        { "{\"K\": [1]}",                             7,  "{\"K\": 7]}" },
        { "{\"K\" x : 5}",                            7,  "{\"K\" x : 7}" },
        { "{\"K\", \"y\": 3}",                        7,  "{\"K\", \"y\": 7}" },
        { "{\"K\": 1}",                               -2147483647 - 1, "{\"K\": -2147483648}" },
        { "{\"K\": 1}",                               2147483647, "{\"K\": 2147483647}" },
        { "{\"K\": 1}  \n",                           0,  "{\"K\": 0}  \n" },
        // Step B: no usable value, so the entry goes before the last closing brace.
        { "{\"K\": , \"x\": 1}",                      7,  "{\"K\": , \"x\": 1,\n  \"K\": 7\n}" },
        { "{\"K\":}",                                 7,  "{\"K\":,\n  \"K\": 7\n}" },
        { "{\"K\": ]}",                               7,  "{\"K\": ],\n  \"K\": 7\n}" },
        { "{}\"K\"",                                  7,  "{\n  \"K\": 7\n}\"K\"" },
        { "{\"k\": 1}",                               7,  "{\"k\": 1,\n  \"K\": 7\n}" },
        { "{\n  \"Other\": 1\n}\n",                   60, "{\n  \"Other\": 1\n,\n  \"K\": 60\n}" },
        { "{\r\n  \"Other\": true\r\n}\r\n",          60, "{\r\n  \"Other\": true\r\n,\n  \"K\": 60\n}" },
        { "{\"a\": {\"b\": 1}}\n",                    7,  "{\"a\": {\"b\": 1},\n  \"K\": 7\n}" },
        { "{ } x",                                    7,  "{ \n  \"K\": 7\n} x" },
        { "{}\n\n \t",                                -5, "{\n  \"K\": -5\n}" },
        // Fresh object: empty, not starting with '{', or without '}'.
        { " \r\n\t",                                  7,  "{\n  \"K\": 7\n}\n" },
        { " {}",                                      7,  "{\n  \"K\": 7\n}\n" },
        { "\xEF\xBB\xBF{\"x\": 1}",                   7,  "{\n  \"K\": 7\n}\n" },
        { "{\"x\": 1",                                7,  "{\n  \"K\": 7\n}\n" },
        { "{\"K\"  ",                                 7,  "{\n  \"K\": 7\n}\n" },
        { "{\"K\": \n",                               7,  "{\n  \"K\": 7\n}\n" },
        { "[1, 2]",                                   7,  "{\n  \"K\": 7\n}\n" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(set_json_int(c.text, "K", c.value), c.expected) << "text: " << testing::PrintToString(std::string(c.text));
}

TEST(SetJsonInt, EmbeddedNulIsAnOrdinaryByte)
{
    const char in[] = "{\"x\": \"\0\", \"K\": 1}";
    const char out[] = "{\"x\": \"\0\", \"K\": 5}";
    EXPECT_EQ(set_json_int(std::string(in, sizeof(in) - 1), "K", 5), std::string(out, sizeof(out) - 1));
}

TEST(FlagKeysPresent, Table)
{
    const struct { const char* text; bool present; } cases[] = {
        { "{\n  " FPS ": 240\n,\n  " QUALITY ": 10\n}", true },
        { "DFIntTaskSchedulerTargetFpsDFIntDebugFRMQualityLevelOverride", true },
        { "{\"DFIntTaskSchedulerTargetFps\": 240}", false },
        { "{\"DFIntDebugFRMQualityLevelOverride\": 10}", false },
        { "dfinttaskschedulertargetfps dfintdebugfrmqualityleveloverride", false },
        { "", false },
    };
    for (const auto& c : cases)
        EXPECT_EQ(flag_keys_present(c.text), c.present) << c.text;
}
