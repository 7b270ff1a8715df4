// Starting the player, joining places and opening folders through the shell.
#pragma once
#include <string>

#include "app/app_state.h"

bool join_place(const std::string& place_id, const std::string& code, std::string& error);
bool launch_player(const Installation& installation, const LaunchSettings& settings, std::string& error);
void open_folder(const std::string& path);

void action_join_saved_link(const SavedLink& link);
void action_join_link_box();
void action_launch_player();
