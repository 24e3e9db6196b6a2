#pragma once
// The numbers of the update wait window (window 10) and its gadgets.
#include "widgets/main_window_number.h"

namespace codarium::online {

inline constexpr int UpdateWaitWindow = 10;
inline constexpr int UpdateFrame = 1001;
inline constexpr int UpdateIcon = 1002;
inline constexpr int UpdateWaitText = 1003;
inline constexpr int UpdateProgressBar = 1004;
inline constexpr int UpdateCancelButton = 1005;

// The window that owns it, and the icon loaded at start-up.
inline constexpr int OwnerWindow = widgets::MainWindow;
inline constexpr int UpdateIconImage = 7;

} // namespace codarium::online
