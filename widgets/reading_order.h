#pragma once
// The order in which a reader takes in the gadgets of a window: rows from
// top to bottom, left to right within a row. Used for the Tab order and to
// pair labels with their fields. Pure geometry, no Qt.
#include <vector>

namespace codarium::widgets {

struct PlacedGadget {
    int gadget = -1;
    int x = 0;
    int y = 0;
    int height = 0;
};

// Gadgets whose tops lie less than this apart share a row.
inline constexpr int SameRowTolerance = 10;

// The gadget numbers in reading order. Stable for equal places.
std::vector<int> readingOrder(std::vector<PlacedGadget> gadgets);

// The field a label names: the nearest of `fields` that starts to the
// label's right on the label's row; -1 when none does.
int fieldOfLabel(const PlacedGadget& label, const std::vector<PlacedGadget>& fields);

} // namespace codarium::widgets
