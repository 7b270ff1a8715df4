// The one record of run-time state, and the plain records it holds.
#pragma once
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

struct HWND__;
struct ID3D11Device;
struct ID3D11DeviceContext;
struct IDXGISwapChain;
struct ID3D11RenderTargetView;
struct ImFont;

namespace JournalLevel { enum : int32_t { Info = 0, Success = 1, Warning = 2, Error = 3 }; }
namespace Page { enum : int32_t { Dashboard = 0, Roblox = 1, Links = 2, Instances = 3, Log = 4, About = 5, Count = 6 }; }
namespace FontSlot { enum : int32_t { Body = 0, SemiBold = 1, Caption = 2, Display = 3, Count = 4 }; }

struct JournalEntry {
    std::string time;   // "%02d:%02d:%02d"
    std::string text;
    int32_t level = 0;
};

struct LaunchSettings {
    std::string install;  // exe_path of the remembered installation
    int32_t fps = 240;
    int32_t quality = 10;
    bool flags = true;
    std::string args;
};

struct Installation {
    std::string exe_path;
    std::string folder_path;
    std::string folder_name;
    std::string version;
    bool has_flag_file = false;
};

struct SavedLink {
    std::string name;
    std::string place_id;
    std::string private_code;
    std::string note;
};

struct InstanceInfo {
    uint32_t pid = 0;
    std::string path;
    uint64_t working_set = 0;
    bool has_window = false;
    uint64_t creation_time = 0;  // FILETIME ticks; 0 = unknown. Guards a close against a reused pid.
};

struct AppState {
    std::vector<Installation> installations;
    int32_t selected_install = -1;
    LaunchSettings launch;
    std::vector<SavedLink> saved_links;
    std::vector<InstanceInfo> instances;
    std::vector<JournalEntry> journal;
    std::mutex journal_lock;
    std::string status_text;
    int32_t status_level = 0;
    uint64_t status_until = 0;
    int32_t current_page = Page::Dashboard;
    bool demo_mode = false;
    float ui_scale = 1.0f;
    uint64_t last_scan_tick = 0;
    char link_box[512] = {};
    char new_link_name[64] = {};
    char new_link_place[64] = {};
    char new_link_code[96] = {};
    char new_link_note[128] = {};

    // Window and renderer (owned by the shell)
    HWND__* window = nullptr;
    ID3D11Device* device = nullptr;
    ID3D11DeviceContext* device_context = nullptr;
    IDXGISwapChain* swap_chain = nullptr;
    ID3D11RenderTargetView* render_target = nullptr;
    ImFont* fonts[FontSlot::Count] = {};

    // Chrome: our own maximised flag and the normal rectangle saved before maximising
    bool maximised = false;
    int32_t restore_rect[4] = {};  // left, top, right, bottom
};

extern AppState g_app;

// Puts every field back to its start value (tests run several scenarios in one process).
void reset_app_state();

// The selected installation, or nullptr when the index is out of range.
Installation* selected_installation();

// Copies text into a fixed buffer: at most size - 1 bytes, always NUL-terminated.
void copy_to_buffer(char* buffer, size_t size, const std::string& text);
template <size_t N> void copy_to_buffer(char (&buffer)[N], const std::string& text) { copy_to_buffer(buffer, N, text); }

// The text of a fixed buffer up to its NUL (or its whole size when it has none).
std::string buffer_text(const char* buffer, size_t size);
template <size_t N> std::string buffer_text(const char (&buffer)[N]) { return buffer_text(buffer, N); }
