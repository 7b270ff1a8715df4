// Roblox page: the detected versions, the launch settings and the two flag commands.
#include <algorithm>
#include <cmath>
#include <string>

#include "app/app_state.h"
#include "app/journal.h"
#include "app/settings.h"
#include "links/launch.h"
#include "pages/page_parts.h"
#include "pages/page_values.h"
#include "pages/pages.h"
#include "roblox/flags.h"
#include "roblox/installations.h"

// [SECTION] Layout (points) and colours
namespace {
constexpr float kWideShare = 0.58f;      // installations card, share of the width
constexpr float kCardGap = 16;
constexpr float kCardHeight = 340;
constexpr float kListHeight = 288;       // "##installs" inside the card
constexpr float kRowHeight = 64;
constexpr float kNotesTop = 356;         // WHAT THE LAUNCHER WRITES, below the cards
constexpr float kInputRounding = 7;
constexpr float kFlagButtonWidth = 110;
constexpr int kRowId = 300;

constexpr float kSwitchW = 36, kSwitchH = 20, kKnobRadius = 6;
constexpr ImU32 kColTrackOff      = 0xff302226;   // #262230
constexpr ImU32 kColTrackOffHover = 0xff402f34;   // #342F40
constexpr ImU32 kColKnobOn        = 0xff050a0d;   // #0D0A05
constexpr ImU32 kColKnobOff       = 0xffc6b8ba;   // #BAB8C6

const char* const kQualityLabels[kQualityLevels] = {
    "1 / minimum", "2", "3", "4", "5 / medium", "6", "7", "8", "9", "10 / maximum"};
}

// [SECTION] Toggle switch
bool toggle_switch(const char* id, bool value)
{
    ImVec2 p = ImGui::GetCursorScreenPos();
    ImVec2 size(ui(kSwitchW), ui(kSwitchH));
    ImGui::InvisibleButton(id, size);
    bool clicked = ImGui::IsItemClicked(ImGuiMouseButton_Left);
    bool hovered = ImGui::IsItemHovered();

    // The knob glides towards its end; only its position outlives the frame.
    float target = value ? 1.0f : 0.0f;
    float* knob = ImGui::GetStateStorage()->GetFloatRef(ImGui::GetID(id), target);
    float a = std::exp(-24.0f * std::min(ImGui::GetIO().DeltaTime, 0.1f));
    *knob += (1.0f - a) * (target - *knob);
    if (std::fabs(target - *knob) < 0.002f)
        *knob = target;
    float k = *knob;

    ImDrawList* list = ImGui::GetWindowDrawList();
    ImVec2 end(p.x + size.x, p.y + size.y);
    ImU32 track = value ? (hovered ? kColAccentLight : kColAccent) : (hovered ? kColTrackOffHover : kColTrackOff);
    list->AddRectFilled(p, end, track, size.y / 2);
    if (value)
        list->AddRect(p, end, with_alpha(kColAccentLight, 89), size.y / 2, 0, 1.0f);
    list->AddCircleFilled(ImVec2(p.x + ui(10 + 16 * k), p.y + ui(10)), ui(kKnobRadius), value ? kColKnobOn : kColKnobOff, 24);

    return clicked ? !value : value;
}

// [SECTION] Installations
static void installation_row(int32_t i, float ww)
{
    float rw = ww - ui(32);
    const Installation& inst = g_app.installations[(size_t)i];
    ImGui::PushID(kRowId + i);
    ImVec2 r = ImGui::GetCursorScreenPos();
    ImGui::InvisibleButton("##install", ImVec2(rw, ui(kRowHeight)));
    bool hovered = ImGui::IsItemHovered();
    if (ImGui::IsItemClicked(ImGuiMouseButton_Left))
        select_installation(i);
    bool selected = i == g_app.selected_install;

    ImDrawList* list = ImGui::GetWindowDrawList();
    ImVec2 end(r.x + rw, r.y + ui(kRowHeight));
    if (selected) {
        list->AddRectFilled(r, end, with_alpha(kColAccent, 18), ui(8));
        list->AddRectFilled(r, at(r, 3, kRowHeight), kColAccent, ui(2));
    } else if (hovered) {
        list->AddRectFilled(r, end, with_alpha(kColPanelHover, 230), ui(8));
    }

    ImVec2 ring = at(r, 22, 22);
    list->AddCircle(ring, ui(5), selected ? kColAccent : kColMuted, 20, ui(1.4f));
    if (selected)
        list->AddCircleFilled(ring, ui(2.5f), kColAccent);

    page_text(r, 38, 12, FontSlot::SemiBold, 13.5f, selected ? kColText : kColGrey, inst.version);
    page_caption(r, 38, 34, ellipsize(inst.folder_name, FontSlot::Caption, 9, ww - ui(190)));

    const char* badge = inst.has_flag_file ? "FLAGS" : "CLEAN";
    push_font(FontSlot::Caption, 9);
    float tw = ImGui::CalcTextSize(badge).x;
    ImVec2 b(r.x + rw - ui(20) - tw, r.y + ui(20));
    list->AddRectFilled(b, ImVec2(b.x + tw + ui(12), b.y + ui(18)),
                        inst.has_flag_file ? with_alpha(kColSuccess, 18) : kColPanel, ui(4));
    page_text(b, 6, 4, FontSlot::Caption, 9, inst.has_flag_file ? kColSuccess : kColMuted, badge);
    pop_font();

    page_rule(ImVec2(r.x + ui(18), r.y + ui(kRowHeight)), ImVec2(r.x + rw - ui(2), r.y + ui(kRowHeight)));
    ImGui::PopID();
}

