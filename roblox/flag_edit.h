// Text edits of the player's flag file: no JSON parser, a search-and-splice on bytes.
#pragma once
#include <cstdint>
#include <string>

extern const char* const kFpsKey;       // "DFIntTaskSchedulerTargetFps"
extern const char* const kQualityKey;   // "DFIntDebugFRMQualityLevelOverride"

std::string set_json_int(std::string text, const std::string& key, int32_t value);
bool flag_keys_present(const std::string& text);
