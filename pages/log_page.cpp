// Log page: every journal line of this run, with its time and level, and CLEAR.
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/journal.h"
#include "pages/page_parts.h"
#include "pages/pages.h"

// [SECTION] Layout (points)
namespace {
constexpr float kLineHeight = 24;
constexpr float kDotRadius = 2.5f;
constexpr float kTextLeft = 84;     // after the time column and the level dot
}

// [SECTION] Page
void draw_log_page(float width)
{
    std::vector<JournalEntry> journal = journal_snapshot();
    page_heading(std::to_string(journal.size()) + " LINES");
    if (button_bar({{"CLEAR", false}}) == 0)
        journal_clear();   // this frame still draws the snapshot taken above

    ImGui::Dummy(ImVec2(0, ui(10)));
    ImGui::BeginChild("##log", ImVec2(width, ImGui::GetContentRegionAvail().y));
    ImDrawList* list = ImGui::GetWindowDrawList();
    for (const JournalEntry& e : journal) {
        float aw = ImGui::GetContentRegionAvail().x;
        ImVec2 r = ImGui::GetCursorScreenPos();
        ImGui::Dummy(ImVec2(aw, ui(kLineHeight)));
        if (!ImGui::IsItemVisible())   // up to 400 lines: fit only those on screen
            continue;
        ImU32 colour = level_colour(e.level);
        page_text(r, 2, 4, FontSlot::Caption, 9, kColMuted, e.time);
        list->AddCircleFilled(at(r, 74, 10), ui(kDotRadius), colour);
        page_text(r, kTextLeft, 3, FontSlot::Caption, 10, colour, ellipsize(e.text, FontSlot::Caption, 10, aw - ui(96)));
        list->AddLine(at(r, 0, kLineHeight), ImVec2(r.x + aw, r.y + ui(kLineHeight)), kColRowRule, 1.0f);
    }
    if (journal.empty())
        ImGui::TextUnformatted("no actions for this session");
    ImGui::EndChild();
}
