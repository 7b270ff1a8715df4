// The root layout: backdrop, drag strip, sidebar, page header and body, footer, window buttons, toast.
#include "shell/root.h"

#include <windows.h>
#include <cctype>
#include <cstdio>
#include <string>

#include "app/app_state.h"
#include "pages/pages.h"
#include "shell/kit.h"

// [SECTION] Layout numbers (base pixels)
static const float kSidebarWidth = 236.0f;
static const float kChromeWidth = 120.0f;
static const float kChromeHeight = 48.0f;
static const float kDragHeight = 44.0f;
static const float kHeaderHeight = 116.0f;
static const float kFooterHeight = 32.0f;
static const float kNavItemHeight = 38.0f;
static const float kNavSpacing = 3.0f;
static const char* kVersion = "2.0.0";
static const ImGuiWindowFlags kRootFlags = 0x2203F;    // NoTitleBar..NoCollapse, NoBringToFrontOnFocus, NoNavFocus
static const ImGuiWindowFlags kChromeFlags = 0x2019F;  // NoTitleBar..NoScrollWithMouse, NoBackground, NoSavedSettings, NoNavFocus

// [SECTION] Pages
struct PageInfo {
    const char* label;
    const char* subtitle;
    int32_t icon;
    void (*draw)(float width);
};

static const PageInfo kPages[Page::Count] = {
    {"Dashboard", "SYSTEM OVERVIEW", Icon::Gauge, draw_dashboard_page},
    {"Roblox", "VERSION & FLAGS", Icon::Bolt, draw_roblox_page},
    {"Links", "SERVERS", Icon::Globe, draw_links_page},
    {"Instances", "PROCESS", Icon::Layers, draw_instances_page},
    {"Log", "SESSION", Icon::Terminal, draw_log_page},
    {"About", "BUILD 07", Icon::Shield, draw_about_page},
};

static bool valid_page(int32_t page) { return page >= 0 && page < Page::Count; }

const char* page_label(int32_t page) { return valid_page(page) ? kPages[page].label : ""; }
const char* page_subtitle(int32_t page) { return valid_page(page) ? kPages[page].subtitle : ""; }

static std::string upper(const char* text)
{
    std::string out = text;
    for (char& ch : out)
        ch = (char)std::toupper((unsigned char)ch);
    return out;
}

static void draw_right_aligned(ImDrawList* list, float right, float y, ImU32 colour, const char* text)
{
    float w = text_size(FontSlot::Caption, 9, text).x;
    draw_text(list, FontSlot::Caption, 9, ImVec2(right - w, y), colour, text);
}

