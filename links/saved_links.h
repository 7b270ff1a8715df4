// Saved servers and links.tsv.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "app/app_state.h"

std::string format_links_tsv(const std::vector<SavedLink>& links);
void parse_links_tsv(const std::string& text, std::vector<SavedLink>& out);   // appends

void load_links();
void save_links();
void action_add_link();
void action_remove_link(int32_t index);
