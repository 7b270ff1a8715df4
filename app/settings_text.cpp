// settings.ini as text: the lenient reader and the six-line writer.
#include "app/settings.h"

#include "app/command_line.h"

#include <cstring>

static int32_t clamp_int(int32_t v, int32_t lo, int32_t hi)
{
    return v < lo ? lo : v > hi ? hi : v;
}

static void apply_setting(const std::string& key, const std::string& value, LaunchSettings& launch)
{
    if (key == "install")      launch.install = value;
    else if (key == "fps")     launch.fps = parse_int_saturating(value);
    else if (key == "quality") launch.quality = parse_int_saturating(value);
    else if (key == "flags")   launch.flags = parse_int_saturating(value) != 0;
    else if (key == "args")    launch.args = value;
}

void parse_settings_text(const std::string& text, LaunchSettings& launch)
{
    size_t start = 0;
    while (start < text.size())
    {
        size_t lf = text.find('\n', start);
        size_t next = (lf == std::string::npos) ? text.size() : lf + 1;
        size_t end = (lf == std::string::npos) ? text.size() : lf;
        // CR LF and LF files read the same; a run of CRs goes too.
        while (end > start && (text[end - 1] == '\r' || text[end - 1] == '\n'))
            end--;
        // Look for '=' inside the line only: a long file of '='-less lines stays linear.
        const char* eq = (const char*)std::memchr(text.data() + start, '=', end - start);
        if (eq)
        {
            size_t cut = (size_t)(eq - text.data());
            apply_setting(text.substr(start, cut - start), text.substr(cut + 1, end - cut - 1), launch);
        }
        start = next;
    }
    launch.fps = clamp_int(launch.fps, 30, 360);
    launch.quality = clamp_int(launch.quality, 1, 10);
}

// One line holds one value: the separators a reader could trip on become spaces.
static std::string flatten_field(std::string s)
{
    for (char& c : s)
        if (c == '\t' || c == '\n' || c == '\r' || c == '|')
            c = ' ';
    return s;
}

std::string format_settings_text(const LaunchSettings& launch)
{
    // Written in binary by the atomic writer, so the Windows CR LF line ends are ours to add.
    std::string out = "# Larkspire Launcher - last settings\r\n";
    out += "install=" + launch.install + "\r\n";
    out += "fps=" + std::to_string(launch.fps) + "\r\n";
    out += "quality=" + std::to_string(launch.quality) + "\r\n";
    out += "flags=" + std::string(launch.flags ? "1" : "0") + "\r\n";
    out += "args=" + flatten_field(launch.args) + "\r\n";
    return out;
}
