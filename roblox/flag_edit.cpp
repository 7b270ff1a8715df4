// Flag file edits as byte splices: the player's JSON is kept byte for byte outside the one value touched.
#include "roblox/flag_edit.h"

const char* const kFpsKey = "DFIntTaskSchedulerTargetFps";
const char* const kQualityKey = "DFIntDebugFRMQualityLevelOverride";

// The six JSON/C white space bytes; nothing locale-dependent.
static bool is_blank(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Step A: overwrite the value after the first quoted key. False leaves the text untouched.
static bool replace_existing_value(std::string& text, const std::string& quoted, const std::string& number)
{
    size_t n = text.size();
    size_t found = text.find(quoted);
    if (found == std::string::npos)
        return false;
    size_t colon = text.find(':', found + quoted.size());
    if (colon == std::string::npos)
        return false;
    size_t i = colon + 1;
    while (i < n && is_blank(text[i]))
        i++;
    if (i >= n)
        return false;

    size_t j = i;
    if (text[i] == '"')
    {
        // A string value ends after the next quote; backslashes are not escapes here.
        size_t close = text.find('"', i + 1);
        j = (close == std::string::npos) ? n : close + 1;
    }
    else
    {
        while (j < n && text[j] != ',' && text[j] != '}' && text[j] != ']' && !is_blank(text[j]))
            j++;
    }
    if (j == i)
        return false;   // "key": followed at once by , } or ]: no value to overwrite
    text.replace(i, j - i, number);
    return true;
}

// Step B: add the entry before the last closing brace, or start a fresh object.
static std::string insert_entry(std::string text, const std::string& quoted, const std::string& number)
{
    while (!text.empty() && is_blank(text.back()))
        text.pop_back();
    size_t g = text.empty() || text[0] != '{' ? std::string::npos : text.rfind('}');
    if (g == std::string::npos)
        return "{\n  " + quoted + ": " + number + "\n}\n";
    // A quote between the braces means entries already exist: separate with a comma.
    bool has_entries = text.find('"', 1) < g;
    text.insert(g, (has_entries ? ",\n  " : "\n  ") + quoted + ": " + number + "\n");
    return text;
}

std::string set_json_int(std::string text, const std::string& key, int32_t value)
{
    std::string quoted = "\"" + key + "\"";
    std::string number = std::to_string(value);
    if (replace_existing_value(text, quoted, number))
        return text;
    return insert_entry(std::move(text), quoted, number);
}

bool flag_keys_present(const std::string& text)
{
    return text.find(kFpsKey) != std::string::npos && text.find(kQualityKey) != std::string::npos;
}