// [SECTION] Drag strip
// The window has no caption: pressing on the top strip and dragging hands the move to the system.
// The sidebar and main children cover the root's strip, so each window repeats it over its own
// part of the rectangle; the library then routes the press to whichever window lies on top.
static void drag_strip(ImVec2 screen_min, ImVec2 screen_max)
{
    if (screen_max.x <= screen_min.x || screen_max.y <= screen_min.y)
        return;
    ImVec2 cursor = ImGui::GetCursorScreenPos();
    ImGui::SetCursorScreenPos(screen_min);
    ImGui::InvisibleButton("##drag", ImVec2(screen_max.x - screen_min.x, screen_max.y - screen_min.y));
    bool drag = ImGui::IsItemActive() && ImGui::IsMouseDragging(ImGuiMouseButton_Left);
    ImGui::SetCursorScreenPos(cursor);
    if (!drag || !g_app.window)
        return;
    ReleaseCapture();
    SendMessageW(g_app.window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
    // The system's move loop swallowed the button release; tell the library, or the strip stays held.
    ImGui::GetIO().AddMouseButtonEvent(ImGuiMouseButton_Left, false);
}

// [SECTION] Sidebar
static void draw_glance_card(ImDrawList* list, float x, float y)
{
    const float sw = ui(kSidebarWidth);
    const float g = y + ui(112) + 6.0f * ui(kNavItemHeight + kNavSpacing) + ui(10);
    draw_text(list, FontSlot::Caption, 9, ImVec2(x + ui(22), g), kColMuted, "AT A GLANCE");
    const ImVec2 card(x + ui(14), g + ui(16));
    const ImVec2 card_end(card.x + sw - ui(28), card.y + ui(104));
    list->AddRectFilled(card, card_end, kColPanel, ui(10));
    list->AddRect(card, card_end, kColBorder, ui(10), 0, 1.0f);

    const int instances = (int)g_app.instances.size();
    struct Row { const char* caption; int count; ImU32 colour; };
    const Row rows[3] = {
        {"INSTALLS", (int)g_app.installations.size(), kColText},
        {"INSTANCES", instances, instances > 0 ? kColSuccess : kColMuted},
        {"LINKS", (int)g_app.saved_links.size(), kColText},
    };
    for (int j = 0; j < 3; j++) {
        const float ry = card.y + ui(14) + ui(30) * (float)j;
        draw_text(list, FontSlot::Caption, 9, ImVec2(card.x + ui(12), ry), kColMuted, rows[j].caption);
        char count[16];
        std::snprintf(count, sizeof(count), "%d", rows[j].count);
        draw_right_aligned(list, card_end.x - ui(12), ry, rows[j].colour, count);
    }
}

static void draw_session_card(ImDrawList* list, float x, float y, float height)
{
    const float sw = ui(kSidebarWidth);
    const float c = y + height - ui(138);
    draw_text(list, FontSlot::Caption, 9, ImVec2(x + ui(22), c - ui(22)), kColMuted, "SESSION");
    const ImVec2 card(x + ui(14), c);
    const ImVec2 card_end(card.x + sw - ui(28), c + ui(62));
    list->AddRectFilled(card, card_end, kColPanel, ui(10));
    list->AddRect(card, card_end, kColBorder, ui(10), 0, 1.0f);
    const ImVec2 tile(card.x + ui(12), c + ui(12));
    list->AddRectFilled(tile, ImVec2(tile.x + ui(32), tile.y + ui(32)), kColPanelHover, ui(8));
    draw_icon(list, ImVec2(tile.x + ui(16), tile.y + ui(16)), ui(15), Icon::Shield, kColAccent, 1.4f);
    draw_text(list, FontSlot::SemiBold, 12, ImVec2(tile.x + ui(42), tile.y + ui(1)), kColText, "LOCAL SESSION");
    draw_text(list, FontSlot::Caption, 9, ImVec2(tile.x + ui(42), tile.y + ui(18)), kColMuted, "STANDARD USER");
    list->AddCircleFilled(ImVec2(card_end.x - ui(13), c + ui(31)), ui(3.5f), kColAccent, 12);
}

void draw_sidebar(float height)
{
    const float sw = ui(kSidebarWidth);
    ImGui::SetCursorPos(ImVec2(0, 0));
    ImGui::PushStyleColor(ImGuiCol_ChildBg, 0xff110b0cu);
    ImGui::BeginChild("##sidebar", ImVec2(sw, height), ImGuiChildFlags_None,
                      ImGuiWindowFlags_NoScrollbar | ImGuiWindowFlags_NoScrollWithMouse);
    const ImVec2 o = ImGui::GetCursorScreenPos();
    const float x = o.x, y = o.y;
    ImDrawList* list = ImGui::GetWindowDrawList();
    drag_strip(o, ImVec2(x + sw, y + ui(kDragHeight)));

    // Brand
    const ImVec2 b(x + ui(22), y + ui(22));
    list->AddRectFilled(b, ImVec2(b.x + ui(32), b.y + ui(32)), kColPanel, ui(9));
    list->AddRect(b, ImVec2(b.x + ui(32), b.y + ui(32)), 0x4d24a5f5, ui(9), 0, 1.0f);
    const char* brand = "larkspire";
    const std::string initial(1, (char)std::toupper((unsigned char)brand[0]));
    draw_text(list, FontSlot::Display, 17, ImVec2(b.x + ui(10), b.y + ui(5)), kColAccent, initial);
    draw_text(list, FontSlot::SemiBold, 14, ImVec2(b.x + ui(44), b.y + ui(2)), kColText, brand);
    char version_line[48];
    std::snprintf(version_line, sizeof(version_line), "LAUNCHER / %s", kVersion);
    draw_text(list, FontSlot::Caption, 9, ImVec2(b.x + ui(44), b.y + ui(21)), kColMuted, version_line);

    list->AddLine(ImVec2(x + ui(22), y + ui(74)), ImVec2(x + sw - ui(22), y + ui(74)), kColBorder, 1.0f);
    draw_text(list, FontSlot::Caption, 9, ImVec2(x + ui(22), y + ui(94)), kColMuted, "WORKSPACE");

    // Navigation
    ImGui::SetCursorScreenPos(ImVec2(x + ui(14), y + ui(112)));
    ImGui::PushStyleVar(ImGuiStyleVar_ItemSpacing, ImVec2(0, ui(kNavSpacing)));
    const float item_w = sw - ui(28), item_h = ui(kNavItemHeight);
    for (int i = 0; i < Page::Count; i++) {
        ImGui::PushID(i);
        // A new line starts at the window's left edge; every item keeps the 14 px inset.
        ImGui::SetCursorScreenPos(ImVec2(x + ui(14), ImGui::GetCursorScreenPos().y));
        const ImVec2 p = ImGui::GetCursorScreenPos();
        ImGui::InvisibleButton("##nav", ImVec2(item_w, item_h));
        const bool hovered = ImGui::IsItemHovered();
        const bool selected = (i == g_app.current_page);
        const ImVec2 p_end(p.x + item_w, p.y + item_h);
        if (selected) {
            list->AddRectFilled(p, p_end, kColPanel, ui(8));
            list->AddRectFilled(ImVec2(p.x + ui(1), p.y + ui(10)), ImVec2(p.x + ui(3), p.y + ui(28)), kColAccent, ui(1));
        } else if (hovered) {
            list->AddRectFilled(p, p_end, 0x8c171012, ui(8));
        }
        const ImU32 label_colour = selected ? kColText : hovered ? kColGrey : kColMuted;
        draw_icon(list, ImVec2(p.x + ui(20), p.y + ui(19)), ui(15), kPages[i].icon, selected ? kColAccent : label_colour, 1.3f);
        draw_text(list, FontSlot::SemiBold, 12.5f, ImVec2(p.x + ui(38), p.y + (item_h - ui(12.5f)) / 2.0f), label_colour, kPages[i].label);
        if (ImGui::IsItemClicked(ImGuiMouseButton_Left))
            g_app.current_page = i;
        ImGui::PopID();
    }
    ImGui::PopStyleVar();

    if (height > ui(660))
        draw_glance_card(list, x, y);
    if (height > ui(500))
        draw_session_card(list, x, y, height);

    // Footer
    list->AddLine(ImVec2(x + ui(22), y + height - ui(52)), ImVec2(x + sw - ui(22), y + height - ui(52)), kColBorder, 1.0f);
    const std::string footer = std::string("V") + kVersion + " / NATIVE";
    draw_text(list, FontSlot::Caption, 9, ImVec2(x + ui(22), y + height - ui(36)), kColMuted, footer);
    draw_right_aligned(list, x + sw - ui(22), y + height - ui(36), kColSuccess, "READY");

    ImGui::EndChild();
    ImGui::PopStyleColor();
}

// [SECTION] Main area
static void draw_header(ImDrawList* list, float W, float H)
{
    const float x0 = ui(kSidebarWidth) + ui(28);
    const char* label = page_label(g_app.current_page);
    const float ws = text_size(FontSlot::Caption, 9, "WORKSPACE").x;
    draw_text(list, FontSlot::Caption, 9, ImVec2(x0, ui(24)), kColMuted, "WORKSPACE");
    draw_text(list, FontSlot::Caption, 9, ImVec2(x0 + ws + ui(10), ui(24)), kColMuted, "/");
    draw_text(list, FontSlot::Caption, 9, ImVec2(x0 + ws + ui(20), ui(24)), kColGrey, upper(label));
    draw_text(list, FontSlot::Display, 26, ImVec2(x0, ui(48)), kColText, label);
    draw_text(list, FontSlot::Caption, 9, ImVec2(x0, ui(87)), kColMuted, page_subtitle(g_app.current_page));

    const char* badge = g_app.demo_mode ? "DEMO MODE" : "READY";
    const float bx = W - ui(28) - text_size(FontSlot::Caption, 9, badge).x;
    list->AddCircleFilled(ImVec2(bx - ui(10), ui(66)), ui(3), kColSuccess, 12);
    draw_text(list, FontSlot::Caption, 9, ImVec2(bx, ui(62)), kColSuccess, badge);

    const float left = ui(kSidebarWidth);
    list->AddLine(ImVec2(left, ui(kHeaderHeight)), ImVec2(W, ui(kHeaderHeight)), kColBorder, 1.0f);
    list->AddRectFilled(ImVec2(left, ui(kHeaderHeight + 1)), ImVec2(W, H - ui(kFooterHeight)), kColBackdrop);
    list->AddLine(ImVec2(left, H - ui(kFooterHeight)), ImVec2(W, H - ui(kFooterHeight)), kColBorder, 1.0f);
}

static void draw_body(float W, float H)
{
    const float left = ui(kSidebarWidth);
    ImGui::PushStyleVar(ImGuiStyleVar_WindowPadding, ImVec2(ui(28), ui(22)));
    ImGui::SetCursorScreenPos(ImVec2(left, ui(kHeaderHeight + 1)));
    ImGui::BeginChild("##body", ImVec2(W - left, H - ui(kHeaderHeight + 1 + kFooterHeight)), ImGuiChildFlags_AlwaysUseWindowPadding);
    if (valid_page(g_app.current_page))
        kPages[g_app.current_page].draw(W - left - ui(56));
    ImGui::EndChild();
    ImGui::PopStyleVar();
}

static void draw_footer(ImDrawList* list, float W, float H)
{
    const float left = ui(kSidebarWidth);
    list->AddCircleFilled(ImVec2(left + ui(32), H - ui(16)), ui(3), kColSuccess);
    draw_text(list, FontSlot::Caption, 9, ImVec2(left + ui(42), H - ui(20)), kColMuted, "READY");
    draw_right_aligned(list, W - ui(28), H - ui(20), kColMuted, "V2.0.0 / WINDOWS 11");
}

// [SECTION] Window buttons
static void toggle_maximised()
{
    HWND hwnd = g_app.window;
    if (!hwnd)
        return;
    int32_t* r = g_app.restore_rect;
    if (!g_app.maximised) {
        // The window rectangle, not the placement's normal rectangle: that one is in workspace
        // coordinates, which are off by the taskbar when it sits at the top or left.
        RECT rect;
        if (!GetWindowRect(hwnd, &rect))
            return;
        MONITORINFO info = {};
        info.cbSize = sizeof(info);
        if (!GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &info))
            return;
        r[0] = rect.left; r[1] = rect.top; r[2] = rect.right; r[3] = rect.bottom;
        const RECT& work = info.rcWork;
        SetWindowPos(hwnd, nullptr, work.left, work.top, work.right - work.left, work.bottom - work.top, SWP_NOZORDER | SWP_FRAMECHANGED);
        g_app.maximised = true;
    } else {
        SetWindowPos(hwnd, nullptr, r[0], r[1], r[2] - r[0], r[3] - r[1], SWP_NOZORDER | SWP_FRAMECHANGED);
        g_app.maximised = false;
    }
}

