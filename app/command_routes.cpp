#include "app/command_routes.h"

#include "app/app_state.h"
#include "app/editor_commands.h"
#include "app/editor_path_window.h"
#include "app/main_window_numbers.h"
#include "app/package_update_notice.h"
#include "app/shell_commands.h"
#include "app/zoom_rule.h"
#include "library/admin_windows.h"
#include "library/api_link_commands.h"
#include "library/library_tree.h"
#include "library/search_marks.h"
#include "online/submission_window.h"
#include "online/update_wait_window.h"
#include "platform/paths.h"
#include "viewer/code_view.h"
#include "viewer/code_view_text.h"
#include "widgets/keyboard.h"

#include <algorithm>

namespace codarium::app {
namespace {

// What a command does; true when it turns the event into a close request.
struct CommandRoute {
    int command;
    bool (*act)(bool byKeyboard);
};

// A command that never ends the loop.
template <void (*Action)()> bool just(bool) {
    Action();
    return false;
}

void runUpdateCommand() {
    // An installed copy is left to the package manager.
    if (!explainPackageManagerUpdates(platform::directoryOf(platform::ownExecutablePath()))) {
        online::openUpdateWaitWindow(
            {serverConfig().server, serverConfig().directory, startupState().DataDir});
    }
}

void submitCode() {
    online::openSubmissionDialog(ProgramIdentity::HighlighterName);
}

template <ZoomStep Step> void zoomCodeView() {
    AppSettings& s = appSettings();
    s.zoom = zoomAfter(viewer::zoom(CodeViewGadget), Step);
    viewer::setZoom(CodeViewGadget, s.zoom);
}

template <int Size> bool iconSize(bool) {
    return setToolbarIconSize(Size);
}

template <bool Forward> void goToSearchMark() {
    library::goToSearchMark(Forward);
}

void focusSearch() {
    widgets::focusFieldSelectingAll(SearchField);
}

constexpr CommandRoute CommandRoutes[] = {
    {command::Update, just<runUpdateCommand>},
    {command::Exit, [](bool) { return true; }},
    {command::ExpandAll, just<library::expandAll>},
    {command::CollapseAll, just<library::collapseAll>},
    {command::CreateCategory, just<library::openCreateCategoryDialog>},
    {command::RemoveCategory, just<library::openRemoveCategoryDialog>},
    {command::AddCode, just<library::openAddCodeDialog>},
    {command::RemoveCode, just<library::openRemoveCodeDialog>},
    {command::RemoveAll, just<library::removeAll>},
    {command::SubmitCode, just<submitCode>},
    {command::ExportTemplates, just<exportTemplates>},
    {command::About, just<showAbout>},
    {command::Copy, just<viewer::copySelection>},
    {command::SelectAll, just<viewer::selectAll>},
    {command::ChooseEditor, just<chooseEditor>},
    {command::IconSize16, iconSize<16>},
    {command::IconSize24, iconSize<24>},
    {command::IconSize32, iconSize<32>},
    {command::OpenInEditor, just<openCodeInEditor>},
    {command::LinkMenu,
     [](bool byKeyboard) {
         library::showLinkMenu(byKeyboard);
         return false;
     }},
    {command::WordWrap, just<toggleWordWrap>},
    {command::StandardLocation, just<useStandardLocation>},
    {command::PortableLocation, just<usePortableLocation>},
    {command::FocusSearch, just<focusSearch>},
    {command::ZoomIn, just<zoomCodeView<ZoomStep::In>>},
    {command::ZoomOut, just<zoomCodeView<ZoomStep::Out>>},
    {command::ZoomReset, just<zoomCodeView<ZoomStep::Reset>>},
    {command::NextSearchMark, just<goToSearchMark<true>>},
    {command::PreviousSearchMark, just<goToSearchMark<false>>},
};

} // namespace

bool dispatchCommand(int cmd, bool byKeyboard) {
    const auto route = std::find_if(std::begin(CommandRoutes), std::end(CommandRoutes),
                                    [cmd](const CommandRoute& r) { return r.command == cmd; });
    if (route != std::end(CommandRoutes)) {
        return route->act(byKeyboard);
    }
    if (cmd >= command::FirstLink && cmd <= command::LastLink) {
        library::openLink(cmd);
    } else {
        static_cast<void>(library::runApiLinkCommand(cmd));
    }
    // Later link items (131 and up) are listed but do nothing.
    return false;
}

} // namespace codarium::app
