#include "widgets/file_dialog.h"

#include "platform/code_page.h"
#include "platform/paths.h"
#include "widgets/dialog_stand_in.h"
#include "widgets/file_filter.h"
#include "widgets/modal_loops.h"

#include <QApplication>
#include <QFileDialog>

namespace codarium::widgets {

std::string openFileRequester(std::string_view title, std::string_view proposedFile,
                              std::string_view filter) {
    if (DialogStandIn* standIn = dialogStandIn()) {
        if (auto answer = standIn->answer(FileDialogQuestion{
                std::string(title), std::string(proposedFile), std::string(filter)})) {
            return *answer;
        }
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
