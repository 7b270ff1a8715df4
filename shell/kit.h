// Theme, fonts and the small drawing kit shared by the shell and the pages.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "imgui.h"

// [SECTION] Palette (ImGui packing: red in the low byte)
constexpr ImU32 kColText        = 0xfff3ecec;
constexpr ImU32 kColMuted       = 0xff635757;
constexpr ImU32 kColGrey        = 0xff9c8b8b;
constexpr ImU32 kColBackdrop    = 0xff0c0708;
constexpr ImU32 kColCard        = 0xff110b0c;   // #0C0B11
constexpr ImU32 kColPanel       = 0xff171012;
constexpr ImU32 kColPanelHover  = 0xff22171a;
constexpr ImU32 kColBorder      = 0xff2d2023;
constexpr ImU32 kColAccent      = 0xff24a5f5;
constexpr ImU32 kColAccentLight = 0xff66d1ff;
constexpr ImU32 kColOnAccent    = 0xff060c10;
constexpr ImU32 kColSuccess     = 0xff8be037;
constexpr ImU32 kColError       = 0xff5c5cff;

inline ImU32 with_alpha(ImU32 colour, int alpha) { return (colour & 0x00ffffffu) | ((ImU32)(alpha & 0xff) << 24); }
ImU32 level_colour(int32_t level);   // journal line colour: red 3, green 1, grey otherwise

namespace Icon { enum : int32_t { Gauge = 0, Globe = 2, Layers = 4, Terminal = 5, Shield = 10, Bolt = 11, Close = 15, Minimise = 16, Maximise = 17 }; }

// [SECTION] Theme and fonts
void apply_theme();
void load_fonts();
ImFont* load_resource_font(int resource_id, float pixel_size, const ImFontConfig& config);

// [SECTION] Kit (sizes are base pixels; s = ui_scale is applied inside unless noted)
float ui(float base);                       // base x ui_scale
void push_font(int32_t slot, float size);  // size is base; times ui_scale inside
void pop_font();
ImFont* font_of(int32_t slot);
void draw_text(ImDrawList* list, int32_t slot, float size, ImVec2 pos, ImU32 colour, const std::string& text);
ImVec2 text_size(int32_t slot, float size, const std::string& text);
void draw_card(ImVec2 pos, ImVec2 size, ImU32 fill);
void section_label(const char* text, ImVec2 screen_pos);
std::string ellipsize(const std::string& text, int32_t slot, float size, float max_width);
void kv_row(const char* label, const std::string& value);
bool pill_button(const char* label, bool active, float width);
struct BarItem { const char* label; bool active; };
int button_bar(const std::vector<BarItem>& items);
void draw_icon(ImDrawList* list, ImVec2 centre, float size, int32_t icon, ImU32 colour, float base_thickness);
void draw_glow(ImDrawList* list, ImVec2 centre, float radius, ImU32 colour, int rings);
// A part of the window where the backdrop shows; the caller's opaque panels cover everything else.
struct BackdropBand {
    ImVec2 min, max;
};
// With bands, the backdrop is painted only inside them (no bands: the whole window).
void draw_backdrop(ImDrawList* list, ImVec2 size, const std::vector<BackdropBand>& shown = {});
void draw_status_toast(float right, float bottom);
