// Links page: the saved servers with JOIN and remove, and the NEW LINK form.
#include <string>

#include "app/app_state.h"
#include "links/launch.h"
#include "links/link_parse.h"
#include "links/paste.h"
#include "links/saved_links.h"
#include "pages/page_parts.h"
#include "pages/pages.h"

// [SECTION] Layout (points)
namespace {
constexpr float kListShare = 0.6f;      // SAVED SERVERS card, share of the width
constexpr float kCardGap = 16;
constexpr float kCardHeight = 430;
constexpr float kListHeight = 378;      // "##links" inside the card
constexpr float kRowHeight = 78;
constexpr float kTextReserve = 300;     // row width kept free of the texts for the buttons
constexpr float kJoinWidth = 96, kRemoveWidth = 34;
constexpr float kInputRounding = 7;
constexpr int kRowId = 500;
const char* const kRemoveLabel = "\xC3\x97";   // U+00D7 multiplication sign
}

// [SECTION] Saved servers
// Returns true when the row's remove button was pressed.
static bool saved_link_row(const SavedLink& link, int32_t i, float lw)
{
    float rw = lw - ui(32);
    float fit = lw - ui(kTextReserve);
    ImGui::PushID(kRowId + i);
    ImVec2 r = ImGui::GetCursorScreenPos();
    ImGui::Dummy(ImVec2(rw, ui(kRowHeight)));
    page_rule(at(r, 2, 77), ImVec2(r.x + rw - ui(2), r.y + ui(77)));

    page_text(r, 10, 12, FontSlot::SemiBold, 13.5f, kColText, ellipsize(link.name, FontSlot::SemiBold, 13.5f, fit));
    std::string place = "place " + link.place_id;
    if (!link.private_code.empty())
        place += "  /  code " + link.private_code;
    page_caption(r, 10, 34, ellipsize(place, FontSlot::Caption, 9, fit));
    if (!link.note.empty())
        page_text(r, 10, 50, FontSlot::Caption, 9, kColGrey, ellipsize(link.note, FontSlot::Caption, 9, fit));

    ImGui::SetCursorScreenPos(ImVec2(r.x + rw - ui(190), r.y + ui(24)));
    if (pill_button("JOIN", true, ui(kJoinWidth)))
        action_join_saved_link(link);
    ImGui::SetCursorScreenPos(ImVec2(r.x + rw - ui(42), r.y + ui(24)));
    bool remove = pill_button(kRemoveLabel, false, ui(kRemoveWidth));

    ImGui::SetCursorScreenPos(ImVec2(r.x, r.y + ui(kRowHeight)));   // the buttons moved it; next row below
    ImGui::PopID();
    return remove;
}

static void saved_servers_card(ImVec2 c, float lw)
{
    ImGui::SetCursorScreenPos(c);
    page_card(ImVec2(lw, ui(kCardHeight)), "SAVED SERVERS");
    ImGui::SetCursorScreenPos(at(c, 16, 36));
    ImGui::BeginChild("##links", ImVec2(lw - ui(32), ui(kListHeight)));
    int32_t removed = -1;
    if (g_app.saved_links.empty()) {
        page_empty_note("No server saved.",
                        "Paste a Roblox link or fill the form. Links stay in %LOCALAPPDATA%\\Larkspire\\Launcher.");
    } else {
        for (size_t i = 0; i < g_app.saved_links.size(); ++i)
            if (saved_link_row(g_app.saved_links[i], (int32_t)i, lw))
                removed = (int32_t)i;
    }
    // Removed once the rows are drawn: the list must not shrink under the loop.
    if (removed >= 0)
        action_remove_link(removed);
    ImGui::EndChild();
}

// [SECTION] New link form
static void form_field(ImVec2 c, float y, const char* label, const char* id, char* buffer, size_t size, float width)
{
    section_label(label, at(c, 18, y));
    ImGui::SetCursorScreenPos(at(c, 18, y + 14));
    ImGui::SetNextItemWidth(width);
    ImGui::InputText(id, buffer, size);
}

static void new_link_card(ImVec2 c, float fw)
{
    ImGui::SetCursorScreenPos(c);
    page_card(ImVec2(fw, ui(kCardHeight)), "NEW LINK");
    float width = fw - ui(36);

    section_label("name", at(c, 18, 40));
    ImGui::SetCursorScreenPos(at(c, 18, 54));
    ImGui::PushStyleVar(ImGuiStyleVar_FrameRounding, ui(kInputRounding));
    ImGui::SetNextItemWidth(width);
    ImGui::InputText("##name", g_app.new_link_name, sizeof(g_app.new_link_name));
    form_field(c, 98, "place id", "##place", g_app.new_link_place, sizeof(g_app.new_link_place), width);
    form_field(c, 156, "private code (optional)", "##code", g_app.new_link_code, sizeof(g_app.new_link_code), width);
    form_field(c, 214, "note", "##note", g_app.new_link_note, sizeof(g_app.new_link_note), width);

    ImGui::SetCursorScreenPos(at(c, 18, 274));
    if (pill_button("ADD", true, width))
        action_add_link();
    ImGui::PopStyleVar();

    page_caption(c, 18, 318, std::string("a ") + kWebDomain + "/games/... page link is enough");
    page_caption(c, 18, 332, "paste fills the fields and parses the link");
    page_caption(c, 18, 346, "cookies and accounts stay out of the launcher");
}

// [SECTION] Page
void draw_links_page(float width)
{
    page_heading(std::to_string(g_app.saved_links.size()) + " LINKS");
    if (button_bar({{"PASTE", true}}) == 0)
        action_paste_link();

    ImGui::Dummy(ImVec2(0, ui(12)));
    ImVec2 p = ImGui::GetCursorScreenPos();
    float lw = kListShare * width;
    float fw = width - lw - ui(kCardGap);
    saved_servers_card(p, lw);
    new_link_card(ImVec2(p.x + lw + ui(kCardGap), p.y), fw);
}
