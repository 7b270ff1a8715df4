// Installed player versions: discovery under the three roots, refresh and selection.
#include "roblox/installations.h"

#include <cstdio>

#include "app/journal.h"
#include "app/settings.h"
#include "instances/scan.h"
#include "platform/platform.h"

static const char* const kRootVariables[3] = {"LOCALAPPDATA", "ProgramFiles", "ProgramFiles(x86)"};
static const char* const kVersionsSuffix = "\\Roblox\\Versions";

std::string read_file_version(const std::string& exe_path, const std::string& fallback)
{
    uint32_t ms = 0, ls = 0;
    if (!read_fixed_file_version(exe_path, ms, ls)) return fallback;
    char buf[64];
    snprintf(buf, sizeof(buf), "%u.%u.%u.%u", ms >> 16, ms & 0xffff, ls >> 16, ls & 0xffff);
    return buf;
}

static bool already_listed(const std::vector<Installation>& list, const std::string& exe_path)
{
    for (const Installation& i : list)
        if (equal_ignoring_ascii_case(i.exe_path, exe_path)) return true;
    return false;
}

std::vector<Installation> detect_installations()
{
    std::vector<Installation> list;
    for (const char* var : kRootVariables) {
        std::string value;
        if (!env_get(var, value)) continue;
        std::string root = value + kVersionsSuffix;
        if (!dir_exists(root)) continue;
        for (const DirEntry& e : list_directory(root + "\\version-*")) {
            if (!e.is_dir) continue;
            Installation inst;
            inst.folder_name = e.name;
            inst.folder_path = path_join(root, e.name);
            inst.exe_path = path_join(inst.folder_path, kPlayerExeName);
            if (!file_exists(inst.exe_path)) continue;
            if (already_listed(list, inst.exe_path)) continue;
            inst.version = read_file_version(inst.exe_path, inst.folder_name);
            inst.has_flag_file = file_exists(path_join(inst.folder_path, "ClientSettings\\ClientAppSettings.json"));
            list.push_back(inst);
        }
    }
    sort_installations(list);
    return list;
}

void refresh_all()
{
    if (g_app.demo_mode) return;
    std::string remembered = g_app.launch.install;
    g_app.installations = detect_installations();
    g_app.instances = scan_instances();
    g_app.selected_install = -1;
    if (g_app.installations.empty()) {
        g_app.launch.install.clear();
        return;
    }
    for (size_t i = 0; i < g_app.installations.size(); i++) {
        if (equal_ignoring_ascii_case(g_app.installations[i].exe_path, remembered)) {
            g_app.selected_install = (int32_t)i;
            return;
        }
    }
    g_app.selected_install = 0;
    g_app.launch.install = g_app.installations[0].exe_path;
}

void select_installation(int32_t index)
{
    if (index < 0 || (size_t)index >= g_app.installations.size()) return;
    g_app.selected_install = index;
    g_app.launch.install = g_app.installations[(size_t)index].exe_path;
    save_settings();
    journal_add(JournalLevel::Info, "installation selected: " + g_app.installations[(size_t)index].version);
}
