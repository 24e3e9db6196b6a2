#include "app/session_end.h"

#include "app/main_window_numbers.h"
#include "platform/process_deadline.h"
#include "platform/session_signals.h"
#include "widgets/modal_loops.h"
#include "widgets/window_event.h"

namespace codarium::app {

void installSessionEndHandlers(std::optional<std::chrono::milliseconds> deadline) {
    platform::watchSessionEnd([deadline] {
        widgets::endModalLoops();
        widgets::postWindowEvent({.kind = widgets::EventKind::CloseWindow, .window = MainWindow});
        if (deadline) {
            platform::endProcessAfter(*deadline);
        }
    });
}

} // namespace codarium::app
