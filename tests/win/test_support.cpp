#include "tests/win/test_support.h"

#include <windows.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdlib>

#include "app/journal.h"
#include "platform/platform.h"

// [SECTION] Files
static std::wstring wide(const std::string& s) { return to_utf16(s); }

bool read_bytes(const std::string& path, std::string& out)
{
    HANDLE h = CreateFileW(wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size;
    GetFileSizeEx(h, &size);
    out.assign((size_t)size.QuadPart, '\0');
    DWORD got = 0;
    bool ok = size.QuadPart == 0 || (ReadFile(h, &out[0], (DWORD)size.QuadPart, &got, nullptr) && got == (DWORD)size.QuadPart);
    CloseHandle(h);
    return ok;
}

std::string bytes_of(const std::string& path)
{
    std::string out;
    read_bytes(path, out);
    return out;
}

static std::string parent_of(const std::string& path)
{
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

void make_dirs(const std::string& path)
{
    if (path.empty() || is_directory(path)) return;
    make_dirs(parent_of(path));
    CreateDirectoryW(wide(path).c_str(), nullptr);
}

void write_bytes(const std::string& path, const std::string& data)
{
    make_dirs(parent_of(path));
    HANDLE h = CreateFileW(wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE) << "cannot create " << path;
    DWORD wrote = 0;
    BOOL ok = data.empty() || WriteFile(h, data.data(), (DWORD)data.size(), &wrote, nullptr);
    CloseHandle(h);
    ASSERT_TRUE(ok && wrote == data.size()) << "cannot write " << path;
}

bool path_exists(const std::string& path) { return GetFileAttributesW(wide(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

bool is_directory(const std::string& path)
{
    DWORD a = GetFileAttributesW(wide(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::string> folder_entries(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW(wide(folder + "\\*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return names;
    do {
        std::string name = to_utf8(fd.cFileName);
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileW(h, &fd));
    FindClose(h);
    std::sort(names.begin(), names.end());
    return names;
}

void copy_file_to(const std::string& from, const std::string& to)
{
    make_dirs(parent_of(to));
    ASSERT_TRUE(CopyFileW(wide(from).c_str(), wide(to).c_str(), FALSE)) << from << " -> " << to << " (" << GetLastError() << ")";
}

static bool remove_tree_once(const std::string& path)
{
    DWORD a = GetFileAttributesW(wide(path).c_str());
    if (a == INVALID_FILE_ATTRIBUTES) return true;
    if (!(a & FILE_ATTRIBUTE_DIRECTORY)) {
        SetFileAttributesW(wide(path).c_str(), FILE_ATTRIBUTE_NORMAL);
        return DeleteFileW(wide(path).c_str()) != 0;
    }
    bool ok = true;
    for (const std::string& name : folder_entries(path))
        ok = remove_tree_once(path + "\\" + name) && ok;
    return RemoveDirectoryW(wide(path).c_str()) != 0 && ok;
}

// A process that was just terminated may still hold its exe for a moment.
void remove_tree(const std::string& path)
{
    wait_until([&] { return remove_tree_once(path); }, 5000);
}

// [SECTION] The stand-in
std::string standin_exe(const std::string& variant)
{
    std::string dir = LARK_FIXTURE_DIR;
    if (!dir.empty() && dir[0] == '/') {   // a Linux path seen through Wine's drive for "/"
        std::replace(dir.begin(), dir.end(), '/', '\\');
        dir = "Z:" + dir;
    }
    return dir + "\\player_standin_" + variant + ".exe";
}

std::string install_player(const std::string& root, const std::string& folder, const std::string& variant)
{
    std::string exe = root + "\\Roblox\\Versions\\" + folder + "\\RobloxPlayerBeta.exe";
    copy_file_to(standin_exe(variant), exe);
    return exe;
}

bool read_standin_record(const std::string& exe_folder, StandinRecord& out)
{
    std::string text;
    if (!read_bytes(exe_folder + "\\standin-record.txt", text)) return false;
    StandinRecord r;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        std::string key = line.substr(0, eq), value = line.substr(eq + 1);
        if (key == "pid") r.pid = (uint32_t)std::strtoul(value.c_str(), nullptr, 10);
        else if (key == "cwd") r.cwd = value;
        else if (key == "cmdline") r.cmdline = value;
        else if (key == "tail") r.tail = value;
        else if (key == "args") r.args = value;
        else if (key == "client_settings") r.client_settings = value;
    }
    out = r;
    return r.pid != 0;
}

bool wait_for_record(const std::string& exe_folder, StandinRecord& out, uint32_t timeout_ms)
{
    return wait_until([&] { return read_standin_record(exe_folder, out); }, timeout_ms);
}

void set_standin_mode(const std::string& exe_folder, const std::string& mode) { write_bytes(exe_folder + "\\standin-mode.txt", mode); }

// [SECTION] Waiting
bool wait_until(const std::function<bool()>& cond, uint32_t timeout_ms)
{
    ULONGLONG deadline = GetTickCount64() + timeout_ms;
    for (;;) {
        if (cond()) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(15);
    }
}

// [SECTION] Processes
Started ProcessSet::start_standin(const std::string& exe_path, const std::string& mode)
{
    Started s;
    std::string folder = parent_of(exe_path);
    set_standin_mode(folder, mode);
    DeleteFileW(wide(folder + "\\standin-record.txt").c_str());
    std::wstring app = wide(exe_path);
    std::wstring cmd = L"\"" + app + L"\"";
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;   // no standard handles: under Wine they would keep the runner's output pipe open
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessW(app.c_str(), &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, wide(folder).c_str(), &si, &pi)) {
        ADD_FAILURE() << "cannot start " << exe_path << " (" << GetLastError() << ")";
        return s;
    }
    CloseHandle(pi.hThread);
    s.pid = pi.dwProcessId;
    s.handle = pi.hProcess;
    items.push_back(s);
    return s;
}

void ProcessSet::stop_all()
{
    for (uint32_t pid : adopted) kill_pid(pid);
    for (Started& s : items) {
        kill_handle(s.handle);
        CloseHandle((HANDLE)s.handle);
    }
    adopted.clear();
    items.clear();
}

bool process_running(void* handle) { return WaitForSingleObject((HANDLE)handle, 0) == WAIT_TIMEOUT; }

void kill_handle(void* handle)
{
    if (!process_running(handle)) return;
    TerminateProcess((HANDLE)handle, 1);
    WaitForSingleObject((HANDLE)handle, 5000);
}

void kill_pid(uint32_t pid)
{
    HANDLE h = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
    if (!h) return;
    kill_handle(h);
    CloseHandle(h);
}

static std::string lower_ascii(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = (char)(c + 32);
    return s;
}

std::vector<uint32_t> pids_running_below(const std::string& folder)
{
    std::vector<uint32_t> pids;
    std::string prefix = lower_ascii(folder + "\\");
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snap == INVALID_HANDLE_VALUE) return pids;
    PROCESSENTRY32W pe;
    pe.dwSize = sizeof(pe);
    for (BOOL more = Process32FirstW(snap, &pe); more; more = Process32NextW(snap, &pe)) {
        HANDLE h = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pe.th32ProcessID);
        if (!h) continue;
        wchar_t buf[1024];
        DWORD len = 1024;
        if (QueryFullProcessImageNameW(h, 0, buf, &len) && lower_ascii(to_utf8(std::wstring(buf, len))).rfind(prefix, 0) == 0)
            pids.push_back(pe.th32ProcessID);
        CloseHandle(h);
    }
    CloseHandle(snap);
    return pids;
}

struct WindowSearch {
    DWORD pid;
    HWND found;
};

static BOOL CALLBACK match_standin_window(HWND hwnd, LPARAM param)
{
    WindowSearch* s = (WindowSearch*)param;
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    wchar_t cls[64] = {};
    GetClassNameW(hwnd, cls, 64);
    if (pid == s->pid && wcscmp(cls, L"LarkStandin") == 0 && GetWindowTextLengthW(hwnd) > 0 && !GetWindow(hwnd, GW_OWNER)) {
        s->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

uintptr_t standin_window(uint32_t pid)
{
    WindowSearch s = {pid, nullptr};
    EnumWindows(match_standin_window, (LPARAM)&s);
    return (uintptr_t)s.found;
}

bool window_minimised(uintptr_t window) { return IsIconic((HWND)window) != 0; }

// [SECTION] Locks
HeldOpen::HeldOpen(const std::string& path, bool share_read)
{
    HANDLE h = CreateFileW(wide(path).c_str(), GENERIC_READ, share_read ? FILE_SHARE_READ : 0, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(h, INVALID_HANDLE_VALUE) << "cannot hold " << path << " open";
    handle = h == INVALID_HANDLE_VALUE ? nullptr : h;
}

HeldOpen::~HeldOpen()
{
    if (handle) CloseHandle((HANDLE)handle);
}

// [SECTION] Environment
void set_env(const char* name, const std::string& value)
{
    std::wstring entry = wide(name) + L"=" + wide(value);
    _wputenv(entry.c_str());
}

void set_env_empty(const char* name)
{
    set_env(name, "");
    SetEnvironmentVariableW(wide(name).c_str(), L"");
}

// [SECTION] Clipboard
// The clipboard needs an owner window for SetClipboardData once it has been emptied.
static HWND clipboard_owner()
{
    static HWND owner = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    return owner;
}

static bool open_clipboard()
{
    return wait_until([] { return OpenClipboard(clipboard_owner()) != 0; }, 3000);
}

bool clipboard_put_text(const std::string& utf8)
{
    std::wstring text = wide(utf8);
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    if (!mem) return false;
    wchar_t* p = (wchar_t*)GlobalLock(mem);
    memcpy(p, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(mem);
    if (!open_clipboard()) { GlobalFree(mem); return false; }
    EmptyClipboard();
    bool ok = SetClipboardData(CF_UNICODETEXT, mem) != nullptr;
    CloseClipboard();
    if (!ok) GlobalFree(mem);
    return ok;
}

bool clipboard_put_bitmap_only()
{
    HBITMAP bitmap = CreateBitmap(4, 4, 1, 32, nullptr);
    if (!bitmap) return false;
    if (!open_clipboard()) { DeleteObject(bitmap); return false; }
    EmptyClipboard();
    bool ok = SetClipboardData(CF_BITMAP, bitmap) != nullptr;
    CloseClipboard();
    return ok;
}

bool clipboard_clear()
{
    if (!open_clipboard()) return false;
    bool ok = EmptyClipboard() != 0;
    CloseClipboard();
    return ok;
}

// [SECTION] Shell handlers under HKEY_CLASSES_ROOT
static std::wstring command_key(const std::string& scheme) { return wide(scheme) + L"\\shell\\open\\command"; }

ShellHandlerOverride::ShellHandlerOverride(const std::string& s) : scheme(s)
{
    HKEY key;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, wide(scheme).c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
        key_existed = true;
        RegCloseKey(key);
    }
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, command_key(scheme).c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
        wchar_t buf[2048];
        DWORD size = sizeof(buf), type = 0;
        if (RegQueryValueExW(key, nullptr, nullptr, &type, (BYTE*)buf, &size) == ERROR_SUCCESS && (type == REG_SZ || type == REG_EXPAND_SZ)) {
            command_existed = true;
            old_command.assign(buf, size / sizeof(wchar_t));
            while (!old_command.empty() && old_command.back() == L'\0') old_command.pop_back();
        }
        RegCloseKey(key);
    }
}

static void write_command(const std::string& scheme, const std::wstring& command)
{
    HKEY key;
    LONG r = RegCreateKeyExW(HKEY_CLASSES_ROOT, command_key(scheme).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
    ASSERT_EQ(r, ERROR_SUCCESS) << "cannot create the " << scheme << " handler key";
    RegSetValueExW(key, nullptr, 0, REG_SZ, (const BYTE*)command.c_str(), (DWORD)((command.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    if (scheme != "https") {   // a custom scheme needs the URL marker to count as a protocol
        HKEY scheme_key;
        if (RegOpenKeyExW(HKEY_CLASSES_ROOT, wide(scheme).c_str(), 0, KEY_WRITE, &scheme_key) == ERROR_SUCCESS) {
            RegSetValueExW(scheme_key, L"URL Protocol", 0, REG_SZ, (const BYTE*)L"", sizeof(wchar_t));
            RegCloseKey(scheme_key);
        }
    }
}

void ShellHandlerOverride::set_command(const std::string& command) { write_command(scheme, wide(command)); }

void ShellHandlerOverride::remove_scheme() { RegDeleteTreeW(HKEY_CLASSES_ROOT, wide(scheme).c_str()); }

ShellHandlerOverride::~ShellHandlerOverride()
{
    if (!key_existed) {
        RegDeleteTreeW(HKEY_CLASSES_ROOT, wide(scheme).c_str());
    } else if (command_existed) {
        write_command(scheme, old_command);
    }
}

// [SECTION] Journal
std::vector<std::string> journal_texts()
{
    std::vector<std::string> texts;
    for (const JournalEntry& e : journal_snapshot()) texts.push_back(e.text);
    return texts;
}

JournalEntry last_journal()
{
    std::vector<JournalEntry> all = journal_snapshot();
    if (all.empty()) {
        ADD_FAILURE() << "the journal is empty";
        return JournalEntry();
    }
    return all.back();
}

bool journal_has_prefix(const std::string& prefix)
{
    for (const std::string& t : journal_texts())
        if (t.rfind(prefix, 0) == 0) return true;
    return false;
}

// [SECTION] Test fixture
static const char* const kTestVariables[] = {"LOCALAPPDATA", "ProgramFiles", "ProgramFiles(x86)"};

void WinTest::SetUp()
{
    wchar_t temp[MAX_PATH];
    DWORD n = GetTempPathW(MAX_PATH, temp);
    std::string base = to_utf8(std::wstring(temp, n));
    while (!base.empty() && (base.back() == '\\' || base.back() == '/')) base.pop_back();
    static unsigned counter = 0;
    root = base + "\\lark-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount64()) + "-" +
           std::to_string(counter++);
    ASSERT_EQ(root.find("Z:"), std::string::npos) << "temporary root outside the prefix: " << root;
    local = root + "\\local";
    pf = root + "\\pf";
    pf86 = root + "\\pf86";
    make_dirs(local);
    ASSERT_TRUE(is_directory(local));

    for (const char* name : kTestVariables) {
        wchar_t value[4096];
        DWORD len = GetEnvironmentVariableW(wide(name).c_str(), value, 4096);
        if (len == 0 && GetLastError() == ERROR_ENVVAR_NOT_FOUND) unset_env_.push_back(name);
        else saved_env_.push_back({name, std::wstring(value, len)});
    }
    set_env("LOCALAPPDATA", local);
    set_env("ProgramFiles", pf);
    set_env("ProgramFiles(x86)", pf86);
    reset_app_state();
}

void WinTest::TearDown()
{
    procs.stop_all();
    reset_app_state();
    for (auto& v : saved_env_) _wputenv((wide(v.first) + L"=" + v.second).c_str());
    for (auto& name : unset_env_) set_env(name.c_str(), "");
    remove_tree(root);
}
