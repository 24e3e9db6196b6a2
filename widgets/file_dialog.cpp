#include "widgets/file_dialog.h"

#include "platform/code_page.h"
#include "platform/paths.h"
#include "widgets/file_filter.h"
#include "widgets/internal_script.h"
#include "widgets/modal_loops.h"

#include <QApplication>
#include <QFileDialog>

namespace codarium::widgets {

std::string openFileRequester(std::string_view title, std::string_view proposedFile,
                              std::string_view filter) {
    if (auto scripted = detail::scriptedFileDialog(
            {std::string(title), std::string(proposedFile), std::string(filter)})) {
        return *scripted;
    }
    if (QApplication::instance() == nullptr || modalLoopsEnded()) {
        return {};
    }
    const QString chosen = QFileDialog::getOpenFileName(
        QApplication::activeWindow(), platform::toQString(title),
        platform::pathToQString(proposedFile), platform::toQString(dialogFilterOf(filter)));
    return chosen.isEmpty() || modalLoopsEnded() ? std::string()
                                                 : platform::pathFromQString(chosen);
}

} // namespace codarium::widgets
