#include "widgets/fonts.h"

#include "platform/code_page.h"
#include "widgets/internal_images.h"
#include "widgets/layer_tables.h"

#include <QGuiApplication>
#include <map>

namespace codarium::widgets {
namespace {
std::map<int, QFont>& fonts() {
    return detail::layerTables().fonts;
}
} // namespace

namespace detail {
QFont fontOf(int font) {
    const auto it = fonts().find(font);
    if (it != fonts().end()) {
        return it->second;
    }
    return QGuiApplication::instance() != nullptr ? QGuiApplication::font() : QFont();
}
} // namespace detail

bool loadFont(int font, std::string_view face, int pointSize, unsigned flags) {
    if (QGuiApplication::instance() == nullptr || pointSize <= 0) {
        return false;
    }
    QFont f = QGuiApplication::font();
    if (!face.empty()) {
        f.setFamily(platform::toQString(face));
    }
    f.setPointSize(pointSize);
    f.setBold((flags & FontBold) != 0);
    f.setItalic((flags & FontItalic) != 0);
    fonts()[font] = f;
    return true;
}

bool isFont(int font) {
    return fonts().count(font) != 0;
}
void freeFont(int font) {
    fonts().erase(font);
}

} // namespace codarium::widgets
