#pragma once
// A gadget's place in its window's client area.
namespace codarium::widgets {

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

} // namespace codarium::widgets
