#pragma once
// The Scintilla messages and values the program sends to its code views,
// under the names the code uses. The numbers come from the editing
// component's own header, so nothing here can drift from the component; the
// folders above the widget layer include this instead of the component.
#include <Qsci/qsciscintillabase.h>

namespace codarium::widgets::sci {

using Base = QsciScintillaBase;

// Text and positions.
inline constexpr unsigned int GetLength = Base::SCI_GETLENGTH;
inline constexpr unsigned int GetText = Base::SCI_GETTEXT;
inline constexpr unsigned int SetText = Base::SCI_SETTEXT;
inline constexpr unsigned int GetTextRange = Base::SCI_GETTEXTRANGE;
inline constexpr unsigned int GetCharacterPointer = Base::SCI_GETCHARACTERPOINTER;
inline constexpr unsigned int ReplaceSel = Base::SCI_REPLACESEL;
inline constexpr unsigned int SetReadOnly = Base::SCI_SETREADONLY;
inline constexpr unsigned int LineFromPosition = Base::SCI_LINEFROMPOSITION;
inline constexpr unsigned int PositionFromLine = Base::SCI_POSITIONFROMLINE;
inline constexpr unsigned int PointXFromPosition = Base::SCI_POINTXFROMPOSITION;
inline constexpr unsigned int PointYFromPosition = Base::SCI_POINTYFROMPOSITION;
inline constexpr unsigned int TextHeight = Base::SCI_TEXTHEIGHT;

// Caret and selection.
inline constexpr unsigned int GetCurrentPos = Base::SCI_GETCURRENTPOS;
inline constexpr unsigned int GotoPos = Base::SCI_GOTOPOS;
inline constexpr unsigned int GetSelectionStart = Base::SCI_GETSELECTIONSTART;
inline constexpr unsigned int SetSel = Base::SCI_SETSEL;
inline constexpr unsigned int ScrollCaret = Base::SCI_SCROLLCARET;
inline constexpr unsigned int Copy = Base::SCI_COPY;

// Code page and line ends.
inline constexpr unsigned int GetCodePage = Base::SCI_GETCODEPAGE;
inline constexpr unsigned int SetCodePage = Base::SCI_SETCODEPAGE;
inline constexpr unsigned int SetEolMode = Base::SCI_SETEOLMODE;
inline constexpr int Utf8CodePage = Base::SC_CP_UTF8;
inline constexpr unsigned long EolCrLf = Base::SC_EOL_CRLF;

// Styles and styling.
inline constexpr unsigned int GetEndStyled = Base::SCI_GETENDSTYLED;
inline constexpr unsigned int StartStyling = Base::SCI_STARTSTYLING;
inline constexpr unsigned int SetStyling = Base::SCI_SETSTYLING;
inline constexpr unsigned int StyleClearAll = Base::SCI_STYLECLEARALL;
inline constexpr unsigned int StyleSetFore = Base::SCI_STYLESETFORE;
inline constexpr unsigned int StyleSetBack = Base::SCI_STYLESETBACK;
inline constexpr unsigned int StyleSetBold = Base::SCI_STYLESETBOLD;
inline constexpr unsigned int StyleSetItalic = Base::SCI_STYLESETITALIC;
inline constexpr unsigned int StyleSetSize = Base::SCI_STYLESETSIZE;
inline constexpr unsigned int StyleSetFont = Base::SCI_STYLESETFONT;
inline constexpr unsigned int SetSelFore = Base::SCI_SETSELFORE;
inline constexpr unsigned int SetSelBack = Base::SCI_SETSELBACK;
inline constexpr int DefaultStyle = Base::STYLE_DEFAULT;
inline constexpr int LineNumberStyle = Base::STYLE_LINENUMBER;

// Margins, wrapping, zoom, the component's own menu.
inline constexpr unsigned int SetMarginTypeN = Base::SCI_SETMARGINTYPEN;
inline constexpr unsigned int SetMarginWidthN = Base::SCI_SETMARGINWIDTHN;
inline constexpr int MarginLineNumbers = Base::SC_MARGIN_NUMBER;
inline constexpr unsigned int SetWrapMode = Base::SCI_SETWRAPMODE;
inline constexpr unsigned int SetZoom = Base::SCI_SETZOOM;
inline constexpr unsigned int GetZoom = Base::SCI_GETZOOM;
inline constexpr unsigned int UsePopup = Base::SCI_USEPOPUP;

// Indicators (the search marks).
inline constexpr unsigned int IndicSetStyle = Base::SCI_INDICSETSTYLE;
inline constexpr unsigned int IndicSetFore = Base::SCI_INDICSETFORE;
inline constexpr unsigned int IndicSetAlpha = Base::SCI_INDICSETALPHA;
inline constexpr unsigned int IndicSetUnder = Base::SCI_INDICSETUNDER;
inline constexpr unsigned int SetIndicatorCurrent = Base::SCI_SETINDICATORCURRENT;
inline constexpr unsigned int IndicatorFillRange = Base::SCI_INDICATORFILLRANGE;
inline constexpr unsigned int IndicatorClearRange = Base::SCI_INDICATORCLEARRANGE;
inline constexpr unsigned int IndicatorValueAt = Base::SCI_INDICATORVALUEAT;
inline constexpr unsigned int IndicatorEnd = Base::SCI_INDICATOREND;
inline constexpr int RoundBox = Base::INDIC_ROUNDBOX;

// Direct access for long runs of messages.
inline constexpr unsigned int GetDirectFunction = Base::SCI_GETDIRECTFUNCTION;
inline constexpr unsigned int GetDirectPointer = Base::SCI_GETDIRECTPOINTER;

// SCI_GETTEXTRANGE's record, laid out as the component reads it.
struct TextRange {
    long cpMin;
    long cpMax;
    char* lpstrText;
};

} // namespace codarium::widgets::sci
