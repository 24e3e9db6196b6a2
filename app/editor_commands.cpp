#include "app/editor_commands.h"

#include "app/app_state.h"
#include "app/main_window_numbers.h"
#include "app/ui_text.h"
#include "editor_link/open_in_editor.h"
#include "editor_link/template_export.h"
#include "library/library_tree.h"
#include "library/store_paths.h"
#include "widgets/message_box.h"
#include "widgets/tree_gadget.h"

#include <string>

namespace codarium::app {
namespace {

constexpr const char* ExportTitle = "Ajouter un boc en Purebasic      ";

} // namespace

void exportTemplates() {
    using editor_link::TemplateExport;
    const std::string templates = editor_link::templatesFilePath();
    if (!editor_link::templatesFileExists(templates)) {
        widgets::errorBox(ui("Die Datei ''Templates.prefs'' konnte im Anwendungsdaten-Verzeichnis "
                             "nicht gefunden werden."));
        return;
    }
    const widgets::MessageResult answer = widgets::messageRequester(
        ExportTitle,
        ui("Möchten Sie alle Codes in PureBasic hinzufügen?\r"
           "Bitte beenden Sie die Anwendung ''PureBasic'', bevor Sie mit diesem Vorgang "
           "fortsetzen."),
        widgets::MessageIcon::Question, widgets::MessageButtons::YesNo);
    if (answer != widgets::MessageResult::Yes) {
        return;
    }
    switch (editor_link::exportTemplatesTo(templates, library::CodesDirectory)) {
    case TemplateExport::Done:
        widgets::messageRequester(ExportTitle,
                                  ui("Alle Codes wurden in Purebasic erfolgreich hinzugefügt."),
                                  widgets::MessageIcon::Information);
        break;
    case TemplateExport::TemplatesUnreadable:
        widgets::errorBox(ui("Die Datei ''Templates.prefs'' konnte nicht gelesen werden.\r"
                             "Es wurden keine Codes hinzugefügt."));
        break;
    case TemplateExport::TemplatesReadOnly:
        widgets::errorBox(ui("Die Datei ''Templates.prefs'' ist schreibgeschützt.\r"
                             "Sie ist unverändert geblieben; es wurden keine Codes hinzugefügt."));
        break;
    case TemplateExport::NotWritten:
        widgets::errorBox(ui("Die Datei ''Templates.prefs'' konnte nicht geschrieben werden.\r"
                             "Sie ist unverändert geblieben; es wurden keine Codes hinzugefügt."));
        break;
    }
}

void openCodeInEditor() {
    // Without an editor the command is disabled; "0" is no program to start.
    const std::string& editor = appSettings().editorPath;
    if (editor.empty() || editor == "0") {
        return;
    }
    const int position = widgets::currentTreeItem(LibraryTreeGadget);
    if (position < 0 || widgets::treeItemLevel(LibraryTreeGadget, position) != 1) {
        return;
    }
    editor_link::openCodeInEditor(editor, library::categoryOfItem(LibraryTreeGadget, position),
                                  widgets::treeItemText(LibraryTreeGadget, position));
}

} // namespace codarium::app
