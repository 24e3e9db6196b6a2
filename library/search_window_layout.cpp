#include "library/search_window_layout.h"

namespace codarium::library {

SearchLayout searchWindowLayout(int width, int height) {
    SearchLayout l;
    l.field = {0, 0, width - 100, 20};
    l.button = {width - 100, 0, 100, 20};
    l.list = {0, 20, width, height - 60};
    // The buttons keep to the bottom right corner.
    l.show = {width - 480, height - 30, 150, 20};
    l.showAndClose = {width - 320, height - 30, 150, 20};
    l.close = {width - 160, height - 30, 150, 20};
    return l;
}

} // namespace codarium::library
