#pragma once
// A splitter holding two existing gadgets side by side (or one above the
// other). The position is the first pane's size in pixels. The bar is 4
// pixels wide and draws no line. When the splitter itself changes size the
// first pane keeps its size and the second takes the difference, within the
// minimum sizes (see splitter_geometry.h).
namespace codarium::widgets {

enum class SplitterOrientation {
    Vertical,   // a vertical bar: first gadget left, second right
    Horizontal, // a horizontal bar: first above, second below
};

inline constexpr int SplitterBarWidth = 4;

// first and second are gadgets of the same window; they are moved into the
// splitter. Returns false when either does not exist.
bool splitterGadget(int gadget, int window, int x, int y, int width, int height, int first,
                    int second, SplitterOrientation orientation = SplitterOrientation::Vertical);
// Minimum pane sizes (0: none).
void setSplitterMinimums(int gadget, int firstMinimum, int secondMinimum);
int splitterPosition(int gadget);
void setSplitterPosition(int gadget, int position);

} // namespace codarium::widgets
