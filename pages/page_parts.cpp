// Drawing steps shared by the pages.
#include "pages/page_parts.h"

#include "app/journal.h"
#include "links/launch.h"
#include "roblox/installations.h"

void page_card(ImVec2 size, const char* title)
{
    ImVec2 pos = ImGui::GetCursorScreenPos();
    ImGui::Dummy(size);
    draw_card(pos, size, kColCardFill);
    page_text(pos, 18, 16, FontSlot::Caption, 9, kColAccent, title);
}

void page_heading(const std::string& text)
{
    push_font(FontSlot::SemiBold, 11);
    ImGui::PushStyleColor(ImGuiCol_Text, kColGrey);
    ImGui::TextUnformatted(text.c_str(), text.c_str() + text.size());
    ImGui::PopStyleColor();
    pop_font();
}

void page_text(ImVec2 origin, float x, float y, int32_t slot, float size, ImU32 colour, const std::string& text)
{
    draw_text(ImGui::GetWindowDrawList(), slot, size, at(origin, x, y), colour, text);
}

void page_caption(ImVec2 origin, float x, float y, const std::string& text)
{
    page_text(origin, x, y, FontSlot::Caption, 9, kColMuted, text);
}

void page_wrapped(const std::string& text, ImU32 colour)
{
    ImGui::PushStyleColor(ImGuiCol_Text, colour);
    ImGui::TextWrapped("%s", text.c_str());
    ImGui::PopStyleColor();
}

void page_empty_note(const char* line, const char* hint)
{
    ImGui::PushStyleColor(ImGuiCol_Text, kColGrey);
    ImGui::TextUnformatted(line);
    ImGui::PopStyleColor();
    ImGui::Dummy(ImVec2(0, ui(6)));
    page_wrapped(hint, kColMuted);
}

void page_rule(ImVec2 from, ImVec2 to)
{
    ImGui::GetWindowDrawList()->AddLine(from, to, kColRowRule, 1.0f);
}

// [SECTION] Shared commands
void page_detect_installations()
{
    if (g_app.demo_mode) {
        notify("demo mode: sample data", JournalLevel::Info);
        return;
    }
    refresh_all();
    notify(std::to_string(g_app.installations.size()) + " installation(s) detected", JournalLevel::Success);
}

void page_open_selected_folder()
{
    if (const Installation* inst = selected_installation())
        open_folder(inst->folder_path);
    else
        notify("no roblox folder", JournalLevel::Warning);
}
