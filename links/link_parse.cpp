// The one grammar for pasted links: bare ids, place pages, roblox:// addresses and query keys.
#include "links/link_parse.h"

const char* const kWebDomain = "roblox.com";
const char* const kWebOrigin = "https://www.roblox.com";

static bool is_blank(char c)     { return c == ' ' || (c >= '\t' && c <= '\r'); }
static bool is_digit(char c)     { return c >= '0' && c <= '9'; }
static bool is_code_char(char c) { return is_digit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-' || c == '_'; }

std::string trim_spaces(const std::string& text)
{
    size_t b = 0, e = text.size();
    while (b < e && is_blank(text[b]))
        b++;
    while (e > b && is_blank(text[e - 1]))
        e--;
    return text.substr(b, e - b);
}

// The longest run of accepted bytes of t starting at pos.
static std::string run_at(const std::string& t, size_t pos, bool (*accept)(char))
{
    size_t e = pos;
    while (e < t.size() && accept(t[e]))
        e++;
    return t.substr(pos, e - pos);
}

// Keys match case-insensitively in lower; only each key's first occurrence counts; values come from t.
static std::string first_keyed_run(const std::string& t, const std::string& lower, const char* const* keys, int count, bool (*accept)(char))
{
    for (int i = 0; i < count; i++)
    {
        std::string key = keys[i];
        size_t pos = lower.find(key);
        if (pos == std::string::npos)
            continue;
        std::string run = run_at(t, pos + key.size(), accept);
        if (!run.empty())
            return run;
    }
    return std::string();
}

bool parse_link(const std::string& text, SavedLink& link)
{
    std::string t = trim_spaces(text);
    if (t.empty())
        return false;
    std::string lower = t;
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = (char)(c - 'A' + 'a');

    std::string place, code;
    bool bare_id = true;
    for (char c : t)
        bare_id &= is_digit(c);
    if (bare_id)
    {
        place = t;
    }
    else
    {
        std::string marker = std::string(kWebDomain) + "/games/";
        size_t pos = lower.find(marker);
        if (pos != std::string::npos)
            place = run_at(t, pos + marker.size(), is_digit);
        static const char* const place_keys[] = { "placeid=", "place=" };
        static const char* const code_keys[] = { "privateserverlinkcode=", "linkcode=", "gameinstanceid=" };
        if (place.empty())
            place = first_keyed_run(t, lower, place_keys, 2, is_digit);
        code = first_keyed_run(t, lower, code_keys, 3, is_code_char);
    }
    if (place.empty())
        return false;

    link.place_id = place;
    link.private_code = code;
    if (link.name.empty())
        link.name = (code.empty() ? "Place " : "Private server ") + place;
    return true;
}
