// The one grammar for pasted links and place ids.
#pragma once
#include <string>

#include "app/app_state.h"

extern const char* const kWebDomain;     // the platform's web domain, lower case
extern const char* const kWebOrigin;     // secure address of its public web site, no trailing slash

std::string trim_spaces(const std::string& text);
bool parse_link(const std::string& text, SavedLink& link);
