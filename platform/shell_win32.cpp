// The shell's "open" service and the clipboard.
#include <windows.h>
#include <shellapi.h>
#include <cwchar>

#include "platform/platform.h"

int64_t shell_open(const std::string& file, const std::string& params, const std::string& dir)
{
    std::wstring wfile = to_utf16(file), wparams = to_utf16(params), wdir = to_utf16(dir);
    HINSTANCE r = ShellExecuteW(nullptr, L"open", wfile.c_str(), params.empty() ? nullptr : wparams.c_str(),
                                dir.empty() ? nullptr : wdir.c_str(), SW_SHOWNORMAL);
    return (int64_t)(intptr_t)r;
}

bool read_clipboard_text(std::string& out)
{
    if (!OpenClipboard(nullptr)) return false;
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (!data) { CloseClipboard(); return false; }
    const wchar_t* text = (const wchar_t*)GlobalLock(data);
    if (!text) { CloseClipboard(); return false; }
    // Bounded by the block size: a text without its terminating NUL must not be read past its end.
    size_t units = GlobalSize(data) / sizeof(wchar_t);
    out = to_utf8(std::wstring(text, wcsnlen(text, units)));
    GlobalUnlock(data);
    CloseClipboard();
    return !out.empty();
}
