#include "library/admin_window_routes.h"

#include "library/admin_window_numbers.h"
#include "library/admin_windows.h"
#include "library/library_numbers.h"
#include "widgets/field_rules.h"
#include "widgets/gadget_routes.h"
#include "widgets/windows.h"

#include <span>

namespace codarium::library {
namespace {

using widgets::GadgetRoute;
using widgets::WindowEvent;

// A dialog's action button closes it only when the action went through; a
// refused one keeps what was typed.
template <bool (*Action)(), int Window, int Parent = MainWindow>
void closeAfter(const WindowEvent&) {
    if (Action()) {
        widgets::closeDialog(Window, Parent);
    }
}
template <int Window, int Parent = MainWindow> void cancel(const WindowEvent&) {
    widgets::closeDialog(Window, Parent);
}

constexpr GadgetRoute CreateCategoryRoutes[] = {
    {CategoryNameField,
     [](const WindowEvent&) {
         widgets::enableWhenFilled(CategoryNameField, CreateCategoryButton);
     }},
    {CreateCategoryButton, closeAfter<createCategoryFromDialog, CreateCategoryWindow>},
    {CreateCategoryCancel, cancel<CreateCategoryWindow>},
};

constexpr GadgetRoute RemoveCategoryRoutes[] = {
    {RemoveCategoryButton, closeAfter<removeCategoryFromDialog, RemoveCategoryWindow>},
    {RemoveCategoryCancel, cancel<RemoveCategoryWindow>},
};

void enableAddCode(const WindowEvent&) {
    widgets::enableWhenBothFilled(CodeTitleField, CodeSourceEditor, AddCodeButton);
}
constexpr GadgetRoute AddCodeRoutes[] = {
    {CodeTitleField, enableAddCode},
    {CodeSourceEditor, enableAddCode},
    {CodeLinkList, [](const WindowEvent&) { onLinkListEvent(); }},
    {AddLinkButton, [](const WindowEvent&) { openAddLinkDialog(); }},
    {RemoveLinkButton, [](const WindowEvent&) { removeSelectedLink(); }},
    {AddCodeButton, closeAfter<addCodeFromDialog, AddCodeWindow>},
    {AddCodeCancel, cancel<AddCodeWindow>},
};

void enableAddLink(const WindowEvent&) {
    widgets::enableWhenBothFilled(LinkCommandField, LinkAddressField, AddLinkConfirm);
}
constexpr GadgetRoute AddLinkRoutes[] = {
    {LinkCommandField,
     [](const WindowEvent& event) {
         proposeLink();
         enableAddLink(event);
     }},
    {LinkAddressField, enableAddLink},
    {AddLinkConfirm, closeAfter<addLinkRow, AddLinkWindow, AddCodeWindow>},
    {AddLinkCancel, cancel<AddLinkWindow, AddCodeWindow>},
};

constexpr GadgetRoute RemoveCodeRoutes[] = {
    {RemoveCodeTree, [](const WindowEvent&) { onRemoveCodeTreeEvent(); }},
    {RemoveCodeButton, closeAfter<removeCodeFromDialog, RemoveCodeWindow>},
    {RemoveCodeCancel, cancel<RemoveCodeWindow>},
};

} // namespace

void routeAdminDialog(int window) {
    switch (window) {
    case CreateCategoryWindow:
        widgets::routeGadgets(window, CreateCategoryRoutes);
        break;
    case RemoveCategoryWindow:
        widgets::routeGadgets(window, RemoveCategoryRoutes);
        break;
    case AddCodeWindow:
        widgets::routeGadgets(window, AddCodeRoutes);
        break;
    case AddLinkWindow:
        widgets::routeGadgets(window, AddLinkRoutes);
        break;
    case RemoveCodeWindow:
        widgets::routeGadgets(window, RemoveCodeRoutes);
        break;
    default:
        break;
    }
}

} // namespace codarium::library
