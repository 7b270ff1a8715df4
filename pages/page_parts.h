// Drawing steps that every page repeats: cards with titles, section headings, texts placed at
// unscaled offsets from a card's or a row's top-left corner, and the empty-list note.
#pragma once
#include <cstdint>
#include <string>

#include "app/app_state.h"
#include "imgui.h"
#include "shell/kit.h"

constexpr ImU32 kColCardFill = kColCard;      // #0C0B11
constexpr ImU32 kColRowRule  = 0x0affffff;    // white at alpha 10, between list rows

// A point given in unscaled points from an origin in screen pixels.
inline ImVec2 at(ImVec2 origin, float x, float y) { return ImVec2(origin.x + ui(x), origin.y + ui(y)); }

// Reserves the card's size at the cursor, paints it and its amber title at (18, 16).
void page_card(ImVec2 size, const char* title);

// One line in SemiBold 11, grey: the heading above a group of cards.
void page_heading(const std::string& text);

// A text into the current window's draw list at origin + (x, y) points; takes no layout space.
void page_text(ImVec2 origin, float x, float y, int32_t slot, float size, ImU32 colour, const std::string& text);
// The small muted caption line (Caption 9, #575763) used for hints and field labels.
void page_caption(ImVec2 origin, float x, float y, const std::string& text);

// TextWrapped in a colour; the text is shown literally (it may hold '%').
void page_wrapped(const std::string& text, ImU32 colour);

// What a list shows when it has no rows: a grey line, then a muted wrapped hint.
void page_empty_note(const char* line, const char* hint);

// The hairline under a list row, between two screen points.
void page_rule(ImVec2 from, ImVec2 to);

// [SECTION] Commands shared by the Dashboard and the Roblox page
// DETECT and DETECT ROBLOX: rescan and report the count (sample data stays in demo mode).
void page_detect_installations();
// OPEN FOLDER: the selected version's folder, or a warning when none is selected.
void page_open_selected_folder();
