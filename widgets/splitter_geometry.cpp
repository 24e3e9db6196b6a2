#include "widgets/splitter_geometry.h"

#include <algorithm>

namespace codarium::widgets {

SplitterPanes splitterPanes(int extent, int barWidth, int firstWanted, int firstMinimum,
                            int secondMinimum) {
    const int room = std::max(0, extent - barWidth);
    int first = std::max(0, firstWanted);
    int second = room - first;
    if (second < secondMinimum) {
        second = secondMinimum;
        first = room - second;
    }
    // The first pane's minimum wins over the second's.
    if (first < firstMinimum) {
        first = firstMinimum;
        second = room - first;
    }
    return {std::max(0, first), std::max(0, second)};
}

int clampSplitterPosition(int extent, int barWidth, int wanted, int firstMinimum,
                          int secondMinimum) {
    return splitterPanes(extent, barWidth, wanted, firstMinimum, secondMinimum).first;
}

} // namespace codarium::widgets
