// settings.ini reader: limits always hold, and what was read survives a write and a second read.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/settings.h"

static std::string flatten(std::string s)
{
    for (char& c : s)
        if (c == '\t' || c == '\n' || c == '\r' || c == '|')
            c = ' ';
    return s;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string text((const char*)data, size);
    LaunchSettings s;
    parse_settings_text(text, s);
    if (s.fps < 30 || s.fps > 360 || s.quality < 1 || s.quality > 10)
        abort();

    // Any args text (here the whole input) comes back with its separators as spaces.
    s.args = text;
    LaunchSettings back;
    parse_settings_text(format_settings_text(s), back);
    if (back.install != s.install || back.fps != s.fps || back.quality != s.quality || back.flags != s.flags)
        abort();
    if (back.args != flatten(s.args))
        abort();
    return 0;
}
