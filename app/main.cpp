// Entry: the start-up order, the frame loop and the shutdown.
#include "app/app_state.h"
#include "app/command_line.h"
#include "app/journal.h"
#include "app/settings.h"
#include "links/saved_links.h"
#include "pages/pages.h"
#include "platform/platform.h"
#include "roblox/installations.h"
#include "shell/window.h"

static int run_launcher()
{
    request_dpi_awareness();
    com_initialize();
    CommandLine options = parse_command_line(command_line_args());
    g_app.ui_scale = screen_ui_scale();
    std::wstring shot_path = to_utf16(options.shot);

    void* instance = module_instance();
    if (!create_window(instance))
        return 1;
    if (!create_device()) {
        cleanup_device();
        destroy_window(instance);
        return 1;
    }
    if (!shot_path.empty())
        move_cursor_to(0, 0);  // a resting cursor over a button would change its colour in the picture

    g_app.demo_mode = options.demo;
    init_ui_library();

    if (g_app.demo_mode) {
        load_demo_data();
    } else {
        load_settings();
        load_links();
        refresh_all();
        journal_add(JournalLevel::Info, "session open");
        if (!g_app.installations.empty())
            if (Installation* inst = selected_installation())
                journal_add(JournalLevel::Info, "installation selected: " + inst->version);
    }
    g_app.last_scan_tick = tick_ms();
    if ((uint32_t)options.page <= 5)
        g_app.current_page = options.page;

    run_frame_loop(shot_path);

    shutdown_ui_library();
    cleanup_device();
    destroy_window(instance);
    com_uninitialize();
    return 0;
}

int main()
{
    return run_launcher();
}
