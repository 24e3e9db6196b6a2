#include "app/event_loop.h"

#include "app/app_state.h"
#include "app/editor_commands.h"
#include "app/editor_path_window.h"
#include "app/editor_path_window_numbers.h"
#include "app/main_window_numbers.h"
#include "app/package_update_notice.h"
#include "app/shell_commands.h"
#include "app/text_rules.h"
#include "app/zoom_rule.h"
#include "library/admin_window_numbers.h"
#include "library/admin_windows.h"
#include "library/library_tree.h"
#include "library/search_marks.h"
#include "library/search_window.h"
#include "online/submission_window.h"
#include "online/submission_window_numbers.h"
#include "online/update_wait_window.h"
#include "online/update_window_numbers.h"
#include "online/updater_start.h"
#include "online/upload_window.h"
#include "platform/paths.h"
#include "viewer/code_view.h"
#include "viewer/code_view_text.h"
#include "widgets/gadgets.h"
#include "widgets/keyboard.h"
#include "widgets/menus.h"
#include "widgets/tree_gadget.h"
#include "widgets/windows.h"

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

void zoomCodeView(ZoomStep step) {
    AppSettings& s = appSettings();
    s.zoom = zoomAfter(viewer::zoom(CodeViewGadget), step);
    viewer::setZoom(CodeViewGadget, s.zoom);
}

