// About page: the launcher's fixed fact sheet.
#include "pages/page_parts.h"
#include "pages/pages.h"

// [SECTION] Layout (points)
namespace {
constexpr float kInfoShare = 0.58f;   // LOCAL LAUNCHER card, share of the width
constexpr float kCardHeight = 320;
constexpr float kInfoListHeight = 168;
constexpr float kTextGap = 16;        // between the card and the paragraphs
constexpr float kParagraphGap = 14;
}

// [SECTION] Page
void draw_about_page(float width)
{
    page_heading("LARKSPIRE'S LAUNCHER 2.0.0");
    ImGui::Dummy(ImVec2(0, ui(12)));
    ImVec2 p = ImGui::GetCursorScreenPos();
    float aw = kInfoShare * width;

    page_card(ImVec2(aw, ui(kCardHeight)), "LOCAL LAUNCHER");
    ImGui::SetCursorScreenPos(at(p, 16, 38));
    ImGui::BeginChild("##aboutinfo", ImVec2(aw - ui(32), ui(kInfoListHeight)), 0, ImGuiWindowFlags_NoScrollbar);
    kv_row("BUILD", "07 / 2.0.0");
    kv_row("STACK", "C++17 / Win32 / Direct3D 11 / Dear ImGui");
    kv_row("MODE", "local launcher / no driver");
    kv_row("ACCOUNTS", "none / no cookies");
    kv_row("ARCH", "x64 / standard user");
    ImGui::EndChild();

    page_caption(p, 18, 220, "DATA");
    ImGui::SetCursorScreenPos(at(p, 18, 236));
    ImGui::PushStyleColor(ImGuiCol_Text, kColGrey);
    ImGui::TextUnformatted("%LOCALAPPDATA%\\Larkspire\\Launcher");
    ImGui::PopStyleColor();
    page_caption(p, 18, 262, "settings.ini / links.tsv / journal.log");
    page_caption(p, 18, 286, "flags in the selected roblox version");

    ImGui::SetCursorScreenPos(ImVec2(p.x + aw + ui(kTextGap), p.y));
    ImGui::BeginChild("##abouttext", ImVec2(width - aw - ui(kTextGap), ui(kCardHeight)), 0, ImGuiWindowFlags_NoScrollbar);
    page_wrapped("The launcher detects Roblox versions, picks the one you want, writes two launch flags and keeps your "
                 "favorite servers. One click launches the app, another joins a place or a private server.",
                 kColGrey);
    ImGui::Dummy(ImVec2(0, ui(kParagraphGap)));
    page_wrapped("No driver, no injection, no account: cookies stay in your browser. The original "
                 "ClientAppSettings.json is backed up before the first write and restored on demand.",
                 kColGrey);
    ImGui::Dummy(ImVec2(0, ui(kParagraphGap)));
    page_wrapped("Free build: no Larkspire account, no license, no network call from the launcher.", kColGrey);
    ImGui::EndChild();
}
