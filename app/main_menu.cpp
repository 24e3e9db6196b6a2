#include "app/main_window.h"
#include "app/main_window_numbers.h"
#include "app/ui_text.h"
#include "widgets/menus.h"

namespace codarium::app {
namespace {

void item(int command, const char* text, int image = -1) {
    widgets::addMenuItem(MainMenu, command, ui(text), image);
}

} // namespace

void buildMainMenu(const AppSettings& settings) {
    using namespace command;
    widgets::createMenu(MainMenu, MainWindow);

    widgets::addMenuTitle(MainMenu, ui("Programm"));
    widgets::openSubMenu(MainMenu, ui("Enregistrer paramètres "));
    item(StandardLocation, "Répertoire application(Standard)");
    item(PortableLocation, "Répertoire programme(Portable)");
    widgets::closeSubMenu(MainMenu);
    item(Update, "Actualiser    ", image::Update);
    item(Exit, "Sortie ", image::RemoveCode);

    widgets::addMenuTitle(MainMenu, ui("  Voir "));
    widgets::openSubMenu(MainMenu, ui("Categorie"));
    item(ExpandAll, "Tout déplier   ", image::Expand);
    item(CollapseAll, "Tout fermer   ", image::Collapse);
    widgets::closeSubMenu(MainMenu);
    widgets::openSubMenu(MainMenu, ui("Taille Toolbar   "));
    item(IconSize16, "16x16");
    item(IconSize24, "24x24");
    item(IconSize32, "32x32");
    widgets::closeSubMenu(MainMenu);
    item(WordWrap, "Saut de ligne");

    if (settings.administratorMode == 1) {
        widgets::addMenuTitle(MainMenu, ui("Bearbeitung"));
        widgets::openSubMenu(MainMenu, ui("Categorie"));
        item(CreateCategory, "Erstellen", image::CreateCategory);
        item(RemoveCategory, "Entfernen", image::RemoveCategory);
        widgets::closeSubMenu(MainMenu);
        widgets::openSubMenu(MainMenu, ui("Code"));
        item(AddCode, "Hinzufügen", image::AddCode);
        item(RemoveCode, "Entfernen", image::RemoveCode);
        widgets::closeSubMenu(MainMenu);
        item(RemoveAll, "Alle Kategorien und Codes entfernen", image::RemoveAll);
    }

    widgets::addMenuTitle(MainMenu, ui("Code"));
    item(OpenInEditor, "Ouverture dans Purebasic", image::EditorIcon);
    item(LinkMenu, "Lien avec MSDN     ", image::Links);
    item(ChooseEditor, "Chemin éditeur Purebasic        ", image::EditorIcon);
    widgets::disableMenuItem(MainMenu, OpenInEditor, true);
    widgets::disableMenuItem(MainMenu, LinkMenu, true);

    widgets::addMenuTitle(MainMenu, ui("Extras"));
    item(SubmitCode, "Proposer un code WinAPI      ", image::SubmitCode);
    item(ExportTemplates, "Ajouter un boc en Purebasic      ", image::AddTemplates);

    widgets::addMenuTitle(MainMenu, ui("Aide "));
    item(About, "Information  ", image::Information);

    checkIconSizeItem(settings.toolbarIconSize);
    widgets::setMenuItemChecked(MainMenu, WordWrap, settings.wordWrap == 1);
}

void buildCodeViewPopupMenu() {
    widgets::createPopupMenu(CodeViewPopupMenu);
    widgets::addMenuItem(CodeViewPopupMenu, command::Copy, ui("Kopieren"));
    widgets::addMenuItem(CodeViewPopupMenu, command::SelectAll, ui("Alles markieren"));
}

} // namespace codarium::app
