#include "online/window_routes.h"

#include "online/submission_window.h"
#include "online/submission_window_numbers.h"
#include "online/update_wait_window.h"
#include "online/update_window_numbers.h"
#include "online/upload_window.h"
#include "widgets/field_rules.h"
#include "widgets/gadget_routes.h"
#include "widgets/windows.h"

namespace codarium::online {
namespace {

using widgets::GadgetRoute;
using widgets::WindowEvent;

constexpr GadgetRoute SubmissionRoutes[] = {
    {SubmissionCodeView,
     [](const WindowEvent&) { widgets::enableWhenFilled(SubmissionCodeView, SendButton); }},
    {SendButton, [](const WindowEvent&) { sendSubmission(); }},
    {SubmissionCancelButton,
     [](const WindowEvent&) { widgets::closeDialog(SubmissionWindowNumber, MainWindowNumber); }},
};

constexpr GadgetRoute UploadRoutes[] = {
    {UploadCancelButton, [](const WindowEvent&) { cancelUpload(); }},
};

constexpr GadgetRoute UpdateWaitRoutes[] = {
    {UpdateCancelButton, [](const WindowEvent&) { cancelUpdateCheck(); }},
};

} // namespace

void routeSubmissionWindow() {
    widgets::routeGadgets(SubmissionWindowNumber, SubmissionRoutes);
}

void routeUploadWindow() {
    widgets::routeGadgets(UploadWindowNumber, UploadRoutes);
}

void routeUpdateWaitWindow() {
    widgets::routeGadgets(UpdateWaitWindow, UpdateWaitRoutes);
}

} // namespace codarium::online
