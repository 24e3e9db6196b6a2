#pragma once
// The numbers of the program's windows and of the main window's objects.
// Each number is defined once, in the lowest folder that uses it; the names
// below stand for those definitions where the app uses them too.
#include "library/admin_window_numbers.h"
#include "library/library_numbers.h"
#include "library/link_file.h"
#include "library/search_window.h"
#include "online/submission_window_numbers.h"
#include "online/update_window_numbers.h"
#include "viewer/code_view_text.h"

namespace codarium::app {

// Windows.
using library::MainWindow;
inline constexpr int EditorPathWindow = 1;
inline constexpr int SubmissionWindow = online::SubmissionWindowNumber;
inline constexpr int UploadWindow = online::UploadWindowNumber;
using library::AddCodeWindow;
using library::AddLinkWindow;
using library::CreateCategoryWindow;
using library::RemoveCategoryWindow;
using library::RemoveCodeWindow;
using library::SearchWindow;
using online::UpdateWaitWindow;

// Main window gadgets.
using library::SearchButton;
using library::SearchField;
inline constexpr int LibraryTreeGadget = library::LibraryTree;
inline constexpr int CodeViewGadget = viewer::MainCodeView;
inline constexpr int MainSplitter = 5;

// Menus, toolbar, status bar, font.
using library::LinkPopupMenu;
using library::MainMenu;
using library::MainStatusBar;
using library::MainToolBar;
inline constexpr int CodeViewPopupMenu = 2;
inline constexpr int BannerFont = 1;

// Commands (menu items and toolbar buttons).
namespace command {
inline constexpr int Update = 1;
inline constexpr int Exit = 2;
inline constexpr int ExpandAll = library::CommandExpandAll;
inline constexpr int CollapseAll = library::CommandCollapseAll;
inline constexpr int CreateCategory = 5;
inline constexpr int RemoveCategory = library::CommandRemoveCategory;
inline constexpr int AddCode = 7;
inline constexpr int RemoveCode = library::CommandRemoveCode;
inline constexpr int RemoveAll = library::CommandRemoveAll;
inline constexpr int SubmitCode = 10;
inline constexpr int ExportTemplates = library::CommandExportTemplates;
inline constexpr int About = 12;
inline constexpr int Copy = 13;
inline constexpr int SelectAll = 14;
inline constexpr int ChooseEditor = 15;
inline constexpr int IconSize16 = 16;
inline constexpr int IconSize24 = 17;
inline constexpr int IconSize32 = 18;
inline constexpr int OpenInEditor = library::CommandOpenInEditor;
inline constexpr int LinkMenu = library::CommandLinkMenu;
inline constexpr int WordWrap = 21;
inline constexpr int StandardLocation = 22;
inline constexpr int PortableLocation = 23;
inline constexpr int FirstLink = library::FirstLinkCommand;
inline constexpr int LastLink = library::LastLinkCommand;
// Keyboard only: no menu item or button carries these. Far above the link
// popup's items, which count on from 100 for as many links as a code has.
inline constexpr int FocusSearch = 100001;
inline constexpr int ZoomIn = 100002;
inline constexpr int ZoomOut = 100003;
inline constexpr int ZoomReset = 100004;
inline constexpr int NextSearchMark = 100005;
inline constexpr int PreviousSearchMark = 100006;
} // namespace command

// Images loaded at start-up.
namespace image {
inline constexpr int RemoveCode = library::RemoveCodeIcon;
inline constexpr int AddCode = library::AddCodeIcon;
inline constexpr int RemoveCategory = library::RemoveCategoryIcon;
inline constexpr int CreateCategory = library::CreateCategoryIcon;
inline constexpr int Search = 5;
inline constexpr int SubmitCode = online::SubmitCodeImage;
inline constexpr int Update = online::UpdateIconImage;
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
