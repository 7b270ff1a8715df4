// Font selection, measuring and fitting text: the part of the kit that needs only the UI library.
#include <cfloat>

#include "app/app_state.h"
#include "shell/kit.h"

// [SECTION] Scale and faces
float ui(float base)
{
    return base * g_app.ui_scale;
}

// Slots 1..3 name their own face; anything else, or a slot that never loaded, means Body.
ImFont* font_of(int32_t slot)
{
    if (slot > FontSlot::Body && slot < FontSlot::Count && g_app.fonts[slot])
        return g_app.fonts[slot];
    if (g_app.fonts[FontSlot::Body])
        return g_app.fonts[FontSlot::Body];
    if (ImGui::GetCurrentContext() == nullptr)
        return nullptr;
    ImGuiIO& io = ImGui::GetIO();
    if (io.FontDefault)
        return io.FontDefault;
    return io.Fonts->Fonts.Size > 0 ? io.Fonts->Fonts[0] : nullptr;
}

void push_font(int32_t slot, float size)
{
    ImGui::PushFont(font_of(slot), ui(size));
}

void pop_font()
{
    ImGui::PopFont();
}

// [SECTION] Measuring and drawing
// The face's own measure, not ImGui::CalcTextSize: that one rounds widths up to whole pixels.
ImVec2 text_size(int32_t slot, float size, const std::string& text)
{
    ImFont* font = font_of(slot);
    if (!font)
        return ImVec2(0.0f, 0.0f);
    return font->CalcTextSizeA(ui(size), FLT_MAX, 0.0f, text.data(), text.data() + text.size());
}

void draw_text(ImDrawList* list, int32_t slot, float size, ImVec2 pos, ImU32 colour, const std::string& text)
{
    if (text.empty())
        return;
    list->AddText(font_of(slot), ui(size), pos, colour, text.data(), text.data() + text.size());
}

// [SECTION] Fitting
// Drops the last UTF-8 character: its continuation bytes, then its lead byte.
static void pop_utf8_char(std::string& s)
{
    while (!s.empty() && ((unsigned char)s.back() & 0xC0) == 0x80)
        s.pop_back();
    if (!s.empty())
        s.pop_back();
}

std::string ellipsize(const std::string& text, int32_t slot, float size, float max_width)
{
    if (max_width <= 0.0f)
        return std::string();
    if (text_size(slot, size, text).x <= max_width)
        return text;
    // Start one character past the longest prefix the face says fits beside "...", so a long
    // text costs a few measures instead of one per cut byte; the loop below has the last word.
    size_t keep = 0;
    if (ImFont* font = font_of(slot)) {
        const char* begin = text.data();
        const char* stop = begin;
        float room = max_width - text_size(slot, size, "...").x;
        if (room > 0.0f)
            font->CalcTextSizeA(ui(size), room, 0.0f, begin, begin + text.size(), &stop);
        keep = (size_t)(stop - begin);
    }
    if (keep < text.size())
        keep++;
    while (keep < text.size() && ((unsigned char)text[keep] & 0xC0) == 0x80)
        keep++;
    std::string cut = text.substr(0, keep);
    while (!cut.empty() && text_size(slot, size, cut + "...").x > max_width)
        pop_utf8_char(cut);
    return cut + "...";
}
