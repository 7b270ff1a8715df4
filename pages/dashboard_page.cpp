// Dashboard: the launcher's state at a glance, the quick-launch form, recent and quick actions.
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/journal.h"
#include "links/launch.h"
#include "links/paste.h"
#include "pages/page_parts.h"
#include "pages/pages.h"
#include "roblox/installations.h"

// [SECTION] Layout (points; multiplied by ui_scale when drawn)
namespace {
constexpr float kGap = 12;              // between cards
constexpr float kWideShare = 0.58f;     // left column of rows 2 and 3, share of the width
constexpr float kRow1Top = 0, kRow2Top = 104, kRow3Top = 362;
constexpr float kStatHeight = 92, kLaunchHeight = 246, kRecentHeight = 170;
constexpr float kStateListHeight = 136;
constexpr float kStateRowSpacing = 2;   // five 25-point rows fit the list only when kept this close
constexpr float kInputRounding = 7;
constexpr float kPasteWidth = 80, kJoinWidth = 150, kLaunchWidth = 170;
constexpr int kRecentLines = 4;
constexpr float kRecentPitch = 26;      // one recent-action line
constexpr float kQuickPitch = 32;       // one quick-action button
constexpr int kQuickActionId = 700;
const char* const kDataDirText = "%LOCALAPPDATA%\\Larkspire\\Launcher";
}

// [SECTION] Statistic card
void stat_card(const std::string& label, const std::string& value, const std::string& detail, ImVec2 size)
{
    ImVec2 p = ImGui::GetCursorScreenPos();
    ImGui::Dummy(size);
    draw_card(p, size, kColCardFill);
    float fit = size.x - ui(32);
    page_text(p, 16, 14, FontSlot::Caption, 9, kColMuted, label);
    page_text(p, 16, 33, FontSlot::SemiBold, 20, kColText, ellipsize(value, FontSlot::SemiBold, 20, fit));
    draw_text(ImGui::GetWindowDrawList(), FontSlot::Body, 10, ImVec2(p.x + ui(16), p.y + size.y - ui(28)), kColGrey,
              ellipsize(detail, FontSlot::Body, 10, fit));
}

// [SECTION] Cards
static bool flags_written(const Installation* inst) { return inst && inst->has_flag_file; }

static std::string install_label(const Installation& inst) { return inst.version + "  /  " + inst.folder_name; }

static void stat_row(ImVec2 o, float cw)
{
    const Installation* inst = selected_installation();
    const LaunchSettings& launch = g_app.launch;
    float gap = ui(kGap), h = ui(kStatHeight);

    ImGui::SetCursorScreenPos(at(o, 0, kRow1Top));
    stat_card("ROBLOX", inst ? inst->version : "none", inst ? "INSTALLATION DETECTED" : "NO INSTALLATION", ImVec2(cw, h));

    ImGui::SetCursorScreenPos(ImVec2(o.x + cw + gap, o.y + ui(kRow1Top)));
    stat_card("INSTANCES", std::to_string(g_app.instances.size()),
              g_app.instances.empty() ? "NO PROCESS" : "ACTIVE PROCESSES", ImVec2(cw, h));

    ImGui::SetCursorScreenPos(ImVec2(o.x + 2 * (cw + gap), o.y + ui(kRow1Top)));
    stat_card("FLAGS", std::to_string(launch.fps) + " fps",
              flags_written(inst) ? "QUALITY " + std::to_string(launch.quality) + " / WRITTEN" : "FILE MISSING",
              ImVec2(cw, h));
}

static void install_combo(float width)
{
    const Installation* inst = selected_installation();
    std::string preview = inst ? install_label(*inst) : "no installation";
    ImGui::SetNextItemWidth(width);
    if (!ImGui::BeginCombo("##install", preview.c_str()))
        return;
    if (g_app.installations.empty())
        ImGui::TextUnformatted("no version detected");
    for (size_t i = 0; i < g_app.installations.size(); ++i) {
        bool selected = (int32_t)i == g_app.selected_install;
        std::string label = install_label(g_app.installations[i]);
        ImGui::PushID((int)i);   // two versions may read alike
        if (ImGui::Selectable(label.c_str(), selected))
            select_installation((int32_t)i);
        if (selected)
            ImGui::SetItemDefaultFocus();
        ImGui::PopID();
    }
    ImGui::EndCombo();
}

