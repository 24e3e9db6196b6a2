#pragma once
// The splitter's size arithmetic, free of Qt so that it can be tested alone.
namespace codarium::widgets {

struct SplitterPanes {
    int first = 0;
    int second = 0;
};

// The panes after the splitter's extent (width of a vertical-bar splitter)
// became `extent`: the first pane keeps `firstWanted`, the second takes the
// rest (extent - bar - first); a second pane below its minimum gets the
// minimum and the first shrinks; after that the first never goes below its
// own minimum (the second then yields). No pane is negative.
SplitterPanes splitterPanes(int extent, int barWidth, int firstWanted, int firstMinimum,
                            int secondMinimum);

// A position asked for by the program or by dragging the bar, limited the same
// way: the result is the first pane's size.
int clampSplitterPosition(int extent, int barWidth, int wanted, int firstMinimum,
                          int secondMinimum);

} // namespace codarium::widgets
