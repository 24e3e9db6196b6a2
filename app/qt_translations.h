#pragma once
// Qt's own texts (message box buttons, the text fields' context menus) in
// German like the rest of the interface, whatever the user's locale.

namespace codarium::app {

// Loads Qt's German translations from Qt's translations folder into the
// running application. False when there is no application yet or the
// translations are not installed; Qt's texts then stay English.
bool installGermanQtTranslations();

} // namespace codarium::app
