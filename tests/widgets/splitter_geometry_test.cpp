#include "widgets/splitter_geometry.h"

#include <gtest/gtest.h>

namespace codarium::widgets {
namespace {

TEST(SplitterGeometry, FirstPaneKeepsItsSizeAndSecondTakesTheRest) {
    const SplitterPanes p = splitterPanes(800, 4, 200, 200, 200);
    EXPECT_EQ(p.first, 200);
    EXPECT_EQ(p.second, 596);
    const SplitterPanes wider = splitterPanes(1200, 4, 300, 200, 200);
    EXPECT_EQ(wider.first, 300);
    EXPECT_EQ(wider.second, 896);
}

TEST(SplitterGeometry, SecondPaneMinimumShrinksTheFirst) {
    // 500 - 4 - 350 would leave 146 for the second pane.
    const SplitterPanes p = splitterPanes(500, 4, 350, 200, 200);
    EXPECT_EQ(p.second, 200);
    EXPECT_EQ(p.first, 296);
}

TEST(SplitterGeometry, FirstPaneMinimumWinsWhenBothCannotBeMet) {
    const SplitterPanes p = splitterPanes(300, 4, 250, 200, 200);
    EXPECT_EQ(p.first, 200);
    EXPECT_EQ(p.second, 96);
    // Even narrower than one minimum: nothing goes negative.
    const SplitterPanes tiny = splitterPanes(100, 4, 250, 200, 200);
    EXPECT_EQ(tiny.first, 200);
    EXPECT_EQ(tiny.second, 0);
}

TEST(SplitterGeometry, PositionsAskedForAreClampedTheSameWay) {
    EXPECT_EQ(clampSplitterPosition(800, 4, 50, 200, 200), 200);
    EXPECT_EQ(clampSplitterPosition(800, 4, 700, 200, 200), 596);
    EXPECT_EQ(clampSplitterPosition(800, 4, 400, 200, 200), 400);
    EXPECT_EQ(clampSplitterPosition(800, 4, -20, 0, 0), 0);
}

} // namespace
} // namespace codarium::widgets
