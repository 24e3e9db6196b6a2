#include "viewer/highlighter_library.h"

#include "platform/paths.h"

#include <QDir>
#include <QFile>
#include <QLibrary>

namespace codarium::viewer {

SyntaxHighlightFunction loadSyntaxHighlighter(std::string_view path) {
    // A bare file name would send the loader through the system's library
    // path; the plug-in lives in the program directory.
    const QString native = platform::pathToQString(path);
    QLibrary library(QDir::current().absoluteFilePath(native));
    if (!library.load()) {
        return nullptr;
    }
    auto entry = reinterpret_cast<SyntaxHighlightFunction>(library.resolve(SyntaxHighlightSymbol));
    if (entry == nullptr) {
        library.unload();
    }
    // The QLibrary object goes, the library stays: only unload() releases it.
    return entry;
}

} // namespace codarium::viewer
