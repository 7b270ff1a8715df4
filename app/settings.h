// Data directory and settings.ini.
#pragma once
#include <string>

#include "app/app_state.h"

// LOCALAPPDATA + "\Larkspire\Launcher", both levels created; "" when LOCALAPPDATA is unset or empty.
std::string data_dir();
void load_settings();
void save_settings();

// Parses settings.ini text into launch, then keeps fps in 30..360 and quality in 1..10.
void parse_settings_text(const std::string& text, LaunchSettings& launch);
// The six lines of settings.ini, each ending in CR LF.
std::string format_settings_text(const LaunchSettings& launch);
