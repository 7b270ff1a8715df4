// Installed player versions: discovery, ordering and selection.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "app/app_state.h"

extern const char* const kPlayerExeName;   // "RobloxPlayerBeta.exe"

std::string path_join(const std::string& base, const std::string& name);
bool equal_ignoring_ascii_case(const std::string& a, const std::string& b);
std::string read_file_version(const std::string& exe_path, const std::string& fallback);

// Newest-first ordering: four wrapping 32-bit numbers, then folder name descending (bytes unsigned).
void parse_version_numbers(const std::string& version, int32_t out[4]);
bool installation_newer(const Installation& a, const Installation& b);
void sort_installations(std::vector<Installation>& list);

std::vector<Installation> detect_installations();
void refresh_all();
void select_installation(int32_t index);
