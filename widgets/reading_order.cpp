#include "widgets/reading_order.h"

#include <algorithm>
#include <cstdlib>

namespace codarium::widgets {
namespace {

bool sameRow(const PlacedGadget& a, const PlacedGadget& b) {
    return std::abs(a.y - b.y) < SameRowTolerance;
}

} // namespace

std::vector<int> readingOrder(std::vector<PlacedGadget> gadgets) {
    std::stable_sort(gadgets.begin(), gadgets.end(),
                     [](const PlacedGadget& a, const PlacedGadget& b) { return a.y < b.y; });
    // Rows start at the topmost gadget not yet placed; a slightly lower
    // gadget on the same row still reads before a higher one further right.
    std::vector<int> order;
    order.reserve(gadgets.size());
    for (auto rowBegin = gadgets.begin(); rowBegin != gadgets.end();) {
        auto rowEnd = std::find_if(rowBegin, gadgets.end(),
                                   [&](const PlacedGadget& g) { return !sameRow(*rowBegin, g); });
        std::stable_sort(rowBegin, rowEnd,
                         [](const PlacedGadget& a, const PlacedGadget& b) { return a.x < b.x; });
        for (auto it = rowBegin; it != rowEnd; ++it) {
            order.push_back(it->gadget);
        }
        rowBegin = rowEnd;
    }
    return order;
}

int fieldOfLabel(const PlacedGadget& label, const std::vector<PlacedGadget>& fields) {
    int best = -1;
    int bestX = 0;
    for (const PlacedGadget& f : fields) {
        if (f.x > label.x && sameRow(label, f) && (best < 0 || f.x < bestX)) {
            best = f.gadget;
            bestX = f.x;
        }
    }
    return best;
}

} // namespace codarium::widgets
