#pragma once
// The numbers of the administrator's dialogs (windows 4 to 8) and their
// gadgets, and the images they show.

namespace codarium::library {

// Windows.
inline constexpr int CreateCategoryWindow = 4;
inline constexpr int RemoveCategoryWindow = 5;
inline constexpr int AddCodeWindow = 6;
inline constexpr int AddLinkWindow = 7;
inline constexpr int RemoveCodeWindow = 8;

// Window 4, "Kategorie erstellen".
inline constexpr int CreateCategoryFrame = 401;
inline constexpr int CreateCategoryImage = 402;
inline constexpr int CreateCategoryLabel = 403;
inline constexpr int CategoryNameField = 404;
inline constexpr int CreateCategoryButton = 405;
inline constexpr int CreateCategoryCancel = 406;

// Window 5, "Kategorie entfernen".
inline constexpr int RemoveCategoryFrame = 501;
inline constexpr int RemoveCategoryImage = 502;
inline constexpr int RemoveCategoryLabel = 503;
inline constexpr int RemoveCategoryChoice = 504;
inline constexpr int RemoveCategoryButton = 505;
inline constexpr int RemoveCategoryCancel = 506;

// Window 6, "Code hinzufügen".
inline constexpr int AddCodeFrame = 601;
inline constexpr int AddCodeImage = 602;
inline constexpr int CodeTitleLabel = 603;
inline constexpr int CodeCategoryLabel = 604;
inline constexpr int CodeSourceLabel = 605;
inline constexpr int CodeTitleField = 606;
inline constexpr int CodeCategoryChoice = 607;
inline constexpr int CodeSourceEditor = 608;
inline constexpr int CodeLinksLabel = 609;
inline constexpr int CodeLinkList = 610;
inline constexpr int AddLinkButton = 611;
inline constexpr int RemoveLinkButton = 612;
inline constexpr int AddCodeButton = 613;
inline constexpr int AddCodeCancel = 614;

// Window 7, "Hinzufügen" (a link).
inline constexpr int AddLinkFrame = 701;
inline constexpr int AddLinkImage = 702;
inline constexpr int LinkCommandLabel = 703;
inline constexpr int LinkAddressLabel = 708;
inline constexpr int LinkCommandField = 709;
inline constexpr int LinkAddressField = 710;
inline constexpr int AddLinkConfirm = 711;
inline constexpr int AddLinkCancel = 712;

// Window 8, "Entfernen" (a code).
inline constexpr int RemoveCodeFrame = 801;
inline constexpr int RemoveCodeImage = 802;
inline constexpr int RemoveCodeTree = 803;
inline constexpr int RemoveCodeButton = 804;
inline constexpr int RemoveCodeCancel = 805;

// The images loaded at start-up that the dialogs show.
inline constexpr int RemoveCodeIcon = 1;
inline constexpr int AddCodeIcon = 2;
inline constexpr int RemoveCategoryIcon = 3;
inline constexpr int CreateCategoryIcon = 4;

} // namespace codarium::library
