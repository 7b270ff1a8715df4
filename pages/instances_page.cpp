// Instances page: the running player processes, with FOCUS and CLOSE per process.
#include <string>

#include "app/app_state.h"
#include "app/journal.h"
#include "instances/control.h"
#include "instances/scan.h"
#include "pages/page_parts.h"
#include "pages/pages.h"

// [SECTION] Layout (points)
namespace {
constexpr float kCardHeight = 470;
constexpr float kListHeight = 418;      // "##procs" inside the card
constexpr float kRowHeight = 72;
constexpr float kNotesTop = 486;        // PROCESS SCAN, below the card
constexpr float kPathReserve = 250;     // page width kept free of the path for the buttons
constexpr float kFocusWidth = 70, kCloseWidth = 78;
constexpr int kRowId = 600;
}

// [SECTION] Process rows
// Returns true when the row's CLOSE was pressed.
static bool instance_row(const InstanceInfo& proc, int32_t i, float width)
{
    float rw = width - ui(32);
    ImGui::PushID(kRowId + i);
    ImVec2 r = ImGui::GetCursorScreenPos();
    ImGui::Dummy(ImVec2(rw, ui(kRowHeight)));
    page_rule(at(r, 2, 71), ImVec2(r.x + rw - ui(2), r.y + ui(71)));

    page_caption(r, 10, 10, "PID");
    page_text(r, 10, 22, FontSlot::SemiBold, 16, kColText, std::to_string(proc.pid));
    page_caption(r, 96, 10, "MEMORY");
    page_text(r, 96, 26, FontSlot::Caption, 10, kColGrey, memory_text(proc.working_set));

    const char* badge = proc.has_window ? "VISIBLE" : "HIDDEN";
    push_font(FontSlot::Caption, 9);
    float tw = ImGui::CalcTextSize(badge).x;
    ImGui::GetWindowDrawList()->AddRectFilled(at(r, 180, 18), ImVec2(r.x + ui(192) + tw, r.y + ui(36)),
                                              proc.has_window ? with_alpha(kColSuccess, 18) : kColPanel, ui(4));
    page_text(r, 186, 22, FontSlot::Caption, 9, proc.has_window ? kColSuccess : kColMuted, badge);
    pop_font();

    const std::string& path = proc.path.empty() ? std::string("unknown path") : proc.path;
    page_caption(r, 10, 52, ellipsize(path, FontSlot::Caption, 9, width - ui(kPathReserve)));

    ImGui::SetCursorScreenPos(ImVec2(r.x + rw - ui(164), r.y + ui(21)));
    if (pill_button("FOCUS", true, ui(kFocusWidth)))
        action_focus_instance(proc.pid);
    ImGui::SetCursorScreenPos(ImVec2(r.x + rw - ui(86), r.y + ui(21)));
    bool close_pressed = pill_button("CLOSE", false, ui(kCloseWidth));

    ImGui::SetCursorScreenPos(ImVec2(r.x, r.y + ui(kRowHeight)));   // the buttons moved it; next row below
    ImGui::PopID();
    return close_pressed;
}

// [SECTION] Page
void draw_instances_page(float width)
{
    page_heading(std::to_string(g_app.instances.size()) + " INSTANCES");
    int pressed = button_bar({{"REFRESH", true}, {"CLOSE ALL", false}});
    if (pressed == 0) {
        if (g_app.demo_mode) {
            notify("demo mode: sample data", JournalLevel::Info);
        } else {
            g_app.instances = scan_instances();
            notify(std::to_string(g_app.instances.size()) + " active instance(s)", JournalLevel::Success);
        }
    } else if (pressed == 1) {
        action_close_all_instances();
    }

    ImGui::Dummy(ImVec2(0, ui(12)));
    ImVec2 p = ImGui::GetCursorScreenPos();
    page_card(ImVec2(width, ui(kCardHeight)), "ROBLOXPLAYERBETA.EXE");
    ImGui::SetCursorScreenPos(at(p, 16, 36));
    ImGui::BeginChild("##procs", ImVec2(width - ui(32), ui(kListHeight)));
    uint32_t close_pid = 0;
    bool close_pressed = false;
    if (g_app.instances.empty()) {
        page_empty_note("No Roblox instance running.",
                        "Launch the game from the dashboard, then come back here to bring a window to the front "
                        "or close a process.");
    } else {
        for (size_t i = 0; i < g_app.instances.size(); ++i) {
            if (instance_row(g_app.instances[i], (int32_t)i, width)) {
                close_pressed = true;
                close_pid = g_app.instances[i].pid;
            }
        }
    }
    // Closed once the rows are drawn: the close rescans and replaces the list under the loop.
    if (close_pressed)
        action_close_instance(close_pid);
    ImGui::EndChild();

    ImGui::SetCursorScreenPos(at(p, 0, kNotesTop));
    page_heading("PROCESS SCAN");
    ImGui::Dummy(ImVec2(0, ui(6)));
    page_wrapped("The launcher reads the process table every three seconds while this page is open. FOCUS restores "
                 "the window and brings it forward; CLOSE terminates the Roblox process. No game handle is written, "
                 "no module is loaded.",
                 kColGrey);
}
