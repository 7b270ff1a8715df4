// The drawing kit shared by the shell and the pages: cards, rows, buttons, icons, glow and toast.
// Stateless: everything is drawn again each frame from AppState.
#include <algorithm>
#include <cmath>

#include "app/app_state.h"
#include "platform/platform.h"
#include "shell/kit.h"

static const float kPi = 3.14159265358979f;

ImU32 level_colour(int32_t level)
{
    if (level == JournalLevel::Error) return kColError;
    if (level == JournalLevel::Success) return kColSuccess;
    return kColGrey;
}

// [SECTION] Cards and rows
void draw_card(ImVec2 pos, ImVec2 size, ImU32 fill)
{
    ImDrawList* list = ImGui::GetWindowDrawList();
    const float r = ui(12);
    ImVec2 end(pos.x + size.x, pos.y + size.y);
    list->AddRectFilled(pos, end, fill, r);
    list->AddRect(pos, end, kColBorder, r, 0, 1.0f);
    list->AddLine(ImVec2(pos.x + r, pos.y + 1.0f), ImVec2(pos.x + size.x - r, pos.y + 1.0f), 0x08ffffff, 1.0f);
}

void section_label(const char* text, ImVec2 screen_pos)
{
    ImGui::SetCursorScreenPos(screen_pos);
    push_font(FontSlot::Caption, 9);
    ImGui::PushStyleColor(ImGuiCol_Text, kColMuted);
    ImGui::TextUnformatted(text);
    ImGui::PopStyleColor();
    pop_font();
}

void kv_row(const char* label, const std::string& value)
{
    const float w = ImGui::GetContentRegionAvail().x;
    const ImVec2 p = ImGui::GetCursorScreenPos();
    ImGui::Dummy(ImVec2(w, ui(25)));
    ImDrawList* list = ImGui::GetWindowDrawList();
    draw_text(list, FontSlot::Caption, 10, ImVec2(p.x + ui(2), p.y + ui(7)), kColMuted, label);
    std::string v = ellipsize(value, FontSlot::Body, 12, w - ui(180));
    float vw = text_size(FontSlot::Body, 12, v).x;
    draw_text(list, FontSlot::Body, 12, ImVec2(p.x + w - ui(2) - vw, p.y + ui(4)), kColText, v);
    list->AddLine(ImVec2(p.x, p.y + ui(25)), ImVec2(p.x + w, p.y + ui(25)), 0x0affffff, 1.0f);
}

// [SECTION] Buttons
bool pill_button(const char* label, bool active, float width)
{
    ImGui::PushStyleVar(ImGuiStyleVar_FrameRounding, ui(8));
    ImGui::PushStyleVar(ImGuiStyleVar_FramePadding, ImVec2(ui(12), ui(8)));
    ImGui::PushStyleColor(ImGuiCol_Button, active ? kColAccent : kColPanel);
    ImGui::PushStyleColor(ImGuiCol_ButtonHovered, active ? kColAccentLight : kColPanelHover);
    ImGui::PushStyleColor(ImGuiCol_ButtonActive, active ? kColAccentLight : kColPanelHover);
    ImGui::PushStyleColor(ImGuiCol_Text, active ? kColOnAccent : kColText);
    push_font(FontSlot::SemiBold, 11.5f);
    bool clicked = ImGui::Button(label, ImVec2(width, ui(30)));
    pop_font();
    ImGui::PopStyleColor(4);
    ImGui::PopStyleVar(2);
    return clicked;
}

// Right-aligned on the current line, ending 26 px before the window's right edge.
int button_bar(const std::vector<BarItem>& items)
{
    const float gap = ui(8);
    float total = 0.0f;
    for (const BarItem& item : items)
        total += text_size(FontSlot::SemiBold, 11.5f, item.label).x + ui(24) + gap;
    ImGui::SameLine(ImGui::GetWindowWidth() - (total - gap) - ui(26));
    int clicked = -1;
    for (size_t i = 0; i < items.size(); i++) {
        if (i > 0)
            ImGui::SameLine(0.0f, gap);
        ImGui::PushID(900 + (int)i);
        float w = text_size(FontSlot::SemiBold, 11.5f, items[i].label).x + ui(24);
        if (pill_button(items[i].label, items[i].active, w))
            clicked = (int)i;
        ImGui::PopID();
    }
    return clicked;
}

