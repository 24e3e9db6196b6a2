#include "app/package_update_notice.h"

#include "app/per_user_program_directory.h"
#include "app/ui_text.h"
#include "widgets/message_box.h"

namespace codarium::app {

bool explainPackageManagerUpdates(std::string_view executableDirectory) {
    if (!needsPerUserCopy(programDirectoryFacts(executableDirectory))) {
        return false;
    }
    widgets::messageRequester(ui(PackageUpdateTitle), ui(PackageUpdateText),
                              widgets::MessageIcon::Information, widgets::MessageButtons::Ok);
    return true;
}

} // namespace codarium::app
