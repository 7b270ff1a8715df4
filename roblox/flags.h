// Applying the two launch flags with a one-time backup, and restoring them.
#pragma once
#include <cstdint>
#include <string>

#include "app/app_state.h"

std::string flag_settings_folder(const Installation& installation);
std::string flag_file_path(const Installation& installation);
std::string flag_backup_path(const Installation& installation);

bool apply_flags(const Installation& installation, int32_t fps, int32_t quality, std::string& error);
bool restore_flags(const Installation& installation, std::string& error);
std::string flag_file_status();
bool action_apply_flags();
void action_restore_flags();