// [SECTION] Icons
// Geometry in units of half the icon size, y down, around the centre.
void draw_icon(ImDrawList* list, ImVec2 c, float size, int32_t icon, ImU32 k, float base_thickness)
{
    const float h = size * 0.5f;
    const float t = base_thickness * g_app.ui_scale;
    auto at = [&](float x, float y) { return ImVec2(c.x + x * h, c.y + y * h); };
    auto line = [&](float x0, float y0, float x1, float y1, ImU32 col) { list->AddLine(at(x0, y0), at(x1, y1), col, t); };

    switch (icon) {
    case Icon::Gauge: {
        const float ox = 0.0f, oy = 0.3f, R = 0.86f;
        list->PathArcTo(at(ox, oy), R * h, kPi, 2.0f * kPi, 28);
        list->PathStroke(k, 0, t);
        const float a = 1.72f * kPi;
        line(ox, oy, ox + 0.62f * R * std::cos(a), oy + 0.62f * R * std::sin(a), k);
        list->AddCircleFilled(at(ox, oy), 1.6f * t, k, 12);
        for (float tick : {kPi, 1.5f * kPi, 2.0f * kPi}) {
            float cs = std::cos(tick), sn = std::sin(tick);
            line(ox + 0.78f * R * cs, oy + 0.78f * R * sn, ox + 0.94f * R * cs, oy + 0.94f * R * sn, with_alpha(k, 128));
        }
        break;
    }
    case Icon::Globe: {
        const float R = 0.82f;
        list->AddCircle(c, R * h, k, 24, t);
        list->AddEllipse(c, ImVec2(0.46f * R * h, R * h), k, 0.0f, 24, t);
        line(-R, 0.0f, R, 0.0f, with_alpha(k, 184));
        line(-0.86f * R, -0.5f * R, 0.86f * R, -0.5f * R, with_alpha(k, 115));
        line(-0.86f * R, 0.5f * R, 0.86f * R, 0.5f * R, with_alpha(k, 115));
        break;
    }
    case Icon::Layers:
        for (int j = 0; j < 3; j++) {
            const float y = -0.42f + 0.4f * (float)j;
            ImVec2 p[4] = {at(0.0f, y - 0.22f), at(0.74f, y), at(0.0f, y + 0.22f), at(-0.74f, y)};
            list->AddPolyline(p, 4, j == 0 ? k : with_alpha(k, 140), ImDrawFlags_Closed, t);
        }
        break;
    case Icon::Terminal:
        list->AddRect(at(-0.82f, -0.66f), at(0.82f, 0.66f), k, 0.2f * h, 0, t);
        line(-0.5f, -0.22f, -0.22f, 0.0f, k);
        line(-0.22f, 0.0f, -0.5f, 0.22f, k);
        line(-0.04f, 0.3f, 0.44f, 0.3f, with_alpha(k, 204));
        break;
    case Icon::Shield: {
        ImVec2 p[6] = {at(0.0f, -0.84f), at(0.72f, -0.5f), at(0.62f, 0.28f), at(0.0f, 0.86f), at(-0.62f, 0.28f), at(-0.72f, -0.5f)};
        list->AddPolyline(p, 6, k, ImDrawFlags_Closed, t);
        line(-0.26f, 0.02f, -0.05f, 0.22f, k);
        line(-0.05f, 0.22f, 0.34f, -0.24f, k);
        break;
    }
    case Icon::Bolt: {
        ImVec2 p[6] = {at(0.16f, -0.88f), at(-0.56f, 0.10f), at(-0.08f, 0.10f), at(-0.24f, 0.88f), at(0.58f, -0.14f), at(0.08f, -0.14f)};
        list->AddConvexPolyFilled(p, 6, k);
        break;
    }
    case Icon::Close:
        line(0.42f, 0.42f, -0.42f, -0.42f, k);
        line(-0.42f, 0.42f, 0.42f, -0.42f, k);
        break;
    case Icon::Minimise:
        line(-0.44f, 0.0f, 0.44f, 0.0f, k);
        break;
    case Icon::Maximise:
        list->AddRect(at(-0.36f, -0.36f), at(0.36f, 0.36f), k, ui(1.5f), 0, t);
        break;
    default:
        break;
    }
}