static void installations_card(ImVec2 c, float ww)
{
    ImGui::SetCursorScreenPos(c);
    page_card(ImVec2(ww, ui(kCardHeight)), "INSTALLATIONS FOUND");
    ImGui::SetCursorScreenPos(at(c, 16, 36));
    ImGui::BeginChild("##installs", ImVec2(ww - ui(32), ui(kListHeight)));
    if (g_app.installations.empty()) {
        page_empty_note("No Roblox version detected.",
                        "Install Roblox, then run detection again. The launcher searches "
                        "%LOCALAPPDATA%\\Roblox\\Versions and in Program Files.");
    } else {
        for (size_t i = 0; i < g_app.installations.size(); ++i)
            installation_row((int32_t)i, ww);
    }
    ImGui::EndChild();
}

// [SECTION] Launch flags
static void launch_flags_card(ImVec2 c, float fw)
{
    LaunchSettings& launch = g_app.launch;
    ImGui::SetCursorScreenPos(c);
    page_card(ImVec2(fw, ui(kCardHeight)), "LAUNCH FLAGS");
    page_caption(c, 18, 38, "frame rate limit");

    ImGui::SetCursorScreenPos(at(c, 18, 52));
    ImGui::PushStyleVar(ImGuiStyleVar_FrameRounding, ui(kInputRounding));
    ImGui::SetNextItemWidth(fw - ui(36));
    if (ImGui::SliderInt("##fps", &launch.fps, kFpsMin, kFpsMax, "%d fps"))
        launch.fps = fps_to_tens(launch.fps);
    if (ImGui::IsItemDeactivatedAfterEdit())   // dragging alone writes nothing
        save_settings();

    page_caption(c, 18, 96, "graphics quality");
    ImGui::SetCursorScreenPos(at(c, 18, 110));
    ImGui::SetNextItemWidth(fw - ui(36));
    int index = quality_index(launch.quality);
    if (ImGui::Combo("##quality", &index, kQualityLabels, kQualityLevels)) {
        launch.quality = index + 1;
        save_settings();
    }

    ImGui::SetCursorScreenPos(at(c, 18, 152));
    bool flags = toggle_switch("##writeflags", launch.flags);
    if (flags != launch.flags) {
        launch.flags = flags;
        save_settings();
    }
    ImGui::SameLine(0, ui(10));
    ImGui::SetCursorScreenPos(at(c, 66, 153));
    ImGui::PushStyleColor(ImGuiCol_Text, kColGrey);
    ImGui::TextUnformatted("write flags before launch");
    ImGui::PopStyleColor();
    ImGui::PopStyleVar();

    page_caption(c, 18, 188, "extra arguments");
    ImGui::SetCursorScreenPos(at(c, 18, 202));
    char args[512];
    copy_to_buffer(args, launch.args);
    ImGui::SetNextItemWidth(fw - ui(36));
    if (ImGui::InputText("##args", args, sizeof(args))) {
        launch.args = args;
        save_settings();
    }

    ImGui::SetCursorScreenPos(at(c, 18, 244));
    if (pill_button("APPLY", true, ui(kFlagButtonWidth)))
        action_apply_flags();
    ImGui::SameLine(0, ui(8));
    if (pill_button("RESTORE", false, ui(kFlagButtonWidth)))
        action_restore_flags();

    page_caption(c, 18, 288, ".bak backup / restart roblox");
    page_caption(c, 18, 302, flag_file_status());
}

// [SECTION] Page
void draw_roblox_page(float width)
{
    page_heading("ROBLOX VERSIONS");
    int pressed = button_bar({{"DETECT", true}, {"OPEN FOLDER", false}});
    if (pressed == 0)
        page_detect_installations();
    else if (pressed == 1)
        page_open_selected_folder();

    ImGui::Dummy(ImVec2(0, ui(12)));
    ImVec2 p = ImGui::GetCursorScreenPos();
    float ww = kWideShare * width;
    float fw = width - ww - ui(kCardGap);
    installations_card(p, ww);
    launch_flags_card(ImVec2(p.x + ww + ui(kCardGap), p.y), fw);

    ImGui::SetCursorScreenPos(at(p, 0, kNotesTop));
    page_heading("WHAT THE LAUNCHER WRITES");
    ImGui::Dummy(ImVec2(0, ui(6)));
    page_wrapped("Only two keys, in ClientAppSettings.json of the selected version: DFIntTaskSchedulerTargetFps "
                 "for the frame limit and DFIntDebugFRMQualityLevelOverride for quality. The original file is "
                 "backed up once; RESTORE puts it back. Roblox reads these keys at startup, not live.",
                 kColGrey);
}
