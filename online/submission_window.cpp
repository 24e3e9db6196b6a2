#include "online/submission_window.h"

#include "library/store_paths.h"
#include "online/submission_file.h"
#include "online/submission_server.h"
#include "online/submission_window_numbers.h"
#include "online/upload_window.h"
#include "online/window_routes.h"
#include "platform/code_page.h"
#include "platform/ui_text.h"
#include "runtime/text_file.h"
#include "viewer/code_view.h"
#include "viewer/code_view_text.h"
#include "widgets/combo_gadget.h"
#include "widgets/gadgets.h"
#include "widgets/image_gadget.h"
#include "widgets/keyboard.h"
#include "widgets/message_box.h"
#include "widgets/text_gadgets.h"
#include "widgets/windows.h"

#include <string>

namespace codarium::online {
namespace {

using platform::ui;

std::string notesText() {
    std::string text = ui("Wichtig: Worauf Sie in Ihrem Code achten müssen:");
    for (const std::string_view point :
         {"Keine externe Dateien (Include-Dateien, Grafiken, Sounds u.ä.)", "Explizit-Modus",
          "Richtiges Einrücken", "WinAPI-Verwendung", "Maximal 51.200 Zeichen (50 KB)"}) {
        text += ui("\r\t• ");
        text += ui(point);
    }
    return text;
}

// Every line of the category list, in file order and unchanged (empty lines
// too); the first entry chosen.
void fillCategories() {
    const textfile::FileId file =
        textfile::openRead(textfile::AnyFile, library::categoryListPath());
    if (file == 0) {
        return;
    }
    std::string line;
    while (!textfile::atEnd(file)) {
        textfile::readLine(file, line);
        widgets::addComboItem(CategoryCombo, line);
    }
    textfile::close(file);
    if (widgets::comboItemCount(CategoryCombo) > 0) {
        widgets::setSelectedComboItem(CategoryCombo, 0);
    }
}

void labelledField(int label, int field, int y, std::string_view text) {
    widgets::textGadget(label, SubmissionWindowNumber, 60, y, 80, 20, ui(text));
    widgets::stringGadget(field, SubmissionWindowNumber, 150, y, 350, 20, "");
}

} // namespace

void openSubmissionDialog(std::string_view highlighterPath) {
    constexpr int W = SubmissionWidth;
    constexpr int H = SubmissionHeight;
    constexpr int Window = SubmissionWindowNumber;
    if (!widgets::openWindow(Window, 0, 0, W, H, "Proposer un code WinAPI      ",
                             widgets::DialogFlags, MainWindowNumber)) {
        return;
    }
    routeSubmissionWindow();
    widgets::frameGadget(SubmissionFrame, Window, 10, 10, W - 20, H - 50);
    widgets::imageGadget(SubmissionIcon, Window, 20, 30, SubmitCodeIconSize, SubmitCodeIconSize,
                         SubmitCodeImage);
    labelledField(AuthorLabel, AuthorField, 30, "Autor:");
    labelledField(EmailLabel, EmailField, 60, "E-Mail-Adresse:");
    labelledField(TitleLabel, TitleField, 90, "Titel:");
    widgets::textGadget(CategoryLabel, Window, 60, 120, 80, 20, "Kategorie:");
    widgets::comboBoxGadget(CategoryCombo, Window, 150, 120, 350, 20);
    widgets::textGadget(CodeLabel, Window, 60, 150, 80, 20, "Code:");
    widgets::textGadget(NotesText, Window, 150, 150, W - 170, 90, notesText());
    // A new view at every opening, so it takes the editor's current styles.
    viewer::createCodeView(SubmissionCodeView, Window, 150, 240, W - 170, 200, highlighterPath);
    widgets::buttonGadget(SendButton, Window, W - 220, H - 30, 100, 20, "Senden");
    widgets::disableGadget(SendButton, true);
    widgets::buttonGadget(SubmissionCancelButton, Window, W - 110, H - 30, 100, 20, "Abbrechen");
    fillCategories();
    widgets::setGadgetAccessibleName(SubmissionCodeView, "Code:");
    widgets::disableWindow(MainWindowNumber, true);
    widgets::setDialogKeys(Window, {AuthorField, SendButton, SubmissionCancelButton});
}

void sendSubmission() {
    // A second click that was queued before window 2 was disabled.
    if (widgets::isWindow(UploadWindowNumber)) {
        return;
    }
    if (viewer::textLength(SubmissionCodeView) > MaximumCodeLength) {
        widgets::messageRequester("Fehler",
                                  ui("Die Anzahl der Zeichen wurde überschritten.\rSie können "
                                     "nur maximal 51.200 Zeichen eingeben."),
                                  widgets::MessageIcon::Warning);
        return;
    }
    // Everything the worker needs is taken here, on the GUI thread.
    const SubmissionDetails details{
        widgets::gadgetText(AuthorField),
        widgets::gadgetText(EmailField),
        widgets::gadgetText(TitleField),
        widgets::gadgetText(CategoryCombo),
    };
    openUploadWindow({submissionFilePath(),
                      submissionFileBytes(viewer::viewFileBytes(SubmissionCodeView), details),
                      submissionServer()});
}

} // namespace codarium::online
