// The style: the library's dark style with our sizes and the amber-on-ink colours.
#include "app/app_state.h"
#include "shell/kit.h"

static ImVec4 rgba(float r, float g, float b, float a) { return ImVec4(r, g, b, a); }

void apply_theme()
{
    ImGui::StyleColorsDark();
    ImGuiStyle& style = ImGui::GetStyle();

    // [SECTION] Sizes (pixels at 96 dpi, scaled)
    style.WindowPadding = ImVec2(0.0f, 0.0f);
    style.WindowRounding = 0.0f;
    style.WindowBorderSize = 0.0f;
    style.WindowTitleAlign = ImVec2(0.0f, 0.5f);
    style.ChildRounding = 0.0f;
    style.ChildBorderSize = 0.0f;
    style.PopupRounding = ui(10);
    style.PopupBorderSize = ui(1);
    style.FramePadding = ImVec2(ui(12), ui(7));
    style.FrameRounding = ui(8);
    style.FrameBorderSize = ui(1);
    style.ItemSpacing = ImVec2(ui(8), ui(8));
    style.ItemInnerSpacing = ImVec2(ui(6), ui(6));
    style.CellPadding = ImVec2(ui(8), ui(4));
    style.ScrollbarSize = ui(4);
    style.ScrollbarRounding = ui(4);
    style.GrabMinSize = ui(10);
    style.GrabRounding = ui(8);
    style.TabRounding = ui(7);
    style.ButtonTextAlign = ImVec2(0.5f, 0.5f);
    style.SelectableTextAlign = ImVec2(0.0f, 0.5f);
    // Text drawn without a pushed size (inputs, combos, wrapped paragraphs) uses Body's load
    // size; scale it too, or it alone would stay small on a high-dpi screen.
    style.FontSizeBase = ui(18);

    // [SECTION] Colours (the rest keep the dark defaults)
    const ImVec4 text = rgba(0.925f, 0.925f, 0.953f, 1.0f);
    const ImVec4 muted = rgba(0.341f, 0.341f, 0.388f, 1.0f);
    const ImVec4 window = rgba(0.043f, 0.039f, 0.063f, 1.0f);
    const ImVec4 panel = rgba(0.071f, 0.063f, 0.090f, 1.0f);
    const ImVec4 panel_hover = rgba(0.102f, 0.090f, 0.133f, 1.0f);
    const ImVec4 title = rgba(0.047f, 0.043f, 0.067f, 1.0f);
    const ImVec4 border = rgba(0.137f, 0.125f, 0.176f, 1.0f);
    const ImVec4 accent = rgba(0.961f, 0.647f, 0.141f, 1.0f);
    const ImVec4 accent_light = rgba(1.0f, 0.820f, 0.400f, 1.0f);
    const ImVec4 clear = rgba(0.0f, 0.0f, 0.0f, 0.0f);

    ImVec4* c = style.Colors;
    c[ImGuiCol_Text] = text;
    c[ImGuiCol_TextDisabled] = muted;
    c[ImGuiCol_WindowBg] = window;
    c[ImGuiCol_ChildBg] = clear;
    c[ImGuiCol_PopupBg] = panel;
    c[ImGuiCol_Border] = border;
    c[ImGuiCol_BorderShadow] = clear;
    c[ImGuiCol_FrameBg] = panel;
    c[ImGuiCol_FrameBgHovered] = panel_hover;
    c[ImGuiCol_FrameBgActive] = panel_hover;
    c[ImGuiCol_TitleBg] = title;
    c[ImGuiCol_TitleBgActive] = title;
    c[ImGuiCol_MenuBarBg] = title;
    c[ImGuiCol_ScrollbarBg] = clear;
    c[ImGuiCol_ScrollbarGrab] = rgba(0.96f, 0.65f, 0.14f, 0.28f);
    c[ImGuiCol_ScrollbarGrabHovered] = rgba(0.96f, 0.65f, 0.14f, 0.44f);
    c[ImGuiCol_ScrollbarGrabActive] = rgba(1.0f, 0.82f, 0.40f, 0.60f);
    c[ImGuiCol_CheckMark] = accent;
    c[ImGuiCol_SliderGrab] = accent;
    c[ImGuiCol_SliderGrabActive] = accent_light;
    c[ImGuiCol_Button] = panel;
    c[ImGuiCol_ButtonHovered] = panel_hover;
    c[ImGuiCol_ButtonActive] = panel_hover;
    c[ImGuiCol_Header] = panel;
    c[ImGuiCol_HeaderHovered] = panel_hover;
    c[ImGuiCol_HeaderActive] = panel_hover;
    c[ImGuiCol_Separator] = border;
    c[ImGuiCol_SeparatorHovered] = accent;
    c[ImGuiCol_SeparatorActive] = accent_light;
    c[ImGuiCol_ResizeGrip] = clear;
    c[ImGuiCol_ResizeGripHovered] = accent;
    c[ImGuiCol_ResizeGripActive] = accent_light;
    c[ImGuiCol_TextSelectedBg] = rgba(0.961f, 0.647f, 0.141f, 0.086f);
    c[ImGuiCol_NavCursor] = accent;
}
