#include "widgets/dialog_stand_in.h"

#include <atomic>

namespace codarium::widgets {
namespace {

std::atomic<DialogStandIn*>& current() {
    static std::atomic<DialogStandIn*> standIn{nullptr};
    return standIn;
}

} // namespace

void setDialogStandIn(DialogStandIn* standIn) {
    current().store(standIn);
}

DialogStandIn* dialogStandIn() {
    return current().load();
}

} // namespace codarium::widgets
