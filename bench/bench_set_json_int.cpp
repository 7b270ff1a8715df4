// set_json_int on a large and a small flag file, against one plain scan of the same text.
// Prints the time per call and the ratio; the edit makes a few linear passes, so it should stay
// within a small factor of the scan.
#include <chrono>
#include <cstdio>
#include <string>

#include "roblox/flag_edit.h"

// A flag file of about target bytes: many string and integer flags, the two keys near the end.
static std::string make_flag_file(size_t target, bool with_keys)
{
    std::string text = "{\n";
    for (int i = 0; text.size() < target; i++)
    {
        char line[96];
        snprintf(line, sizeof(line), i % 2 ? "  \"FFlagDebugSetting%07d\": \"True\",\n" : "  \"DFIntSomeLimit%07d\": %d,\n", i, i * 7);
        text += line;
    }
    if (with_keys)
        text += std::string("  \"") + kFpsKey + "\": 144,\n  \"" + kQualityKey + "\": 5\n";
    else
        text += "  \"FFlagLast\": \"False\"\n";
    text += "}\n";
    return text;
}

template <typename F> static double ns_per_call(int reps, F&& f)
{
    auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < reps; i++)
        f(i);
    auto t1 = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::nano>(t1 - t0).count() / reps;
}

static size_t g_sink = 0;

static void measure(const char* label, const std::string& text, int reps)
{
    // The plain scan: std::string::find of a quoted name that is not in the text.
    double scan = ns_per_call(reps, [&](int) { g_sink += text.find("\"DFIntNotInThisFile\""); });
    // As the apply uses it: a copy of the text goes in, the edited text comes out.
    double edit = ns_per_call(reps, [&](int i) { g_sink += set_json_int(text, kFpsKey, 60 + (i & 7)).size(); });
    printf("%-34s %9zu bytes  set_json_int %11.0f ns  scan %11.0f ns  ratio %5.2f\n", label, text.size(), edit, scan, edit / scan);
}

int main()
{
    const size_t big = 8u << 20, small = 2048;
    measure("8 MiB, keys present (replace)", make_flag_file(big - 200, true), 40);
    measure("8 MiB, keys absent (insert)", make_flag_file(big - 200, false), 40);
    measure("2 KB, keys present (replace)", make_flag_file(small - 200, true), 200000);
    measure("2 KB, keys absent (insert)", make_flag_file(small - 200, false), 200000);
    return g_sink == 42 ? 1 : 0;
}
