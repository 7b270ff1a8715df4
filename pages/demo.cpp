// Demo mode: fixed sample data in place of the user's files and the live system.
#include <mutex>
#include <string>

#include "app/app_state.h"
#include "links/link_parse.h"
#include "pages/pages.h"

// [SECTION] Sample data
namespace {
const char* const kVersionsRoot = "C:\\Users\\you\\AppData\\Local\\Roblox\\Versions\\";
const char* const kPlayerExe = "\\RobloxPlayerBeta.exe";

Installation sample_installation(const char* folder_name, const char* version, bool has_flag_file)
{
    Installation inst;
    inst.folder_name = folder_name;
    inst.folder_path = std::string(kVersionsRoot) + folder_name;
    inst.exe_path = inst.folder_path + kPlayerExe;
    inst.version = version;
    inst.has_flag_file = has_flag_file;
    return inst;
}

InstanceInfo sample_instance(uint32_t pid, const Installation& inst, uint64_t working_set, bool has_window)
{
    InstanceInfo info;
    info.pid = pid;
    info.path = inst.folder_path + kPlayerExe;
    info.working_set = working_set;
    info.has_window = has_window;
    return info;
}
}

// [SECTION] Loading
void load_demo_data()
{
    Installation newest = sample_installation("version-8f4c2d1a9b7e", "0.712.0.7120912", true);
    Installation older = sample_installation("version-4c1b7e903d2a", "0.709.0.7090783", false);

    g_app.launch.install = newest.exe_path;
    g_app.launch.fps = 240;
    g_app.launch.quality = 10;
    g_app.launch.flags = true;
    g_app.launch.args.clear();

    g_app.installations.push_back(newest);
    g_app.installations.push_back(older);
    g_app.selected_install = 0;

    g_app.saved_links.push_back({"BedWars", "6872265039", "", "waiting room"});
    g_app.saved_links.push_back({"Private server", "2753915549", "KLM274PQR", "test code"});
    g_app.saved_links.push_back({"Baseplate", "4483381587", "", "quick test"});

    g_app.instances.push_back(sample_instance(14872, newest, 1929379840ull, true));
    g_app.instances.push_back(sample_instance(17304, older, 1216348160ull, false));

    copy_to_buffer(g_app.link_box, std::string(kWebOrigin) + "/games/6872265039/BedWars");

    // Straight into the list, not through journal_add: no file, no status toast.
    std::lock_guard<std::mutex> lock(g_app.journal_lock);
    g_app.journal.clear();
    g_app.journal.push_back({"21:12:04", "session open", 0});
    g_app.journal.push_back({"21:12:07", "installation selected: 0.712.0.7120912", 0});
    g_app.journal.push_back({"21:12:13", "flags written: 240 fps / quality 10", 1});
    g_app.journal.push_back({"21:12:22", "roblox launched: pid 14872", 1});
    g_app.journal.push_back({"21:12:26", "link pasted: place 6872265039", 0});
}
