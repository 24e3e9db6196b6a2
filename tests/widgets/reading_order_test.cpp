#include "widgets/reading_order.h"

#include <gtest/gtest.h>

namespace codarium::widgets {
namespace {

TEST(ReadingOrder, RowsTopToBottomAndLeftToRightWithinARow) {
    struct Case {
        const char* what;
        std::vector<PlacedGadget> gadgets;
        std::vector<int> expected;
    };
    const std::vector<Case> cases = {
        {"empty", {}, {}},
        {"created bottom up", {{3, 150, 90, 20}, {2, 150, 60, 20}, {1, 150, 30, 20}}, {1, 2, 3}},
        {"buttons on one row, right one created first",
         {{9, 360, 350, 20}, {8, 250, 350, 20}, {7, 150, 200, 100}},
         {7, 8, 9}},
        {"a slightly lower gadget on the same row reads before a higher one to its right",
         {{2, 300, 30, 20}, {1, 60, 34, 20}},
         {1, 2}},
        {"rows further apart than the tolerance stay apart",
         {{2, 10, 30 + SameRowTolerance, 20}, {1, 300, 30, 20}},
         {1, 2}},
        {"equal places keep their given order", {{5, 10, 10, 20}, {4, 10, 10, 20}}, {5, 4}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(readingOrder(c.gadgets), c.expected) << c.what;
    }
}

TEST(ReadingOrder, ALabelNamesTheNearestFieldToItsRightOnItsRow) {
    const std::vector<PlacedGadget> fields = {
        {606, 150, 30, 20}, {607, 150, 60, 20}, {608, 150, 90, 100}, {611, 240, 310, 20}};
    EXPECT_EQ(fieldOfLabel({603, 60, 30, 20}, fields), 606);
    EXPECT_EQ(fieldOfLabel({604, 60, 60, 20}, fields), 607);
    EXPECT_EQ(fieldOfLabel({605, 60, 90, 20}, fields), 608);
    EXPECT_EQ(fieldOfLabel({1, 60, 250, 20}, fields), -1) << "nothing on its row";
    EXPECT_EQ(fieldOfLabel({2, 400, 310, 20}, fields), -1) << "the field lies to its left";
    EXPECT_EQ(fieldOfLabel({3, 10, 310, 20}, {{5, 300, 310, 20}, {4, 100, 312, 20}}), 4);
}

} // namespace
} // namespace codarium::widgets
