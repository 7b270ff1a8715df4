// set_json_int: the quoted key is always in the result, and an edit touches only the bytes it must.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "roblox/flag_edit.h"

static bool is_blank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
static bool ends_value(char c) { return c == ',' || c == '}' || c == ']' || is_blank(c); }
static void check(bool ok) { if (!ok) abort(); }

// The old value removed by a replacement: a quoted string (closed or running to the end) or a whole bare word.
static bool is_one_value(const std::string& v, const std::string& rest)
{
    if (v.empty())
        return false;
    if (v[0] == '"')
    {
        size_t close = v.find('"', 1);
        return close == std::string::npos ? rest.empty() : close == v.size() - 1;
    }
    return std::none_of(v.begin(), v.end(), ends_value) && (rest.empty() || ends_value(rest[0]));
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 5)
        return 0;
    int32_t value;
    std::memcpy(&value, data, 4);
    static const char* const keys[] = { kFpsKey, kQualityKey, "K", "" };
    std::string key = keys[data[4] & 3];
    std::string text((const char*)data + 5, size - 5);

    std::string quoted = "\"" + key + "\"";
    std::string number = std::to_string(value);
    std::string out = set_json_int(text, key, value);
    check(out.find(quoted) != std::string::npos);

    // Where a usable value follows the first quoted key, only that value may change.
    size_t n = text.size(), i = n;
    size_t q = text.find(quoted);
    size_t colon = q == std::string::npos ? q : text.find(':', q + quoted.size());
    if (colon != std::string::npos)
    {
        i = colon + 1;
        while (i < n && is_blank(text[i]))
            i++;
    }
    if (i < n && text[i] != ',' && text[i] != '}' && text[i] != ']')
    {
        check(out.size() >= i + number.size() && out.compare(0, i, text, 0, i) == 0);
        check(out.compare(i, number.size(), number) == 0);
        size_t tail = out.size() - i - number.size();
        check(tail < n - i && out.compare(i + number.size(), tail, text, n - tail, tail) == 0);
        check(is_one_value(text.substr(i, n - tail - i), text.substr(n - tail)));
        return 0;
    }

    // Otherwise the entry goes before the last '}' of the trimmed text, or the text becomes a fresh object.
    std::string trimmed = text;
    while (!trimmed.empty() && is_blank(trimmed.back()))
        trimmed.pop_back();
    size_t g = trimmed.empty() || trimmed[0] != '{' ? std::string::npos : trimmed.rfind('}');
    if (g == std::string::npos)
    {
        check(out == "{\n  " + quoted + ": " + number + "\n}\n");
        return 0;
    }
    std::string entry = quoted + ": " + number + "\n";
    size_t added = out.size() - trimmed.size();
    check(out.size() > trimmed.size() && out.compare(0, g, trimmed, 0, g) == 0 && out.compare(g + added, std::string::npos, trimmed, g) == 0);
    std::string inserted = out.substr(g, added);
    bool has_entries = trimmed.find('"', 1) < g;
    check(inserted == (has_entries ? ",\n  " : "\n  ") + entry);
    return 0;
}
