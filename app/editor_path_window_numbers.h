#pragma once
// The numbers of window 1, "Pfadeinstellung", and of its objects.
namespace codarium::app {

inline constexpr int EditorPathBanner = 101;
inline constexpr int EditorPathFirstRun = 102;
inline constexpr int EditorPathPurpose = 103;
inline constexpr int EditorPathCheck = 104;
inline constexpr int EditorPathChooseHint = 105;
inline constexpr int EditorPathCancelHint = 106;
inline constexpr int EditorPathCancelEffect = 107;
inline constexpr int EditorPathLabel = 108;
inline constexpr int EditorPathField = 109;
inline constexpr int ChooseEditorButton = 110;
inline constexpr int SaveEditorPathButton = 111;
inline constexpr int CancelEditorPathButton = 112;

// The banner with its caption drawn on.
inline constexpr int BannerCaptionImage = 101;

} // namespace codarium::app
