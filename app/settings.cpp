// The data directory and settings.ini.
#include "app/settings.h"

#include "platform/platform.h"

std::string data_dir()
{
    std::string base;
    if (!env_get("LOCALAPPDATA", base) || base.empty()) return std::string();
    // Failures surface when a file is opened; an existing folder is the usual case.
    create_directory(base + "\\Larkspire", nullptr);
    create_directory(base + "\\Larkspire\\Launcher", nullptr);
    return base + "\\Larkspire\\Launcher";
}

void load_settings()
{
    std::string dir = data_dir();
    if (dir.empty()) return;
    std::string text;
    if (!read_file_text(dir + "\\settings.ini", text)) return;
    parse_settings_text(text, g_app.launch);
}

void save_settings()
{
    if (g_app.demo_mode) return;
    std::string dir = data_dir();
    if (dir.empty()) return;
    std::string error;
    write_file_text(dir + "\\settings.ini", format_settings_text(g_app.launch), error);   // silent by design
}
