// Shared pieces of the Windows tests: temporary folders, the player stand-in, processes, the clipboard,
// shell handlers and the journal. Every test works below its own folder in the prefix's %TEMP%.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/app_state.h"

// [SECTION] Files
// Raw bytes, no size limit; false when the file cannot be opened.
bool read_bytes(const std::string& path, std::string& out);
std::string bytes_of(const std::string& path);   // "" when missing; check path_exists where that matters
void write_bytes(const std::string& path, const std::string& data);   // creates missing parent folders
void make_dirs(const std::string& path);
bool path_exists(const std::string& path);
bool is_directory(const std::string& path);
std::vector<std::string> folder_entries(const std::string& folder);   // names, sorted, no "." or ".."
void copy_file_to(const std::string& from, const std::string& to);     // creates missing parent folders
void remove_tree(const std::string& path);

// [SECTION] The stand-in
// A built variant: "2_641_0_1", "2_640_5_123", "2_99_0_0", "1_0_0_0" or "noversion".
std::string standin_exe(const std::string& variant);
// Copies a variant to <root>\Roblox\Versions\<folder>\RobloxPlayerBeta.exe; returns the exe path.
std::string install_player(const std::string& root, const std::string& folder, const std::string& variant);

struct StandinRecord {
    uint32_t pid = 0;
    std::string cwd, cmdline, tail, args, client_settings;
};
// The record the stand-in leaves beside its exe.
bool read_standin_record(const std::string& exe_folder, StandinRecord& out);
bool wait_for_record(const std::string& exe_folder, StandinRecord& out, uint32_t timeout_ms = 30000);   // a loaded machine can be slow to start five at once
void set_standin_mode(const std::string& exe_folder, const std::string& mode);

// [SECTION] Waiting
// Polls cond until it holds or the deadline passes; returns its last value.
bool wait_until(const std::function<bool()>& cond, uint32_t timeout_ms = 10000);

// [SECTION] Processes
struct Started {
    uint32_t pid = 0;
    void* handle = nullptr;
};
// Processes a test started or learned about; all are terminated when the set is destroyed.
struct ProcessSet {
    std::vector<Started> items;
    std::vector<uint32_t> adopted;
    ~ProcessSet() { stop_all(); }
    void stop_all();
    // Starts an exe (any file name) with its folder as working directory and waits for its record.
    Started start_standin(const std::string& exe_path, const std::string& mode);
    void adopt(uint32_t pid) { adopted.push_back(pid); }
};
bool process_running(void* handle);
void kill_pid(uint32_t pid);
void kill_handle(void* handle);   // terminates and waits; the handle stays open
// Pids of running processes whose image path starts with the given folder (ASCII case ignored).
std::vector<uint32_t> pids_running_below(const std::string& folder);
// The stand-in's own window of a process (by its window class), 0 when none.
uintptr_t standin_window(uint32_t pid);
bool window_minimised(uintptr_t window);

// [SECTION] Locks
// Holds a file open like another program would: GENERIC_READ with the given share mode.
struct HeldOpen {
    void* handle = nullptr;
    HeldOpen(const std::string& path, bool share_read);
    ~HeldOpen();
};

// [SECTION] Environment
// _wputenv: changes both GetEnvironmentVariableW and getenv. An empty value removes the variable.
void set_env(const char* name, const std::string& value);
// Sets the variable to the empty text as far as the Win32 environment goes.
void set_env_empty(const char* name);

// [SECTION] Clipboard
bool clipboard_put_text(const std::string& utf8);
bool clipboard_put_bitmap_only();
bool clipboard_clear();

// [SECTION] Shell handlers under HKEY_CLASSES_ROOT
// Overrides "<scheme>\shell\open\command" and puts back what was there when destroyed.
struct ShellHandlerOverride {
    std::string scheme;
    bool key_existed = false;
    bool command_existed = false;
    std::wstring old_command;
    explicit ShellHandlerOverride(const std::string& scheme);
    ~ShellHandlerOverride();
    void set_command(const std::string& command);
    void remove_scheme();   // deletes the scheme's whole key
};

// [SECTION] Journal
std::vector<std::string> journal_texts();
// The last journal entry; fails the test when the journal is empty.
JournalEntry last_journal();
bool journal_has_prefix(const std::string& prefix);

// [SECTION] Test fixture
// Own temporary root; LOCALAPPDATA, ProgramFiles and ProgramFiles(x86) pointed inside it
// (root\local, root\pf, root\pf86; only local is created); fresh AppState before and after.
class WinTest : public ::testing::Test {
protected:
    std::string root, local, pf, pf86;
    ProcessSet procs;
    void SetUp() override;
    void TearDown() override;
    std::string data_file(const std::string& name) const { return local + "\\Larkspire\\Launcher\\" + name; }
    std::string versions(const std::string& base) const { return base + "\\Roblox\\Versions"; }

private:
    std::vector<std::pair<std::string, std::wstring>> saved_env_;
    std::vector<std::string> unset_env_;
};
