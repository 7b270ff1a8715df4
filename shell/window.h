// The window, the Direct3D 11 device, the UI library set-up and the frame loop.
#pragma once
#include <string>

bool create_window(void* instance);
bool create_device();
void create_render_target();
void release_render_target();
void cleanup_device();
void destroy_window(void* instance);
void init_ui_library();
void run_frame_loop(const std::wstring& shot_path);
void shutdown_ui_library();
bool write_screenshot(const std::wstring& path);
