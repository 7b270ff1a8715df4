// The value rules behind the launch-settings controls.
#include <gtest/gtest.h>

#include "pages/page_values.h"

TEST(PageValues, FrameRateKeepsWholeTens)
{
    struct Case { int32_t in, out; };
    const Case cases[] = {{247, 240}, {240, 240}, {30, 30}, {39, 30}, {360, 360}, {359, 350}};
    for (const Case& c : cases) EXPECT_EQ(fps_to_tens(c.in), c.out) << c.in;
}

TEST(PageValues, QualityIndexShowsTheNearestEnd)
{
    struct Case { int32_t quality; int index; };
    const Case cases[] = {{-5, 0}, {0, 0}, {1, 0}, {5, 4}, {10, 9}, {11, 9}, {INT32_MAX, 9}, {INT32_MIN, 0}};
    for (const Case& c : cases) EXPECT_EQ(quality_index(c.quality), c.index) << c.quality;
}
