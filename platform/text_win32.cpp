// UTF-8 <-> UTF-16 through the system's conversion (flags 0: invalid sequences become U+FFFD).
#include <windows.h>

#include "platform/platform.h"

std::string to_utf8(const std::wstring& text)
{
    if (text.empty() || text.size() > 0x7fffffff) return std::string();
    int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), (int)text.size(), nullptr, 0, nullptr, nullptr);
    if (n <= 0) return std::string();
    std::string out((size_t)n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), (int)text.size(), &out[0], n, nullptr, nullptr);
    return out;
}

std::wstring to_utf16(const std::string& text)
{
    if (text.empty() || text.size() > 0x7fffffff) return std::wstring();
    int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), (int)text.size(), nullptr, 0);
    if (n <= 0) return std::wstring();
    std::wstring out((size_t)n, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), (int)text.size(), &out[0], n);
    return out;
}
