#include "app/editor_icon.h"
#include "app/main_window.h"
#include "app/main_window_numbers.h"
#include "platform/file_system.h"
#include "widgets/fonts.h"
#include "widgets/images.h"

namespace codarium::app {
namespace {

struct ImageFile {
    int number;
    const char* file;
};

constexpr ImageFile ImageFiles[] = {
    {image::RemoveCode, "Grafiken/Code_entfernen.ico"},
    {image::AddCode, "Grafiken/Code_hinzufuegen.ico"},
    {image::RemoveCategory, "Grafiken/Kategorie_entfernen.ico"},
    {image::CreateCategory, "Grafiken/Kategorie_erstellen.ico"},
    {image::Search, "Grafiken/Suchen.ico"},
    {image::SubmitCode, "Grafiken/WinAPI-Code_online_einreichen.ico"},
    {image::Update, "Grafiken/Aktualisierung.ico"},
    {image::RemoveAll, "Grafiken/Alles_entfernen.ico"},
    {image::Expand, "Grafiken/Aufklappen.ico"},
    {image::AddTemplates, "Grafiken/Bausteine_hinzufuegen.ico"},
    {image::Information, "Grafiken/Informationen.ico"},
    {image::Collapse, "Grafiken/Zuklappen.ico"},
    {image::Links, "Grafiken/MSDN_Links.ico"},
    {image::Banner, "Grafiken/Banner.png"},
};

// The first picture found for the editor; the image stays empty otherwise.
void loadEditorIcon(const AppSettings& settings) {
    widgets::freeImage(image::EditorIcon);
    for (const std::string& candidate :
         editorIconCandidates(settings.editorPath, desktopDataFolders())) {
        if (platform::fileExists(candidate) && widgets::loadImage(image::EditorIcon, candidate)) {
            return;
        }
    }
}

} // namespace

void loadImagesAndFont(const AppSettings& settings) {
    for (const ImageFile& f : ImageFiles) {
        widgets::loadImage(f.number, f.file);
    }
    loadEditorIcon(settings);
    widgets::loadFont(BannerFont, "", 12);
}

} // namespace codarium::app
