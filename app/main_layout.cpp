#include "app/main_layout.h"

namespace codarium::app {

MainLayout mainWindowLayout(int width, int height, int toolBar, int statusBar, int menuBar) {
    MainLayout l;
    l.searchField = {0, toolBar, width - 100, 20};
    l.searchButton = {width - 100, toolBar, 100, 20};
    l.splitter = {0, toolBar + 20, width, height - (toolBar + statusBar + menuBar + 20)};
    return l;
}

} // namespace codarium::app

namespace codarium::app {
int toolbarIconSizeFor(int stored) {
    return stored >= 8 && stored <= 256 ? stored : 32;
}
} // namespace codarium::app
