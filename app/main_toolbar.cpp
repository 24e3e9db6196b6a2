#include "app/main_layout.h"
#include "app/main_window.h"
#include "app/main_window_numbers.h"
#include "app/ui_text.h"
#include "widgets/toolbar.h"

namespace codarium::app {
namespace {

void button(int command, int image, const char* toolTip) {
    widgets::addToolBarImageButton(MainToolBar, command, image);
    widgets::setToolBarToolTip(MainToolBar, command, ui(toolTip));
}

} // namespace

void buildMainToolBar(const AppSettings& settings) {
    using namespace command;
    widgets::createToolBar(MainToolBar, MainWindow, toolbarIconSizeFor(settings.toolbarIconSize));
    button(ExpandAll, image::Expand, "Categorie Dépliée   ");
    button(CollapseAll, image::Collapse, "Categorie fermée   ");
    if (settings.administratorMode == 1) {
        button(CreateCategory, image::CreateCategory, "Kategorie erstellen");
        button(RemoveCategory, image::RemoveCategory, "Kategorie entfernen");
        button(AddCode, image::AddCode, "Code hinzufügen");
        button(RemoveCode, image::RemoveCode, "Code entfernen");
        button(RemoveAll, image::RemoveAll, "Alle Kategorien und Codes entfernen");
    }
    widgets::addToolBarSeparator(MainToolBar);
    button(SubmitCode, image::SubmitCode, "Proposer un code WinAPI      ");
    button(ExportTemplates, image::AddTemplates, "Ajouter un boc en Purebasic      ");
    widgets::addToolBarSeparator(MainToolBar);
    button(OpenInEditor, image::EditorIcon, "Ouverture dans Purebasic");
    button(LinkMenu, image::Links, "Lien avec MSDN     ");
    widgets::addToolBarSeparator(MainToolBar);
    button(Update, image::Update, "Actualiser    ");
    button(About, image::Information, "Information  ");
    widgets::disableToolBarButton(MainToolBar, OpenInEditor, true);
    widgets::disableToolBarButton(MainToolBar, LinkMenu, true);
}

} // namespace codarium::app
