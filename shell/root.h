// The root layout: backdrop, sidebar, page header, body, footer, window buttons and toast.
#pragma once
#include <cstdint>

const char* page_label(int32_t page);
const char* page_subtitle(int32_t page);
void draw_root();
void draw_sidebar(float height);
void draw_chrome(float width);
