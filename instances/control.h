// Focusing and terminating running players.
#pragma once
#include <cstdint>

bool focus_instance(uint32_t pid);
bool terminate_instance(uint32_t pid);
void action_focus_instance(uint32_t pid);
void action_close_instance(uint32_t pid);
void action_close_all_instances();
