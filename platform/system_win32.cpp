// Process start-up, environment, clocks and the screen.
#include <windows.h>
#include <shellapi.h>
#include <objbase.h>
#include <cstdio>

#include "platform/platform.h"

bool env_get(const char* name, std::string& out)
{
    std::wstring wname = to_utf16(name);
    DWORD n = GetEnvironmentVariableW(wname.c_str(), nullptr, 0);
    if (n == 0) {
        if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) return false;
        out.clear();   // set but empty
        return true;
    }
    std::wstring value(n, L'\0');
    DWORD got = GetEnvironmentVariableW(wname.c_str(), &value[0], n);
    value.resize(got < n ? got : 0);
    out = to_utf8(value);
    return true;
}

uint64_t tick_ms() { return GetTickCount64(); }

void sleep_ms(uint32_t ms) { Sleep(ms); }

std::string local_time_text()
{
    SYSTEMTIME t;
    GetLocalTime(&t);
    char buf[16];
    snprintf(buf, sizeof(buf), "%02d:%02d:%02d", t.wHour, t.wMinute, t.wSecond);
    return buf;
}

void request_dpi_awareness()
{
    typedef BOOL(WINAPI * SetContextFn)(HANDLE);
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    if (!user32) return;
    SetContextFn fn = (SetContextFn)(void*)GetProcAddress(user32, "SetProcessDpiAwarenessContext");
    if (fn) fn((HANDLE)(intptr_t)-4);   // per-monitor aware v2
}

void com_initialize() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
void com_uninitialize() { CoUninitialize(); }

std::vector<std::string> command_line_args()
{
    std::vector<std::string> args;
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!argv) return args;
    for (int i = 1; i < count; i++)
        args.push_back(to_utf8(argv[i]));
    LocalFree(argv);
    return args;
}

float screen_ui_scale()
{
    HDC dc = GetDC(nullptr);
    if (!dc) return 1.0f;
    int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(nullptr, dc);
    return dpi > 0 ? (float)dpi / 96.0f : 1.0f;
}

void move_cursor_to(int x, int y) { SetCursorPos(x, y); }

void* module_instance() { return GetModuleHandleW(nullptr); }
