#pragma once
// The main window's numbered objects that the library tree and the search
// use (menu 0, toolbar 0, status bar 1, field 1, button 2, tree 3, code
// view 4), built on the real widget layer in a fresh program directory.
#include "store_fixture.h"
#include "widgets/window_event.h"

#include <string>

namespace codarium::library::testing {

class MainWindowTest : public StoreTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Routes every queued gadget event through the program's own dispatch;
    // returns how many events were taken.
    int dispatchEvents();
    // The main view's whole text.
    static std::string viewText();
    // Whether command `command` is enabled as menu item and toolbar button
    // alike (fails the test when the two differ).
    static bool commandEnabled(int command);

    std::string editorPath = "/opt/purebasic/purebasic";
};

} // namespace codarium::library::testing