// Return on the tree's current item: a code opens in the editor when that
// command is enabled, a category opens or closes.
void onLibraryTreeReturn() {
    const int item = widgets::currentTreeItem(LibraryTreeGadget);
    if (item < 0) {
        return;
    }
    if (widgets::treeItemLevel(LibraryTreeGadget, item) == 0) {
        widgets::setTreeItemExpanded(LibraryTreeGadget, item,
                                     !widgets::treeItemExpanded(LibraryTreeGadget, item));
    } else if (!widgets::menuItemDisabled(MainMenu, command::OpenInEditor)) {
        openCodeInEditor();
    }
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

bool dispatchCommand(int cmd, bool byKeyboard) {
    using namespace command;
    switch (cmd) {
    case Update:
        // An installed copy is left to the package manager.
        if (!explainPackageManagerUpdates(platform::directoryOf(platform::ownExecutablePath()))) {
            online::openUpdateWaitWindow(
                {serverConfig().server, serverConfig().directory, startupState().DataDir});
        }
        break;
    case Exit:
        return true;
    case ExpandAll:
        library::expandAll();
        break;
    case CollapseAll:
        library::collapseAll();
        break;
    case CreateCategory:
        library::openCreateCategoryDialog();
        break;
    case RemoveCategory:
        library::openRemoveCategoryDialog();
        break;
    case AddCode:
        library::openAddCodeDialog();
        break;
    case RemoveCode:
        library::openRemoveCodeDialog();
        break;
    case RemoveAll:
        library::removeAll();
        break;
    case SubmitCode:
        online::openSubmissionDialog(ProgramIdentity::HighlighterName);
        break;
    case ExportTemplates:
        exportTemplates();
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
    case ChooseEditor:
        chooseEditor();
        break;
    case IconSize16:
        return setToolbarIconSize(16);
    case IconSize24:
        return setToolbarIconSize(24);
    case IconSize32:
        return setToolbarIconSize(32);
    case OpenInEditor:
        openCodeInEditor();
        break;
    case LinkMenu:
        library::showLinkMenu(byKeyboard);
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
    case FocusSearch:
        widgets::focusFieldSelectingAll(SearchField);
        break;
    case ZoomIn:
        zoomCodeView(ZoomStep::In);
        break;
    case ZoomOut:
        zoomCodeView(ZoomStep::Out);
        break;
    case ZoomReset:
        zoomCodeView(ZoomStep::Reset);
        break;
    case NextSearchMark:
        library::goToSearchMark(true);
        break;
    case PreviousSearchMark:
        library::goToSearchMark(false);
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
        if (event.subType == GadgetEvent::ReturnKey) {
            onLibraryTreeReturn();
        } else {
            library::onLibraryTreeEvent(appSettings().editorPath);
        }
        break;
    case ChooseEditorButton:
        chooseEditor();
        break;
    case SaveEditorPathButton:
        saveEditorPath();
        break;
    case CancelEditorPathButton:
        declineEditorPath();
        break;
    case online::SubmissionCodeView:
        enableWhenFilled(online::SubmissionCodeView, online::SendButton);
        break;
    case online::SendButton:
        online::sendSubmission();
        break;
    case online::SubmissionCancelButton:
        closeDialog(SubmissionWindow, MainWindow);
        break;
    case online::UploadCancelButton:
        online::cancelUpload();
        break;
    case library::CategoryNameField:
        enableWhenFilled(library::CategoryNameField, library::CreateCategoryButton);
        break;
    case library::CreateCategoryButton:
        if (library::createCategoryFromDialog()) {
            closeDialog(CreateCategoryWindow, MainWindow);
        }
        break;
    case library::CreateCategoryCancel:
        closeDialog(CreateCategoryWindow, MainWindow);
        break;
    case library::RemoveCategoryButton:
        if (library::removeCategoryFromDialog()) {
            closeDialog(RemoveCategoryWindow, MainWindow);
        }
        break;
    case library::RemoveCategoryCancel:
        closeDialog(RemoveCategoryWindow, MainWindow);
        break;
    case library::CodeTitleField:
    case library::CodeSourceEditor:
        enableWhenBothFilled(library::CodeTitleField, library::CodeSourceEditor,
                             library::AddCodeButton);
        break;
    case library::CodeLinkList:
        library::onLinkListEvent();
        break;
    case library::AddLinkButton:
        library::openAddLinkDialog();
        break;
    case library::RemoveLinkButton:
        library::removeSelectedLink();
        break;
    case library::AddCodeButton:
        if (library::addCodeFromDialog()) {
            closeDialog(AddCodeWindow, MainWindow);
        }
        break;
    case library::AddCodeCancel:
        closeDialog(AddCodeWindow, MainWindow);
        break;
    case library::LinkCommandField:
        library::proposeLink();
        enableWhenBothFilled(library::LinkCommandField, library::LinkAddressField,
                             library::AddLinkConfirm);
        break;
    case library::LinkAddressField:
        enableWhenBothFilled(library::LinkCommandField, library::LinkAddressField,
                             library::AddLinkConfirm);
        break;
    case library::AddLinkConfirm:
        if (library::addLinkRow()) {
            closeDialog(AddLinkWindow, AddCodeWindow);
        }
        break;
    case library::AddLinkCancel:
        closeDialog(AddLinkWindow, AddCodeWindow);
        break;
    case library::RemoveCodeTree:
        library::onRemoveCodeTreeEvent();
        break;
    case library::RemoveCodeButton:
        if (library::removeCodeFromDialog()) {
            closeDialog(RemoveCodeWindow, MainWindow);
        }
        break;
    case library::RemoveCodeCancel:
        closeDialog(RemoveCodeWindow, MainWindow);
        break;
    case library::SearchTextField:
    case library::SearchAgainButton:
    case library::ResultList:
    case library::ShowButton:
    case library::ShowAndCloseButton:
    case library::CloseSearchButton:
        library::onSearchWindowEvent(event.gadget, event.subType);
        break;
    case online::UpdateCancelButton:
        online::cancelUpdateCheck();
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
        return dispatchCommand(event.command, event.byKeyboard);
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
    while (true) {
        const widgets::WindowEvent event = widgets::waitWindowEvent();
        const bool close = handleEvent(event);
        if (online::updaterRequested()) {
            return LoopEnd::UpdaterHandOver;
        }
        if (close) {
            return LoopEnd::CloseRequest;
        }
    }
}

} // namespace codarium::app
