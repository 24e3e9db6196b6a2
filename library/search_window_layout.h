#pragma once
// Where the search window's gadgets go for a given inner size, both when the
// window is created and when it is resized. Pure arithmetic.
#include "widgets/rect.h"

namespace codarium::library {

struct SearchLayout {
    widgets::Rect field;
    widgets::Rect button;
    widgets::Rect list;
    widgets::Rect show;
    widgets::Rect showAndClose;
    widgets::Rect close;
};
SearchLayout searchWindowLayout(int width, int height);

} // namespace codarium::library
