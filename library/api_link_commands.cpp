#include "library/api_link_commands.h"

#include "library/api_links.h"
#include "library/code_api_links.h"
#include "library/search_window.h"
#include "platform/paths.h"
#include "platform/ui_text.h"
#include "runtime/run_program.h"
#include "viewer/code_view_text.h"
#include "widgets/message_box.h"
#include "widgets/scintilla_gadget.h"

namespace codarium::library {
namespace {

// The k-th catalogued call of the shown code, as the popup numbered them.
std::optional<CataloguedCall> shownCall(int k) {
    auto calls = cataloguedCalls(viewer::viewText(viewer::MainCodeView), apiLinks());
    if (k < 0 || static_cast<std::size_t>(k) >= calls.size()) {
        return std::nullopt;
    }
    return std::move(calls[static_cast<std::size_t>(k)]);
}

std::optional<CataloguedCall> callAt(std::intptr_t position) {
    if (position < 0) {
        return std::nullopt;
    }
    const std::string code = viewer::viewText(viewer::MainCodeView);
    const auto k = cataloguedCallIndexAt(code, static_cast<std::size_t>(position), apiLinks());
    if (!k) {
        return std::nullopt;
    }
    return std::move(cataloguedCalls(code, apiLinks())[*k]);
}

// The address goes to the desktop's opener, as a code's own links do; one
// that nothing could open is said, not swallowed.
void openAddress(const std::string& address) {
    if (runProgram(platform::nativeFormOf(address), "", "") == 0) {
        widgets::errorBox(platform::ui("Die Dokumentation konnte nicht geöffnet werden:\r") +
                          address);
    }
}

} // namespace

bool runApiLinkCommand(int command) {
    if (command >= FirstApiLinkCommand && command < FirstApiCallersCommand) {
        if (const auto call = shownCall(command - FirstApiLinkCommand)) {
            openAddress(call->address);
        }
        return true;
    }
    if (command >= FirstApiCallersCommand && command < NoLinksCommand) {
        if (const auto call = shownCall(command - FirstApiCallersCommand)) {
            openCallersSearchWindow(call->name);
        }
        return true;
    }
    return command == NoLinksCommand;
}

std::string apiCallToolTip(std::intptr_t position) {
    const auto call = callAt(position);
    return call ? call->address + platform::ui("\nStrg+Klick öffnet die Dokumentation")
                : std::string();
}

bool openApiCallAt(std::intptr_t position) {
    const auto call = callAt(position);
    if (call) {
        openAddress(call->address);
    }
    return call.has_value();
}

void attachApiCallPointer() {
    widgets::setTextPointerHandlers(viewer::MainCodeView,
                                    {.toolTip = apiCallToolTip, .ctrlClick = openApiCallAt});
}

} // namespace codarium::library
