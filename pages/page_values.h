// The small value rules of the launch-settings controls, kept apart from the drawing.
#pragma once
#include <cstdint>

constexpr int32_t kFpsMin = 30, kFpsMax = 360;
constexpr int32_t kQualityLevels = 10;

// The frame-rate slider keeps whole tens: 247 becomes 240 (integer division).
constexpr int32_t fps_to_tens(int32_t fps) { return fps / 10 * 10; }

// Entry of the quality list shown for a stored quality; out-of-range values show the nearest end.
constexpr int quality_index(int32_t quality)
{
    return (quality < 1 ? 1 : quality > kQualityLevels ? kQualityLevels : quality) - 1;
}
