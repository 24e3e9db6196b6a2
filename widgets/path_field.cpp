#include "widgets/path_field.h"

#include "platform/paths.h"
#include "widgets/gui_thread.h"
#include "widgets/object_registry.h"

#include <QLineEdit>

namespace codarium::widgets {

void setFieldPath(int gadget, std::string_view nativePath) {
    runOnGuiThread([&] {
        if (auto* field = gadgetAs<QLineEdit>(gadget)) {
            field->setText(platform::pathToQString(nativePath));
        }
    });
}

std::string fieldPath(int gadget) {
    std::string path;
    runOnGuiThread([&] {
        if (auto* field = gadgetAs<QLineEdit>(gadget)) {
            path = platform::pathFromQString(field->text());
        }
    });
    return path;
}

} // namespace codarium::widgets
