#include "app/event_loop.h"

#include "app/app_state.h"
#include "app/main_window_numbers.h"
#include "app/package_update_notice.h"
#include "app/shell_commands.h"
#include "app/text_rules.h"
#include "library/library_tree.h"
#include "library/search_window.h"
#include "platform/paths.h"
#include "viewer/code_view_text.h"
#include "widgets/gadgets.h"
#include "widgets/windows.h"

#include <QCoreApplication>

namespace codarium::app {
namespace {

using widgets::EventKind;
using widgets::GadgetEvent;

void onSearchFieldEvent(GadgetEvent subType) {
    if (subType == GadgetEvent::ReturnKey && hasNonBlankText(widgets::gadgetText(SearchField))) {
        library::openSearchWindow();
    }
    enableWhenFilled(SearchField, SearchButton);
}

} // namespace

void actOnCompletionFlags() {
    WorkerFlags& flags = workerFlags();
    if (flags.UploadFinished.exchange(0) == 1) {
        closeDialog(UploadWindow, SubmissionWindow);
    }
    if (flags.SubmissionFinished.exchange(0) == 1) {
        closeDialog(SubmissionWindow, MainWindow);
    }
    if (flags.UpdateCheckFinished.exchange(0) == 1) {
        widgets::closeWindow(UpdateWaitWindow);
    }
}

bool dispatchCommand(int cmd) {
    if (cmd == command::Update &&
        explainPackageManagerUpdates(platform::directoryOf(platform::ownExecutablePath()))) {
        return false;
    }

    using namespace command;
    switch (cmd) {
    case Update: // openUpdateWaitWindow() — update check (online)
        break;
    case Exit:
        return true;
    case ExpandAll:
        library::expandAll();
        break;
    case CollapseAll:
        library::collapseAll();
        break;
    case CreateCategory: // openCreateCategoryDialog() — administrator editing
        break;
    case RemoveCategory: // openRemoveCategoryDialog() — administrator editing
        break;
    case AddCode: // openAddCodeDialog() — administrator editing
        break;
    case RemoveCode: // openRemoveCodeDialog() — administrator editing
        break;
    case RemoveAll: // removeAll() — administrator editing
        break;
    case SubmitCode: // openSubmissionDialog() — code submission (online)
        break;
    case ExportTemplates: // exportTemplates() — template export (editor_link)
        break;
    case About:
        showAbout();
        break;
    case Copy:
        viewer::copySelection();
        break;
    case SelectAll:
        viewer::selectAll();
        break;
    case ChooseEditor: // chooseEditor() — editor path set-up
        break;
    case IconSize16:
        return setToolbarIconSize(16);
    case IconSize24:
        return setToolbarIconSize(24);
    case IconSize32:
        return setToolbarIconSize(32);
    case OpenInEditor: // openCodeInEditor() — open in the editor (editor_link)
        break;
    case LinkMenu:
        library::showLinkMenu();
        break;
    case WordWrap:
        toggleWordWrap();
        break;
    case StandardLocation:
        useStandardLocation();
        break;
    case PortableLocation:
        usePortableLocation();
        break;
    default:
        if (cmd >= FirstLink && cmd <= LastLink) {
            library::openLink(cmd);
        }
        // Later link items (131 and up) are listed but do nothing.
        break;
    }
    return false;
}

void dispatchGadget(const widgets::WindowEvent& event) {
    switch (event.gadget) {
    case SearchField:
        onSearchFieldEvent(event.subType);
        break;
    case SearchButton:
        library::openSearchWindow();
        break;
    case LibraryTreeGadget:
        library::onLibraryTreeEvent(appSettings().editorPath);
        break;
    case 110: // chooseEditor() — editor path dialog
        break;
    case 111: // store field 109 as "PBPfad", closeDialog(1, 0) — editor path dialog
        break;
    case 112: // store "0" as "PBPfad", closeDialog(1, 0) — editor path dialog
        break;
    case 213: // enableWhenFilled(213, 214) — submission dialog
        break;
    case 214: // sendSubmission() — submission dialog
        break;
    case 215: // closeDialog(2, 0) — submission dialog
        break;
    case 307: // cancelUpload() — upload window
        break;
    case 404: // enableWhenFilled(404, 405) — create-category dialog
        break;
    case 405: // createCategory(), closeDialog(4, 0) — create-category dialog
        break;
    case 406: // closeDialog(4, 0) — create-category dialog
        break;
    case 505: // removeCategory(), closeDialog(5, 0) — remove-category dialog
        break;
    case 506: // closeDialog(5, 0) — remove-category dialog
        break;
    case 606: // enableWhenBothFilled(606, 608, 613) — add-code dialog
    case 608:
        break;
    case 610: // link list selection changed — add-code dialog
        break;
    case 611: // openAddLinkDialog() — add-code dialog
        break;
    case 612: // remove the selected row of 610, disable 612 — add-code dialog
        break;
    case 613: // addCode(), closeDialog(6, 0) — add-code dialog
        break;
    case 614: // closeDialog(6, 0) — add-code dialog
        break;
    case 709: // proposeLink(), enableWhenBothFilled(709, 710, 711) — add-link dialog
        break;
    case 710: // enableWhenBothFilled(709, 710, 711) — add-link dialog
        break;
    case 711: // append the row to 610, closeDialog(7, 6) — add-link dialog
        break;
    case 712: // closeDialog(7, 6) — add-link dialog
        break;
    case 803: // tree selection changed — remove-code dialog
        break;
    case 804: // removeCode(), closeDialog(8, 0) — remove-code dialog
        break;
    case 805: // closeDialog(8, 0) — remove-code dialog
        break;
    case SearchWindowField:
    case SearchWindowButton:
    case SearchResultList:
    case SearchShowButton:
    case SearchShowAndCloseButton:
    case SearchCloseButton:
        library::onSearchWindowEvent(event.gadget, event.subType);
        break;
    case 1005: // cancelUpdateCheck() — update wait window
        break;
    default: // events of gadgets not in the table are ignored
        break;
    }
}

bool handleEvent(const widgets::WindowEvent& event) {
    actOnCompletionFlags();
    switch (event.kind) {
    case EventKind::SizeWindow:
        relayout();
        return false;
    case EventKind::Menu:
        return dispatchCommand(event.command);
    case EventKind::Gadget:
        dispatchGadget(event);
        return false;
    case EventKind::CloseWindow:
        return true;
    case EventKind::WakeUp:
    case EventKind::None:
        return false;
    }
    return false;
}

LoopEnd runEventLoop() {
    const bool benchmark = !platform::environmentValue("CODARIUM_BENCH_STARTUP").empty();
    while (true) {
        const widgets::WindowEvent event = widgets::waitWindowEvent();
        const bool close = handleEvent(event);
        if (benchmark) {
            QCoreApplication::processEvents();
            return LoopEnd::BenchmarkExit;
        }
        if (close) {
            return LoopEnd::CloseRequest;
        }
    }
}

} // namespace codarium::app
