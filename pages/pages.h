// The six page bodies, and demo mode.
#pragma once
#include <cstdint>
#include <string>

#include "imgui.h"

void stat_card(const std::string& label, const std::string& value, const std::string& detail, ImVec2 size);
bool toggle_switch(const char* id, bool value);

void draw_dashboard_page(float width);
void draw_roblox_page(float width);
void draw_links_page(float width);
void draw_instances_page(float width);
void draw_log_page(float width);
void draw_about_page(float width);

void load_demo_data();
