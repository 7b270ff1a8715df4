// Path joining, ASCII case-insensitive compare and the newest-first order of installations.
#include "roblox/installations.h"

#include <algorithm>

const char* const kPlayerExeName = "RobloxPlayerBeta.exe";

std::string path_join(const std::string& base, const std::string& name)
{
    if (base.empty())
        return name;
    if (base.back() == '\\' || base.back() == '/')
        return base + name;
    return base + '\\' + name;
}

static char ascii_lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? (char)(c - 'A' + 'a') : c;
}

bool equal_ignoring_ascii_case(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); i++)
        if (ascii_lower(a[i]) != ascii_lower(b[i]))
            return false;
    return true;
}

void parse_version_numbers(const std::string& version, int32_t out[4])
{
    // Unsigned arithmetic: the wrap-around beyond 32 bits is defined, then read back as signed.
    uint32_t n[4] = {};
    int k = 0;
    for (char c : version)
    {
        if (c >= '0' && c <= '9')
            n[k] = n[k] * 10u + (uint32_t)(c - '0');
        else if (c == '.' && k < 3)
            k++;
        else
            break;   // a fourth '.' or any other byte ends the version
    }
    for (int i = 0; i < 4; i++)
        out[i] = (int32_t)n[i];
}

bool installation_newer(const Installation& a, const Installation& b)
{
    int32_t va[4], vb[4];
    parse_version_numbers(a.version, va);
    parse_version_numbers(b.version, vb);
    for (int i = 0; i < 4; i++)
        if (va[i] != vb[i])
            return va[i] > vb[i];
    // std::string compares bytes as unsigned, a proper prefix being the smaller.
    return a.folder_name > b.folder_name;
}

void sort_installations(std::vector<Installation>& list)
{
    std::sort(list.begin(), list.end(), installation_newer);
}
