#pragma once
// The main window's number. Every dialog is opened from it, or from a dialog
// opened from it, so it is the one window number that the folders beside each
// other all need; it is named once, here, below them.
namespace codarium::widgets {

inline constexpr int MainWindow = 0;

} // namespace codarium::widgets
