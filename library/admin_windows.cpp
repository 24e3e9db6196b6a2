#include "library/admin_windows.h"

#include "library/admin_window_routes.h"

#include "library/admin_messages.h"
#include "library/admin_store.h"
#include "library/admin_window_numbers.h"
#include "library/api_links.h"
#include "library/library_numbers.h"
#include "library/library_tree.h"
#include "library/list_file.h"
#include "library/store_paths.h"
#include "platform/code_page.h"
#include "platform/ui_text.h"
#include "widgets/combo_gadget.h"
#include "widgets/exact_gadget_text.h"
#include "widgets/gadgets.h"
#include "widgets/image_gadget.h"
#include "widgets/keyboard.h"
#include "widgets/list_gadget.h"
#include "widgets/message_box.h"
#include "widgets/text_gadgets.h"
#include "widgets/tree_gadget.h"
#include "widgets/windows.h"

#include <optional>
#include <string>
#include <vector>

namespace codarium::library {
namespace {

using platform::ui;

// The icon files hold several sizes and load as the largest; the dialogs
// leave room for the icon size of the system the layout was made for.
constexpr int DialogIconSize = 32;

// What every dialog shares: a frame without text, the image at 20, 30 and
// the two buttons at the bottom right.
struct DialogFrame {
    int window;
    int parent;
    int width;
    int height;
    std::string_view title; // UTF-8
    int frame;
    int image;
    int imageNumber;
};

bool openDialog(const DialogFrame& d) {
    if (!widgets::openWindow(d.window, 0, 0, d.width, d.height, ui(d.title), widgets::DialogFlags,
                             d.parent)) {
        return false;
    }
    widgets::frameGadget(d.frame, d.window, 10, 10, d.width - 20, d.height - 50);
    widgets::imageGadget(d.image, d.window, 20, 30, DialogIconSize, DialogIconSize, d.imageNumber);
    routeAdminDialog(d.window);
    return true;
}

void addDialogButtons(const DialogFrame& d, int action, std::string_view actionText, int cancel) {
    const int y = d.height - 30;
    widgets::buttonGadget(action, d.window, d.width - 220, y, 100, 20, ui(actionText));
    widgets::buttonGadget(cancel, d.window, d.width - 110, y, 100, 20, "Abbrechen");
}

void label(int gadget, int window, int y, std::string_view text) {
    widgets::textGadget(gadget, window, 60, y, 80, 20, ui(text));
}

// A drop-down list holding the category list in file order, the first entry
// chosen.
void fillCategoryChoice(int gadget) {
    for (const auto& category : readLines(categoryListPath())) {
        widgets::addComboItem(gadget, category);
    }
    if (widgets::comboItemCount(gadget) > 0) {
        widgets::setSelectedComboItem(gadget, 0);
    }
}

std::string chosenEntry(int gadget) {
    const int index = widgets::selectedComboItem(gadget);
    return index < 0 ? std::string() : widgets::comboItemText(gadget, index);
}

void warn(std::string_view titleUtf8, const std::string& text) {
    widgets::messageRequester(ui(titleUtf8), text, widgets::MessageIcon::Warning);
}

// Shows how a change ended; true when it was made completely.
bool report(std::string_view titleUtf8, EditKind kind, const EditResult& result,
            std::string_view category, std::string_view title) {
    if (result.refused()) {
        warn(titleUtf8, refusalMessage(kind, result, category, title));
        return false;
    }
    reloadLibraryTree();
    if (!result.complete) {
        widgets::errorBox(failureMessage(kind));
    }
    return result.complete;
}

constexpr std::string_view CreateCategoryTitle = "Kategorie erstellen";
constexpr std::string_view RemoveCategoryTitle = "Kategorie entfernen";
constexpr std::string_view AddCodeTitle = "Code hinzufügen";
constexpr std::string_view RemoveCodeTitle = "Entfernen";
constexpr std::string_view AddLinkTitle = "Hinzufügen";
constexpr std::string_view RemoveAllTitle = "Alle Kategorien und Codes entfernen";

constexpr unsigned EveryFieldEvent = widgets::TextFieldReportsFocus;

} // namespace

void openCreateCategoryDialog() {
    const DialogFrame d{
        CreateCategoryWindow, MainWindow,        370, 110, CreateCategoryTitle, CreateCategoryFrame,
        CreateCategoryImage,  CreateCategoryIcon};
    if (!openDialog(d)) {
        return;
    }
    label(CreateCategoryLabel, d.window, 30, "Name:");
    widgets::stringGadget(CategoryNameField, d.window, 150, 30, 200, 20, "", EveryFieldEvent);
    addDialogButtons(d, CreateCategoryButton, "Erstellen", CreateCategoryCancel);
    widgets::disableGadget(CreateCategoryButton, true);
    widgets::disableWindow(d.parent, true);
    widgets::setDialogKeys(d.window,
                           {CategoryNameField, CreateCategoryButton, CreateCategoryCancel});
}

void openRemoveCategoryDialog() {
    const DialogFrame d{
        RemoveCategoryWindow, MainWindow,        370, 110, RemoveCategoryTitle, RemoveCategoryFrame,
        RemoveCategoryImage,  RemoveCategoryIcon};
    if (!openDialog(d)) {
        return;
    }
    label(RemoveCategoryLabel, d.window, 30, "Kategorie:");
    widgets::comboBoxGadget(RemoveCategoryChoice, d.window, 150, 30, 200, 20);
    addDialogButtons(d, RemoveCategoryButton, "Entfernen", RemoveCategoryCancel);
    fillCategoryChoice(RemoveCategoryChoice);
    widgets::disableWindow(d.parent, true);
    widgets::setDialogKeys(d.window,
                           {RemoveCategoryChoice, RemoveCategoryButton, RemoveCategoryCancel});
}

void openAddCodeDialog() {
    // Without a category the code would have nowhere to go.
    if (readLines(categoryListPath()).empty()) {
        warn(AddCodeTitle, noCategoryMessage());
        return;
    }
    const DialogFrame d{AddCodeWindow, MainWindow,   470,          380,
                        AddCodeTitle,  AddCodeFrame, AddCodeImage, AddCodeIcon};
    if (!openDialog(d)) {
        return;
    }
    label(CodeTitleLabel, d.window, 30, "Titel:");
    label(CodeCategoryLabel, d.window, 60, "Kategorie:");
    label(CodeSourceLabel, d.window, 90, "Code:");
    widgets::stringGadget(CodeTitleField, d.window, 150, 30, 300, 20, "", EveryFieldEvent);
    widgets::comboBoxGadget(CodeCategoryChoice, d.window, 150, 60, 300, 20);
    widgets::editorGadget(CodeSourceEditor, d.window, 150, 90, 300, 100, "",
                          EveryFieldEvent | widgets::TextFieldNoWrap);
    label(CodeLinksLabel, d.window, 200, "MSDN-Links:");
    widgets::listIconGadget(CodeLinkList, d.window, 150, 200, 300, 100, "Befehl", 135);
    widgets::addListColumn(CodeLinkList, 1, "Link", 135);
    widgets::buttonGadget(AddLinkButton, d.window, d.width - 230, d.height - 70, 100, 20,
                          ui("Hinzufügen"));
    widgets::buttonGadget(RemoveLinkButton, d.window, d.width - 120, d.height - 70, 100, 20,
                          "Entfernen");
    addDialogButtons(d, AddCodeButton, "Hinzufügen", AddCodeCancel);
    fillCategoryChoice(CodeCategoryChoice);
    widgets::disableGadget(RemoveLinkButton, true);
    widgets::disableGadget(AddCodeButton, true);
    widgets::disableWindow(d.parent, true);
    widgets::setDialogKeys(d.window, {CodeTitleField, AddCodeButton, AddCodeCancel});
}

void openAddLinkDialog() {
    const DialogFrame d{AddLinkWindow, AddCodeWindow, 370,          130,
                        "Hinzufügen",  AddLinkFrame,  AddLinkImage, AddCodeIcon};
    if (!openDialog(d)) {
        return;
    }
    label(LinkCommandLabel, d.window, 30, "Befehl:");
    label(LinkAddressLabel, d.window, 60, "Link:");
    widgets::stringGadget(LinkCommandField, d.window, 150, 30, 200, 20, "", EveryFieldEvent);
    widgets::stringGadget(LinkAddressField, d.window, 150, 60, 200, 20, "", EveryFieldEvent);
    addDialogButtons(d, AddLinkConfirm, "Hinzufügen", AddLinkCancel);
    widgets::disableGadget(AddLinkConfirm, true);
    widgets::disableWindow(d.parent, true);
    widgets::setDialogKeys(d.window, {LinkCommandField, AddLinkConfirm, AddLinkCancel});
}

void openRemoveCodeDialog() {
    const DialogFrame d{RemoveCodeWindow, MainWindow,      480,           280, RemoveCodeTitle,
                        RemoveCodeFrame,  RemoveCodeImage, RemoveCodeIcon};
    if (!openDialog(d)) {
        return;
    }
    widgets::treeGadget(RemoveCodeTree, d.window, 60, 30, 400, 200);
    addDialogButtons(d, RemoveCodeButton, "Entfernen", RemoveCodeCancel);
    fillLibraryTree(RemoveCodeTree);
    const int count = widgets::treeItemCount(RemoveCodeTree);
    for (int position = 0; position < count; ++position) {
        widgets::setTreeItemExpanded(RemoveCodeTree, position, true);
    }
    // The first item is a category; its selection event applies the same rule.
    widgets::disableGadget(RemoveCodeButton, true);
    if (count > 0) {
        widgets::setCurrentTreeItem(RemoveCodeTree, 0);
    }
    widgets::disableWindow(d.parent, true);
    widgets::setDialogKeys(d.window, {RemoveCodeTree, RemoveCodeButton, RemoveCodeCancel});
}

// The typed text, or nothing after a warning when it holds a character the
// library cannot store (it would otherwise be stored as "?").
std::optional<std::string> storableText(int gadget, TypedField field, std::string_view titleUtf8) {
    platform::ExactCodePageText typed = widgets::exactGadgetText(gadget);
    if (!typed.complete()) {
        warn(titleUtf8, unstorableCharacterMessage(field, typed));
        return std::nullopt;
    }
    return std::move(typed.bytes);
}

bool createCategoryFromDialog() {
    const auto name =
        storableText(CategoryNameField, TypedField::CategoryName, CreateCategoryTitle);
    if (!name) {
        return false;
    }
    return report(CreateCategoryTitle, EditKind::CreateCategory, createCategory(*name), *name, {});
}

bool removeCategoryFromDialog() {
    const std::string name = chosenEntry(RemoveCategoryChoice);
    const EditResult result = removeCategory(name);
    report(RemoveCategoryTitle, EditKind::RemoveCategory, result, name, {});
    // A removal that went wrong halfway has still changed the store.
    return !result.refused();
}

bool addCodeFromDialog() {
    const auto typedTitle = storableText(CodeTitleField, TypedField::CodeTitle, AddCodeTitle);
    if (!typedTitle) {
        return false;
    }
    const auto typedSource = storableText(CodeSourceEditor, TypedField::CodeSource, AddCodeTitle);
    if (!typedSource) {
        return false;
    }
    const std::string& title = *typedTitle;
    const std::string& source = *typedSource;
    const std::string category = chosenEntry(CodeCategoryChoice);
    std::vector<ApiLink> links;
    const int rows = widgets::listRowCount(CodeLinkList);
    for (int row = 0; row < rows; ++row) {
        links.push_back({widgets::listCellText(CodeLinkList, row, 0),
                         widgets::listCellText(CodeLinkList, row, 1)});
    }
    return report(AddCodeTitle, EditKind::AddCode, addCode(category, title, source, links),
                  category, title);
}

bool removeCodeFromDialog() {
    const int position = widgets::currentTreeItem(RemoveCodeTree);
    if (position < 0 || widgets::treeItemLevel(RemoveCodeTree, position) != 1) {
        return false;
    }
    const std::string category = categoryOfItem(RemoveCodeTree, position);
    const std::string title = widgets::treeItemText(RemoveCodeTree, position);
    const EditResult result = removeCode(category, title);
    report(RemoveCodeTitle, EditKind::RemoveCode, result, category, title);
    return !result.refused();
}

void removeAll() {
    const auto answer = widgets::messageRequester(
        ui(RemoveAllTitle), ui("Möchten Sie wirklich alle Kategorien und Codes löschen?"),
        widgets::MessageIcon::Question, widgets::MessageButtons::YesNo);
    if (answer != widgets::MessageResult::Yes) {
        return;
    }
    const bool complete = removeWholeLibrary();
    reloadLibraryTree();
    if (!complete) {
        widgets::errorBox(ui("Die Bibliothek konnte nicht vollständig entfernt werden."));
    }
}

void proposeLink() {
    widgets::setGadgetText(LinkAddressField,
                           knownLink(apiLinkMap(), widgets::gadgetText(LinkCommandField)));
}

bool addLinkRow() {
    const auto command = storableText(LinkCommandField, TypedField::LinkCommand, AddLinkTitle);
    if (!command) {
        return false;
    }
    const auto address = storableText(LinkAddressField, TypedField::LinkAddress, AddLinkTitle);
    if (!address) {
        return false;
    }
    widgets::addListRow(CodeLinkList, {*command, *address});
    return true;
}

void onLinkListEvent() {
    widgets::disableGadget(RemoveLinkButton, widgets::selectedListRow(CodeLinkList) < 0);
}

void removeSelectedLink() {
    const int row = widgets::selectedListRow(CodeLinkList);
    if (row >= 0) {
        widgets::removeListRow(CodeLinkList, row);
    }
    // The list may select a neighbour by itself; the button follows the rule
    // "a row was removed, nothing is selected".
    widgets::setSelectedListRow(CodeLinkList, -1);
    widgets::disableGadget(RemoveLinkButton, true);
}

void onRemoveCodeTreeEvent() {
    const int position = widgets::currentTreeItem(RemoveCodeTree);
    const bool code = position >= 0 && widgets::treeItemLevel(RemoveCodeTree, position) == 1;
    widgets::disableGadget(RemoveCodeButton, !code);
}

} // namespace codarium::library
