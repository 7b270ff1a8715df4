// Command line options and the saturating decimal reader shared with settings.ini.
#include "app/command_line.h"

#include <cstring>

static bool starts_with(const std::string& s, const char* prefix)
{
    return s.compare(0, std::strlen(prefix), prefix) == 0;
}

int32_t parse_int_saturating(const std::string& text)
{
    const char* p = text.c_str();
    const char* end = p + text.size();
    while (p < end && (*p == ' ' || (*p >= '\t' && *p <= '\r')))
        p++;
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-'))
        negative = (*p++ == '-');
    // Accumulate in 64 bits and stop growing once past the 32-bit range: long digit runs stay cheap.
    int64_t v = 0;
    for (; p < end && *p >= '0' && *p <= '9'; p++)
        if (v <= INT32_MAX)
            v = v * 10 + (*p - '0');
    if (negative)
        v = -v;
    if (v > INT32_MAX) return INT32_MAX;
    if (v < INT32_MIN) return INT32_MIN;
    return (int32_t)v;
}

CommandLine parse_command_line(const std::vector<std::string>& args)
{
    CommandLine cl;
    for (const std::string& arg : args)
    {
        if (arg == "--demo")
            cl.demo = true;
        else if (starts_with(arg, "--page="))
            cl.page = parse_int_saturating(arg.substr(7));
        else if (starts_with(arg, "--shot="))
            cl.shot = arg.substr(7);
    }
    return cl;
}