// One 28 px square at (left, 16); returns whether it was clicked, reports hover.
static bool chrome_button(const char* id, float left, bool* hovered)
{
    ImGui::SetCursorScreenPos(ImVec2(left, ui(16)));
    ImGui::InvisibleButton(id, ImVec2(ui(28), ui(28)));
    *hovered = ImGui::IsItemHovered();
    return ImGui::IsItemClicked(ImGuiMouseButton_Left);
}

void draw_chrome(float width)
{
    ImDrawList* list = ImGui::GetForegroundDrawList();
    const float size = ui(28);
    struct Button { const char* id; float offset; ImU32 hover_fill; int32_t icon; ImU32 hover_colour; };
    const Button buttons[3] = {
        {"##close", 40, 0x145c5cff, Icon::Close, kColError},
        {"##max", 70, 0xe622171a, Icon::Maximise, kColText},
        {"##min", 100, 0xe622171a, Icon::Minimise, kColText},
    };
    for (int i = 0; i < 3; i++) {
        const Button& b = buttons[i];
        const float left = width - ui(b.offset);
        bool hovered = false;
        const bool clicked = chrome_button(b.id, left, &hovered);
        if (hovered)
            list->AddRectFilled(ImVec2(left, ui(16)), ImVec2(left + size, ui(16) + size), b.hover_fill, ui(5));
        draw_icon(list, ImVec2(left + size / 2.0f, ui(16) + size / 2.0f), ui(12), b.icon, hovered ? b.hover_colour : kColGrey, 1.3f);
        if (!clicked)
            continue;
        if (i == 0)
            PostQuitMessage(0);
        else if (i == 1)
            toggle_maximised();
        else if (g_app.window)
            ShowWindow(g_app.window, SW_MINIMIZE);
    }
}

