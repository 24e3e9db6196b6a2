#pragma once
// The numbers of the program's windows and of the main window's objects.
namespace codarium::app {

// Windows.
inline constexpr int MainWindow = 0;
inline constexpr int EditorPathWindow = 1;
inline constexpr int SubmissionWindow = 2;
inline constexpr int UploadWindow = 3;
inline constexpr int CreateCategoryWindow = 4;
inline constexpr int RemoveCategoryWindow = 5;
inline constexpr int AddCodeWindow = 6;
inline constexpr int AddLinkWindow = 7;
inline constexpr int RemoveCodeWindow = 8;
inline constexpr int SearchWindow = 9;
inline constexpr int UpdateWaitWindow = 10;

// Main window gadgets.
inline constexpr int SearchField = 1;
inline constexpr int SearchButton = 2;
inline constexpr int LibraryTreeGadget = 3;
inline constexpr int CodeViewGadget = 4;
inline constexpr int MainSplitter = 5;

// Search window gadgets (laid out by relayout).
inline constexpr int SearchWindowField = 901;
inline constexpr int SearchWindowButton = 902;
inline constexpr int SearchResultList = 903;
inline constexpr int SearchShowButton = 904;
inline constexpr int SearchShowAndCloseButton = 905;
inline constexpr int SearchCloseButton = 906;

// Menus, toolbar, status bar, font.
inline constexpr int MainMenu = 0;
inline constexpr int LinkPopupMenu = 1;
inline constexpr int CodeViewPopupMenu = 2;
inline constexpr int MainToolBar = 0;
inline constexpr int MainStatusBar = 1;
inline constexpr int BannerFont = 1;

// Commands (menu items and toolbar buttons).
namespace command {
inline constexpr int Update = 1;
inline constexpr int Exit = 2;
inline constexpr int ExpandAll = 3;
inline constexpr int CollapseAll = 4;
inline constexpr int CreateCategory = 5;
inline constexpr int RemoveCategory = 6;
inline constexpr int AddCode = 7;
inline constexpr int RemoveCode = 8;
inline constexpr int RemoveAll = 9;
inline constexpr int SubmitCode = 10;
inline constexpr int ExportTemplates = 11;
inline constexpr int About = 12;
inline constexpr int Copy = 13;
inline constexpr int SelectAll = 14;
inline constexpr int ChooseEditor = 15;
inline constexpr int IconSize16 = 16;
inline constexpr int IconSize24 = 17;
inline constexpr int IconSize32 = 18;
inline constexpr int OpenInEditor = 19;
inline constexpr int LinkMenu = 20;
inline constexpr int WordWrap = 21;
inline constexpr int StandardLocation = 22;
inline constexpr int PortableLocation = 23;
inline constexpr int FirstLink = 100;
inline constexpr int LastLink = 130;
} // namespace command

// Images loaded at start-up.
namespace image {
inline constexpr int RemoveCode = 1;
inline constexpr int AddCode = 2;
inline constexpr int RemoveCategory = 3;
inline constexpr int CreateCategory = 4;
inline constexpr int Search = 5;
inline constexpr int SubmitCode = 6;
inline constexpr int Update = 7;
inline constexpr int RemoveAll = 8;
inline constexpr int Expand = 9;
inline constexpr int AddTemplates = 10;
inline constexpr int Information = 11;
inline constexpr int Collapse = 12;
inline constexpr int Links = 13;
inline constexpr int Banner = 14;
// The editor's own icon; empty when none was found.
inline constexpr int EditorIcon = 15;
} // namespace image

} // namespace codarium::app
