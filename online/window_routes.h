#pragma once
// What the gadgets of the online windows do: the submission (window 2), its
// upload (window 3) and the update check's wait window (window 10). Each
// window routes its gadgets when it opens.
namespace codarium::online {

void routeSubmissionWindow();
void routeUploadWindow();
void routeUpdateWaitWindow();

} // namespace codarium::online
