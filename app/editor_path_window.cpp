#include "app/editor_path_window.h"

#include "app/app_state.h"
#include "app/editor_path_window_numbers.h"
#include "app/main_window_numbers.h"
#include "app/shell_commands.h"
#include "app/ui_text.h"
#include "app/window_routes.h"
#include "platform/associated_editor.h"
#include "platform/file_system.h"
#include "widgets/file_dialog.h"
#include "widgets/gadgets.h"
#include "widgets/image_gadget.h"
#include "widgets/images.h"
#include "widgets/keyboard.h"
#include "widgets/menus.h"
#include "widgets/message_box.h"
#include "widgets/path_field.h"
#include "widgets/text_gadgets.h"
#include "widgets/toolbar.h"
#include "widgets/tree_gadget.h"
#include "widgets/windows.h"

#include <string>

namespace codarium::app {
namespace {

constexpr int Width = 500;
constexpr int Height = 250;

struct DialogText {
    int gadget;
    int y;
    int height;
    const char* text; // UTF-8
};

constexpr DialogText Texts[] = {
    {EditorPathFirstRun, 60, 20, "Die Anwendung wurde zum ersten Mal ausgeführt."},
    {EditorPathPurpose, 80, 30,
     "Um einen ausgewählten Code in dieser Anwendung mit dem Editor ''PureBasic'' öffnen zu "
     "können, muss zuerst eine Einstellung vorgenommen werden."},
    {EditorPathCheck, 110, 20,
     "Überprüfen Sie bitte, ob der angegebene Pfad zum Editor korrekt ist."},
    {EditorPathChooseHint, 130, 20,
     "Falls der Pfad nicht korrekt ist, wählen Sie das Editor-Programm manuell aus."},
    {EditorPathCancelHint, 150, 20, "Sie können aber auch diese Konfiguration abbrechen."},
    {EditorPathCancelEffect, 170, 20,
     "Beim Abbrechen dieser Konfiguration wird jedoch die Funktion ''Code in PureBasic öffnen'' "
     "deaktiviert."},
};

// The editor's executable on Linux; a GTK2 build carries a suffix.
constexpr const char* EditorFileName = "purebasic";
constexpr const char* EditorFilter = "Executable-Dateien|purebasic;purebasic_gtk2";

// White "Herzlich Willkommen" across the top of a copy of the banner; no
// caption without a banner.
void drawBannerCaption() {
    if (!widgets::copyImage(image::Banner, BannerCaptionImage)) {
        return;
    }
    const std::string caption = "Herzlich Willkommen";
    widgets::TextDrawing drawing;
    drawing.frontColour = 0xFFFFFF;
    drawing.transparentBackground = true;
    drawing.font = BannerFont;
    const int x =
        (widgets::imageWidth(BannerCaptionImage) - widgets::textWidth(caption, BannerFont)) / 2;
    widgets::drawTextOnImage(BannerCaptionImage, x, 15, caption, drawing);
    widgets::setGadgetImage(EditorPathBanner, BannerCaptionImage);
}

void enableCommand(int command) {
    widgets::disableMenuItem(MainMenu, command, false);
    widgets::disableToolBarButton(MainToolBar, command, false);
}

// Commands 19 and 20 as a click on the tree's current item leaves them.
void enableCodeCommands() {
    const int position = widgets::currentTreeItem(LibraryTreeGadget);
    if (position < 0 || widgets::treeItemLevel(LibraryTreeGadget, position) != 1) {
        return;
    }
    enableCommand(command::LinkMenu);
    if (appSettings().editorPath != "0") {
        enableCommand(command::OpenInEditor);
    }
}

} // namespace

void checkEditorPath() {
    if (appSettings().editorPath.empty()) {
        openEditorPathDialog();
    }
}

void openEditorPathDialog() {
    // No close box, and the window manager's close request is dropped: the
    // dialog ends only through its two buttons.
    if (!widgets::openWindow(EditorPathWindow, 0, 0, Width, Height, "Pfadeinstellung",
                             widgets::DialogFlags | widgets::WindowNoCloseEntry, MainWindow)) {
        return;
    }
    routeEditorPathWindow();
    widgets::imageGadget(EditorPathBanner, EditorPathWindow, 0, 0, 0, 0, image::Banner);
    for (const DialogText& t : Texts) {
        widgets::textGadget(t.gadget, EditorPathWindow, 10, t.y, Width - 20, t.height, ui(t.text));
    }
    widgets::textGadget(EditorPathLabel, EditorPathWindow, 10, 190, 100, 20, "Pfad:");
    widgets::stringGadget(EditorPathField, EditorPathWindow, 100, 190, 280, 20, "",
                          widgets::TextFieldReadOnly);
    widgets::setFieldPath(EditorPathField, platform::findAssociatedEditor("pb"));
    widgets::buttonGadget(ChooseEditorButton, EditorPathWindow, Width - 110, 190, 100, 20,
                          ui("Auswählen"));
    widgets::buttonGadget(SaveEditorPathButton, EditorPathWindow, Width - 220, 220, 100, 20,
                          ui("Speichern"));
    widgets::buttonGadget(CancelEditorPathButton, EditorPathWindow, Width - 110, 220, 100, 20,
                          ui("Abbrechen"));
    widgets::disableGadget(SaveEditorPathButton, true);
    drawBannerCaption();
    if (!widgets::gadgetText(EditorPathField).empty()) {
        widgets::disableGadget(SaveEditorPathButton, false);
    }
    widgets::disableWindow(MainWindow, true);
    widgets::setDialogKeys(EditorPathWindow,
                           {ChooseEditorButton, SaveEditorPathButton, CancelEditorPathButton});
}

void chooseEditor() {
    const std::string chosen =
        widgets::openFileRequester(ui("PureBasic-Editor auswählen"), EditorFileName, EditorFilter);
    if (!chosen.empty()) {
        if (!platform::fileExists(chosen)) {
            widgets::errorBox(ui("Die von Ihnen angegebene Datei konnte nicht gefunden werden."));
        } else if (widgets::isWindow(EditorPathWindow)) {
            widgets::setFieldPath(EditorPathField, chosen);
            widgets::disableGadget(SaveEditorPathButton, false);
        } else {
            appSettings().editorPath = chosen;
        }
    }
    enableCodeCommands();
}

void saveEditorPath() {
    appSettings().editorPath = widgets::fieldPath(EditorPathField);
    closeDialog(EditorPathWindow, MainWindow);
}

void declineEditorPath() {
    appSettings().editorPath.assign(1, '0');
    closeDialog(EditorPathWindow, MainWindow);
}

} // namespace codarium::app