static void quick_launch_card(ImVec2 c, float ww)
{
    ImGui::SetCursorScreenPos(c);
    page_card(ImVec2(ww, ui(kLaunchHeight)), "QUICK LAUNCH");
    section_label("installation", at(c, 18, 38));

    ImGui::SetCursorScreenPos(at(c, 18, 52));
    ImGui::PushStyleVar(ImGuiStyleVar_FrameRounding, ui(kInputRounding));
    install_combo(ww - ui(36));

    page_caption(c, 18, 98, "server link or place id");
    ImGui::SetCursorScreenPos(at(c, 18, 112));
    ImGui::SetNextItemWidth(ww - ui(36) - ui(88));
    ImGui::InputText("##link", g_app.link_box, sizeof(g_app.link_box));

    ImGui::SetCursorScreenPos(ImVec2(c.x + ww - ui(18) - ui(kPasteWidth), c.y + ui(112)));
    if (pill_button("PASTE", false, ui(kPasteWidth)))
        action_paste_link();
    ImGui::PopStyleVar();

    ImGui::SetCursorScreenPos(at(c, 18, 164));
    if (pill_button("JOIN", true, ui(kJoinWidth)))
        action_join_link_box();
    ImGui::SameLine(0, ui(8));
    if (pill_button("LAUNCH ROBLOX", false, ui(kLaunchWidth)))
        action_launch_player();

    // Read after the buttons: LAUNCH may have written the flag file in this frame.
    const Installation* inst = selected_installation();
    page_caption(c, 18, 206, "roblox://placeId=... / private code accepted");
    page_caption(c, 18, 220,
                 flags_written(inst) ? "flags: " + std::to_string(g_app.launch.fps) + " fps applied" : "flags: no file");
}

static void state_card(ImVec2 c, float nw)
{
    ImGui::SetCursorScreenPos(c);
    page_card(ImVec2(nw, ui(kLaunchHeight)), "STATE");

    const Installation* inst = selected_installation();
    const LaunchSettings& launch = g_app.launch;
    ImGui::SetCursorScreenPos(at(c, 16, 36));
    ImGui::BeginChild("##state", ImVec2(nw - ui(32), ui(kStateListHeight)), 0, ImGuiWindowFlags_NoScrollbar);
    ImGui::PushStyleVar(ImGuiStyleVar_ItemSpacing, ImVec2(ImGui::GetStyle().ItemSpacing.x, ui(kStateRowSpacing)));
    kv_row("INSTALLATION", inst ? inst->folder_name : "-");
    kv_row("VERSION", inst ? inst->version : "-");
    kv_row("FLAGS", flags_written(inst)
                        ? std::to_string(launch.fps) + " fps / Q" + std::to_string(launch.quality) : "none");
    kv_row("INSTANCES", std::to_string(g_app.instances.size()));
    kv_row("DATA", kDataDirText);
    ImGui::PopStyleVar();
    ImGui::EndChild();

    ImGui::SetCursorScreenPos(at(c, 18, 196));
    if (pill_button("REFRESH", false, nw - ui(36))) {
        if (g_app.demo_mode) {
            notify("demo mode: sample data", JournalLevel::Info);
        } else {
            refresh_all();
            notify("state reloaded / " + std::to_string(g_app.instances.size()) + " instance(s)", JournalLevel::Success);
        }
    }
}

static void recent_actions_card(ImVec2 c, float ww)
{
    ImGui::SetCursorScreenPos(c);
    page_card(ImVec2(ww, ui(kRecentHeight)), "RECENT ACTIONS");

    std::vector<JournalEntry> journal = journal_snapshot();
    if (journal.empty()) {
        page_text(c, 18, 44, FontSlot::Caption, 10, kColMuted, "no actions yet");
        return;
    }
    for (int j = 0; j < kRecentLines && (size_t)j < journal.size(); ++j) {
        const JournalEntry& e = journal[journal.size() - 1 - (size_t)j];
        float y = kRecentPitch * (float)j;
        page_text(c, 18, 42 + y, FontSlot::Caption, 9, kColMuted, e.time);
        page_text(c, 68, 40 + y, FontSlot::Caption, 10, level_colour(e.level),
                  ellipsize(e.text, FontSlot::Caption, 10, ww - ui(94)));
    }
}

static void quick_actions_card(ImVec2 c, float nw)
{
    ImGui::SetCursorScreenPos(c);
    page_card(ImVec2(nw, ui(kRecentHeight)), "QUICK ACTIONS");

    static const char* const labels[4] = {"DETECT ROBLOX", "OPEN FOLDER", "PASTE A LINK", "OPEN LOG"};
    for (int j = 0; j < 4; ++j) {
        ImGui::SetCursorScreenPos(at(c, 18, 36 + kQuickPitch * (float)j));
        ImGui::PushID(kQuickActionId + j);
        bool pressed = pill_button(labels[j], false, nw - ui(36));
        ImGui::PopID();
        if (!pressed)
            continue;
        switch (j) {
        case 0: page_detect_installations(); break;
        case 1: page_open_selected_folder(); break;
        case 2: action_paste_link(); break;
        case 3: g_app.current_page = Page::Log; break;
        }
    }
}

// [SECTION] Page
void draw_dashboard_page(float width)
{
    ImVec2 o = ImGui::GetCursorScreenPos();
    float gap = ui(kGap);
    float cw = (width - 2 * gap) / 3;
    float ww = kWideShare * width;
    float nw = width - ww - gap;

    stat_row(o, cw);
    quick_launch_card(at(o, 0, kRow2Top), ww);
    state_card(ImVec2(o.x + ww + gap, o.y + ui(kRow2Top)), nw);
    recent_actions_card(at(o, 0, kRow3Top), ww);
    quick_actions_card(ImVec2(o.x + ww + gap, o.y + ui(kRow3Top)), nw);
}