// [SECTION] Root
void draw_root()
{
    const ImVec2 display = ImGui::GetIO().DisplaySize;
    const float W = display.x, H = display.y;
    const float left = ui(kSidebarWidth);

    ImGui::SetNextWindowPos(ImVec2(0, 0));
    ImGui::SetNextWindowSize(ImVec2(W, H));
    // The backdrop covers the root's own background everywhere, so it is not painted first.
    ImGui::SetNextWindowBgAlpha(0.0f);
    ImGui::Begin("##root", nullptr, kRootFlags);
    // The backdrop shows only in the main column's header and footer bands: the sidebar and the body's
    // fill lie on top of the rest. The bands overlap those panels by a pixel, so no seam shows at any scale.
    const std::vector<BackdropBand> bands = {
        {ImVec2(left - 1, 0), ImVec2(W, ui(kHeaderHeight + 1) + 1)},
        {ImVec2(left - 1, H - ui(kFooterHeight) - 1), ImVec2(W, H)},
    };
    draw_backdrop(ImGui::GetWindowDrawList(), ImVec2(W, H), bands);
    drag_strip(ImVec2(0, 0), ImVec2(W - ui(kChromeWidth), ui(kDragHeight)));

    draw_sidebar(H);

    ImGui::SetCursorScreenPos(ImVec2(left, 0));
    ImGui::BeginChild("##main", ImVec2(W - left, H), ImGuiChildFlags_None,
                      ImGuiWindowFlags_NoScrollbar | ImGuiWindowFlags_NoScrollWithMouse);
    ImDrawList* main_list = ImGui::GetWindowDrawList();
    drag_strip(ImVec2(left, 0), ImVec2(W - ui(kChromeWidth), ui(kDragHeight)));
    draw_header(main_list, W, H);
    draw_body(W, H);
    draw_footer(main_list, W, H);
    ImGui::EndChild();

    ImGui::SetNextWindowPos(ImVec2(W - ui(kChromeWidth), 0));
    ImGui::SetNextWindowSize(ImVec2(ui(kChromeWidth), ui(kChromeHeight)));
    ImGui::PushStyleVar(ImGuiStyleVar_WindowPadding, ImVec2(0, 0));
    ImGui::Begin("##chrome", nullptr, kChromeFlags);
    draw_chrome(W);
    ImGui::End();
    ImGui::PopStyleVar();

    draw_status_toast(W, H);
    ImGui::End();
}