// [SECTION] Backdrop
// Stacked faint discs, largest first, read as one soft glow.
void draw_glow(ImDrawList* list, ImVec2 centre, float radius, ImU32 colour, int rings)
{
    const int n = std::max(rings, 1);
    for (int i = 0; i < n; i++) {
        const float f = (float)i / (float)n;
        const int alpha = (int)((0.009f * f + 0.009f) * 255.0f + 0.5f);
        list->AddCircleFilled(centre, (1.0f - 0.82f * f) * radius, with_alpha(colour, alpha), 64);
    }
}

// Every layer of the backdrop is a large fill, and a software rasteriser pays for each pixel of each
// layer: where opaque panels lie on top it is not painted at all.
void draw_backdrop(ImDrawList* list, ImVec2 size, const std::vector<BackdropBand>& shown)
{
    const float w = size.x, h = size.y;
    const std::vector<BackdropBand> whole = {{ImVec2(0, 0), size}};
    const ImU32 clear = with_alpha(kColAccent, 0);
    for (const BackdropBand& band : shown.empty() ? whole : shown) {
        list->PushClipRect(band.min, band.max, true);
        list->AddRectFilled(ImVec2(0, 0), ImVec2(w, h), kColBackdrop);
        draw_glow(list, ImVec2(0.88f * w, -0.22f * h), 0.62f * h, kColAccent, 10);
        list->AddRectFilledMultiColor(ImVec2(0, 0), ImVec2(0.45f * w, ui(1)), with_alpha(kColAccent, 140), clear, clear, clear);
        list->PopClipRect();
    }
}

// [SECTION] Status toast
// Opaque until its last second, then fades out; drawn above everything.
void draw_status_toast(float right, float bottom)
{
    const uint64_t now = tick_ms();
    if (g_app.status_until == 0 || now >= g_app.status_until)
        return;
    const float remaining = (float)(g_app.status_until - now) / 1000.0f;
    const float f = std::min(remaining, 1.0f) * 255.0f;
    const int alpha = (int)f;
    const int box_alpha = (int)(f + 0.5f);

    ImU32 level = kColAccent;
    if (g_app.status_level == JournalLevel::Error) level = kColError;
    else if (g_app.status_level == JournalLevel::Success) level = kColSuccess;

    const ImVec2 ts = text_size(FontSlot::Caption, 10, g_app.status_text);
    const float bw = ts.x + ui(44), bh = ui(40);
    const float left = right - bw - ui(24), top = bottom - ui(80);
    ImDrawList* list = ImGui::GetForegroundDrawList();
    list->AddRectFilled(ImVec2(left, top), ImVec2(left + bw, top + bh), with_alpha(kColPanel, box_alpha), ui(6));
    list->AddRect(ImVec2(left, top), ImVec2(left + bw, top + bh), with_alpha(kColBorder, box_alpha), ui(6), 0, 1.0f);
    list->AddRectFilled(ImVec2(left, top), ImVec2(left + ui(3), top + bh), with_alpha(level, alpha), ui(1.5f));
    draw_text(list, FontSlot::Caption, 10, ImVec2(left + ui(18), top + (bh - ts.y) / 2.0f), with_alpha(kColText, alpha), g_app.status_text);
}
