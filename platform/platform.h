// The Windows services the launcher uses, behind small functions that speak UTF-8 and plain values.
// Implemented once, for Win32 (platform/*_win32.cpp). Nothing outside platform/ and the shell's
// window/renderer code includes windows.h.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// [SECTION] Text
// Whole strings by length (embedded zero units included); invalid sequences become U+FFFD.
std::string to_utf8(const std::wstring& text);
std::wstring to_utf16(const std::string& text);

// [SECTION] Environment, time
bool env_get(const char* name, std::string& out);   // false when the variable is not set
uint64_t tick_ms();                                  // GetTickCount64
std::string local_time_text();                       // "%02d:%02d:%02d" of the local time
void sleep_ms(uint32_t ms);

// [SECTION] Files and folders
bool read_file_text(const std::string& path, std::string& out);   // whole file, at most 8 MiB
// Whole file; the old file is replaced only once every byte is written and flushed.
bool write_file_text(const std::string& path, const std::string& data, std::string& error);
bool append_text_line(const std::string& path, const std::string& line);   // text mode: LF becomes CR LF
bool dir_exists(const std::string& path);
bool file_exists(const std::string& path);
// Creates one level. Returns true when created; already_exists tells the one tolerated failure.
bool create_directory(const std::string& path, bool* already_exists);
bool delete_file(const std::string& path);

struct DirEntry {
    std::string name;
    bool is_dir = false;
};
// Lists a wildcard pattern (case-insensitive, as the system matches). Empty when nothing matches.
std::vector<DirEntry> list_directory(const std::string& pattern);

// [SECTION] Version resources
// Fixed file version as four 16-bit parts; false when the executable carries no usable resource.
bool read_fixed_file_version(const std::string& exe_path, uint32_t& ms, uint32_t& ls);

// [SECTION] Shell
// ShellExecuteW "open" with SW_SHOWNORMAL; empty params/dir pass null. Returns the result as a signed number.
int64_t shell_open(const std::string& file, const std::string& params, const std::string& dir);

// [SECTION] Clipboard
bool read_clipboard_text(std::string& out);   // CF_UNICODETEXT; true when out is non-empty

// [SECTION] Processes
struct ProcessEntry {
    uint32_t pid = 0;
    std::string exe_name;   // file name as the snapshot reports it
};
bool list_processes(std::vector<ProcessEntry>& out);   // false when no snapshot could be taken
// One PROCESS_QUERY_LIMITED_INFORMATION open: the image path (false when it cannot be read) and,
// when known, the creation time (else 0).
bool process_image_path(uint32_t pid, std::string& path, uint64_t& creation_time);
bool process_working_set(uint32_t pid, uint64_t& out);          // PROCESS_QUERY_INFORMATION | PROCESS_VM_READ
// Opens the process once and ends it through that handle only when its image name matches
// (ignoring ASCII case) and, when expected_creation is not 0, its creation time is unchanged.
// Waits at most wait_ms for the end. True when the system accepted the termination.
bool terminate_process_checked(uint32_t pid, const std::string& expected_name, uint64_t expected_creation, uint32_t wait_ms);

// [SECTION] Windows of other processes
struct TopWindow {
    uintptr_t handle = 0;
    uint32_t pid = 0;
    bool visible = false;
    bool owned = false;
    int title_length = 0;
};
// The top-level windows of the given processes, in EnumWindows order.
std::vector<TopWindow> list_top_level_windows(const std::vector<uint32_t>& pids);
void restore_and_raise_window(uintptr_t handle);   // SW_RESTORE when minimised, then SetForegroundWindow

// [SECTION] Process start-up
void request_dpi_awareness();                    // per-monitor v2, when the system offers it
void com_initialize();                           // single-threaded apartment; result ignored
void com_uninitialize();
std::vector<std::string> command_line_args();    // CommandLineToArgvW, argument 0 skipped
float screen_ui_scale();                         // LOGPIXELSX / 96; 1.0 without a screen DC
void move_cursor_to(int x, int y);
void* module_instance();
