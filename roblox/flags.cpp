// The two launch flags in the selected version's ClientAppSettings.json, with a one-time backup.
#include "roblox/flags.h"

#include "app/journal.h"
#include "app/settings.h"
#include "platform/platform.h"
#include "roblox/flag_edit.h"
#include "roblox/installations.h"

static const char* const kStatusPresentBackup = "ClientAppSettings.json / present / .bak backup";
static const char* const kStatusPresentNoBackup = "ClientAppSettings.json / present / no backup";
static const char* const kStatusMissing = "ClientAppSettings.json / missing / written on demand";

std::string flag_settings_folder(const Installation& inst) { return path_join(inst.folder_path, "ClientSettings"); }
std::string flag_file_path(const Installation& inst) { return path_join(flag_settings_folder(inst), "ClientAppSettings.json"); }
std::string flag_backup_path(const Installation& inst) { return flag_file_path(inst) + ".larkspire.bak"; }

bool apply_flags(const Installation& inst, int32_t fps, int32_t quality, std::string& error)
{
    if (inst.folder_path.empty()) { error = "no installation selected"; return false; }
    std::string folder = flag_settings_folder(inst);
    if (!dir_exists(folder)) {
        bool exists = false;
        if (!create_directory(folder, &exists) && !exists) { error = "ClientSettings folder not created"; return false; }
    }
    std::string flag_path = flag_file_path(inst);
    std::string text;
    if (read_file_text(flag_path, text)) {
        std::string backup = flag_backup_path(inst);
        if (!file_exists(backup) && !write_file_text(backup, text, error)) return false;
    } else if (file_exists(flag_path)) {
        // A file we could not read could not be backed up either: never overwrite it.
        error = "flag file unreadable";
        return false;
    } else {
        text = "{}";
    }
    text = set_json_int(text, kFpsKey, fps);
    text = set_json_int(text, kQualityKey, quality);
    if (!write_file_text(flag_path, text, error)) return false;
    std::string check;
    if (!read_file_text(flag_path, check) || !flag_keys_present(check)) { error = "flag verification failed"; return false; }
    return true;
}

bool restore_flags(const Installation& inst, std::string& error)
{
    if (inst.folder_path.empty()) { error = "no installation selected"; return false; }
    std::string flag_path = flag_file_path(inst);
    std::string backup = flag_backup_path(inst);
    if (file_exists(backup)) {
        std::string text;
        if (!read_file_text(backup, text)) { error = "backup unreadable"; return false; }
        if (!write_file_text(flag_path, text, error)) return false;
        if (!delete_file(backup)) { error = "backup not removed"; return false; }
        return true;
    }
    if (file_exists(flag_path)) {
        if (!delete_file(flag_path)) { error = "flags file not removed"; return false; }
    }
    return true;
}

std::string flag_file_status()
{
    const Installation* inst = selected_installation();
    if (!inst) return "no installation selected";
    if (g_app.demo_mode) return inst->has_flag_file ? kStatusPresentBackup : kStatusMissing;
    if (!file_exists(flag_file_path(*inst))) return kStatusMissing;
    return file_exists(flag_backup_path(*inst)) ? kStatusPresentBackup : kStatusPresentNoBackup;
}

bool action_apply_flags()
{
    Installation* inst = selected_installation();
    if (!inst) { notify("no roblox installation", JournalLevel::Error); return false; }
    std::string error;
    if (!apply_flags(*inst, g_app.launch.fps, g_app.launch.quality, error)) {
        notify("flags not written: " + error, JournalLevel::Error);
        return false;
    }
    inst->has_flag_file = true;
    save_settings();
    notify("flags written: " + std::to_string(g_app.launch.fps) + " fps / quality " + std::to_string(g_app.launch.quality),
           JournalLevel::Success);
    return true;
}

void action_restore_flags()
{
    Installation* inst = selected_installation();
    if (!inst) { notify("no roblox installation", JournalLevel::Error); return; }
    std::string error;
    if (!restore_flags(*inst, error)) {
        notify("restore failed: " + error, JournalLevel::Error);
        return;
    }
    inst->has_flag_file = false;
    notify("flags restored", JournalLevel::Success);
}
