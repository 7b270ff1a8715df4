// Starting the player, joining places through the shell, opening folders.
#include "links/launch.h"

#include "app/journal.h"
#include "app/settings.h"
#include "links/link_parse.h"
#include "platform/platform.h"
#include "roblox/flags.h"

static const char* const kJoinPrefix = "roblox://placeId=";
static const char* const kJoinCodeKey = "&linkCode=";
static const char* const kWebCodeKey = "?privateServerLinkCode=";

static bool is_digit(char c) { return c >= '0' && c <= '9'; }
static bool is_code_char(char c)
{
    return is_digit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-' || c == '_';
}

bool join_place(const std::string& place_id, const std::string& code, std::string& error)
{
    if (place_id.empty()) { error = "invalid place id"; return false; }
    for (char c : place_id)
        if (!is_digit(c)) { error = "invalid place id"; return false; }
    for (char c : code)
        if (!is_code_char(c)) { error = "invalid private code"; return false; }

    std::string join = kJoinPrefix + place_id;
    if (!code.empty()) join += kJoinCodeKey + code;
    if (shell_open(join, "", "") > 32) return true;

    std::string web = std::string(kWebOrigin) + "/games/" + place_id;
    if (!code.empty()) web += kWebCodeKey + code;
    if (shell_open(web, "", "") > 32) return true;

    error = "neither roblox:// nor the browser responded";
    return false;
}

bool launch_player(const Installation& inst, const LaunchSettings& settings, std::string& error)
{
    if (inst.exe_path.empty() || !file_exists(inst.exe_path)) { error = "RobloxPlayerBeta.exe not found"; return false; }
    int64_t result = shell_open(inst.exe_path, trim_spaces(settings.args), inst.folder_path);
    if (result > 32) return true;
    error = "launch denied (" + std::to_string((long long)result) + ")";
    return false;
}

void open_folder(const std::string& path)
{
    if (path.empty()) return;
    shell_open(path, "", "");
}

// Both JOINs end the same way; only the words for what was joined differ.
static void join_and_notify(const SavedLink& link, const std::string& joined)
{
    std::string error;
    if (join_place(link.place_id, link.private_code, error))
        notify("join requested / " + joined, JournalLevel::Success);
    else
        notify("join failed: " + error, JournalLevel::Error);
}

void action_join_saved_link(const SavedLink& link)
{
    if (g_app.demo_mode) { notify("demo mode: join disabled", JournalLevel::Info); return; }
    join_and_notify(link, link.name);
}

void action_join_link_box()
{
    if (g_app.demo_mode) { notify("demo mode: join disabled", JournalLevel::Info); return; }
    SavedLink link;
    if (!parse_link(buffer_text(g_app.link_box), link)) { notify("invalid link or place id", JournalLevel::Error); return; }
    join_and_notify(link, "place " + link.place_id);
}

void action_launch_player()
{
    if (g_app.demo_mode) { notify("demo mode: launch disabled", JournalLevel::Info); return; }
    if (!selected_installation()) { notify("no roblox installation detected", JournalLevel::Error); return; }
    if (g_app.launch.flags && !action_apply_flags()) return;   // it has notified the reason
    save_settings();
    const Installation* inst = selected_installation();
    std::string error;
    if (launch_player(*inst, g_app.launch, error))
        notify("roblox launched / " + inst->version, JournalLevel::Success);
    else
        notify("launch failed: " + error, JournalLevel::Error);
}
