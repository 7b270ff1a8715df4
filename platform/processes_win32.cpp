// Processes and the top-level windows of other programs.
#include <windows.h>
#include <psapi.h>
#include <tlhelp32.h>

#include "platform/platform.h"

// [SECTION] Processes
bool list_processes(std::vector<ProcessEntry>& out)
{
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snap == INVALID_HANDLE_VALUE) return false;
    PROCESSENTRY32W pe;
    pe.dwSize = sizeof(pe);
    if (Process32FirstW(snap, &pe)) {
        do {
            ProcessEntry e;
            e.pid = pe.th32ProcessID;
            e.exe_name = to_utf8(pe.szExeFile);
            out.push_back(e);
        } while (Process32NextW(snap, &pe));
    }
    CloseHandle(snap);
    return true;
}

static bool image_path_of(HANDLE h, std::wstring& out)
{
    wchar_t buf[MAX_PATH];
    DWORD len = MAX_PATH;
    if (!QueryFullProcessImageNameW(h, 0, buf, &len)) return false;
    out.assign(buf, len);
    return true;
}

bool process_working_set(uint32_t pid, uint64_t& out)
{
    HANDLE h = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (!h) return false;
    PROCESS_MEMORY_COUNTERS pmc;
    pmc.cb = sizeof(pmc);
    bool ok = K32GetProcessMemoryInfo(h, &pmc, sizeof(pmc)) != 0;
    CloseHandle(h);
    if (ok) out = pmc.WorkingSetSize;
    return ok;
}

static bool creation_time_of(HANDLE h, uint64_t& out)
{
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(h, &created, &exited, &kernel, &user)) return false;
    out = ((uint64_t)created.dwHighDateTime << 32) | created.dwLowDateTime;
    return true;
}

bool process_image_path(uint32_t pid, std::string& path, uint64_t& creation_time)
{
    creation_time = 0;
    HANDLE h = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (!h) return false;
    std::wstring wide;
    bool ok = image_path_of(h, wide);
    if (!creation_time_of(h, creation_time)) creation_time = 0;
    CloseHandle(h);
    if (ok) path = to_utf8(wide);
    return ok;
}

static bool same_ascii_nocase(const std::wstring& a, const std::string& b)
{
    std::string a8 = to_utf8(a);
    if (a8.size() != b.size()) return false;
    for (size_t i = 0; i < a8.size(); i++) {
        unsigned char x = (unsigned char)a8[i], y = (unsigned char)b[i];
        if (x >= 'A' && x <= 'Z') x = (unsigned char)(x + 32);
        if (y >= 'A' && y <= 'Z') y = (unsigned char)(y + 32);
        if (x != y) return false;
    }
    return true;
}

// A pid from the last scan may since have been given to another program: every check is made on
// the one handle that is then terminated, so nothing can change between check and termination.
bool terminate_process_checked(uint32_t pid, const std::string& expected_name, uint64_t expected_creation, uint32_t wait_ms)
{
    HANDLE h = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
    if (!h) return false;
    bool ok = true;
    std::wstring path;
    if (!image_path_of(h, path)) ok = false;
    if (ok) {
        size_t slash = path.find_last_of(L"\\/");
        std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
        ok = same_ascii_nocase(name, expected_name);
    }
    uint64_t created = 0;
    if (ok && expected_creation != 0) ok = creation_time_of(h, created) && created == expected_creation;
    // An ended process still terminates "successfully" on some systems; it must count as denied.
    DWORD code = 0;
    if (ok) ok = GetExitCodeProcess(h, &code) && code == STILL_ACTIVE && WaitForSingleObject(h, 0) == WAIT_TIMEOUT;
    if (ok) ok = TerminateProcess(h, 0) != 0;
    if (ok) WaitForSingleObject(h, wait_ms);
    CloseHandle(h);
    return ok;
}

// [SECTION] Windows of other processes
struct WindowQuery {
    const std::vector<uint32_t>* pids;
    std::vector<TopWindow> found;
};

// Every other query goes through the system's window server, so only the wanted processes' windows
// are examined further: a desktop has hundreds of top-level windows, a scan wants a handful.
static BOOL CALLBACK collect_window(HWND hwnd, LPARAM param)
{
    WindowQuery* q = (WindowQuery*)param;
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    bool wanted = false;
    for (uint32_t p : *q->pids) wanted |= (p == pid);
    if (!wanted) return TRUE;
    TopWindow w;
    w.handle = (uintptr_t)hwnd;
    w.pid = pid;
    w.visible = IsWindowVisible(hwnd) != 0;
    w.owned = GetWindow(hwnd, GW_OWNER) != nullptr;
    w.title_length = GetWindowTextLengthW(hwnd);
    q->found.push_back(w);
    return TRUE;
}

std::vector<TopWindow> list_top_level_windows(const std::vector<uint32_t>& pids)
{
    WindowQuery q = {&pids, {}};
    if (!pids.empty()) EnumWindows(collect_window, (LPARAM)&q);
    return q.found;
}

void restore_and_raise_window(uintptr_t handle)
{
    HWND hwnd = (HWND)handle;
    if (IsIconic(hwnd)) ShowWindow(hwnd, SW_RESTORE);
    SetForegroundWindow(hwnd);
}
