#include "app/session_end.h"

#include "app/main_window_numbers.h"
#include "platform/session_signals.h"
#include "widgets/window_event.h"

namespace codarium::app {

void installSessionEndHandlers() {
    platform::watchSessionEnd([] {
        widgets::postWindowEvent({.kind = widgets::EventKind::CloseWindow, .window = MainWindow});
    });
}

} // namespace codarium::app
