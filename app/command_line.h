// Command line options: "--demo", "--page=", "--shot=".
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct CommandLine {
    bool demo = false;
    int32_t page = -1;   // -1 unless "--page=" was given
    std::string shot;    // UTF-8; empty unless "--shot=" was given with a value
};

// args: the arguments after the program name, in order; later ones override earlier ones.
CommandLine parse_command_line(const std::vector<std::string>& args);

// Leading white space, optional sign, digits up to the first other character; no digits give 0.
// Beyond the 32-bit range the value saturates at the nearest limit.
int32_t parse_int_saturating(const std::string& text);
