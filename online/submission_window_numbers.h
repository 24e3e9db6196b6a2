#pragma once
// The numbers of the submission dialog (window 2) and the upload window
// (window 3), and of what they borrow from the main window.
#include "widgets/main_window_number.h"

namespace codarium::online {

inline constexpr int MainWindowNumber = widgets::MainWindow;
inline constexpr int SubmissionWindowNumber = 2;
inline constexpr int UploadWindowNumber = 3;

// The icon loaded at start-up for command 10, shown in both windows. Its
// 48 pixels at x 20 would reach into the labels at x 60, so it is shown at
// this size, as in the administrator's dialogs.
inline constexpr int SubmitCodeImage = 6;
inline constexpr int SubmitCodeIconSize = 32;

// Window 2: inner size and gadgets.
inline constexpr int SubmissionWidth = 520;
inline constexpr int SubmissionHeight = 500;
inline constexpr int SubmissionFrame = 201;
inline constexpr int SubmissionIcon = 202;
inline constexpr int AuthorLabel = 203;
inline constexpr int AuthorField = 204;
inline constexpr int EmailLabel = 205;
inline constexpr int EmailField = 206;
inline constexpr int TitleLabel = 207;
inline constexpr int TitleField = 208;
inline constexpr int CategoryLabel = 209;
inline constexpr int CategoryCombo = 210;
inline constexpr int CodeLabel = 211;
inline constexpr int NotesText = 212;
inline constexpr int SubmissionCodeView = 213;
inline constexpr int SendButton = 214;
inline constexpr int SubmissionCancelButton = 215;

// Window 3: inner size and gadgets.
inline constexpr int UploadWidth = 500;
inline constexpr int UploadHeight = 140;
inline constexpr int UploadFrame = 301;
inline constexpr int UploadIcon = 302;
inline constexpr int UploadPleaseWait = 303;
inline constexpr int UploadSizeText = 304;
inline constexpr int UploadProgressBar = 305;
inline constexpr int UploadPercentText = 306;
inline constexpr int UploadCancelButton = 307;

} // namespace codarium::online
