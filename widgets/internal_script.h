#pragma once
// The scripted answers of test_hooks.h, as the dialogs consult them.
// Internal to this folder.
#include "widgets/test_hooks.h"

#include <optional>

namespace codarium::widgets::detail {

// When scripting is on: records the box and returns the answer to use.
std::optional<MessageResult> scriptedMessageBox(const testing::RecordedMessageBox& box);
// When scripting is on: records the dialog and returns the path to use.
std::optional<std::string> scriptedFileDialog(const testing::RecordedFileDialog& dialog);

} // namespace codarium::widgets::detail
