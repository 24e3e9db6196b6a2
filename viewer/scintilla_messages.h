#pragma once
// The Scintilla messages the code view sends, by Scintilla's own numbers.
#include <cstdint>

namespace codarium::viewer::sci {

inline constexpr unsigned int GetLength = 2006;
inline constexpr unsigned int GetEndStyled = 2028;
inline constexpr unsigned int StartStyling = 2032;
inline constexpr unsigned int SetStyling = 2033;
inline constexpr unsigned int SetCodePage = 2037;
inline constexpr unsigned int StyleClearAll = 2050;
inline constexpr unsigned int StyleSetFore = 2051;
inline constexpr unsigned int StyleSetBack = 2052;
inline constexpr unsigned int StyleSetBold = 2053;
inline constexpr unsigned int StyleSetItalic = 2054;
inline constexpr unsigned int StyleSetSize = 2055;
inline constexpr unsigned int StyleSetFont = 2056;
inline constexpr unsigned int SetSelFore = 2067;
inline constexpr unsigned int SetSelBack = 2068;
inline constexpr unsigned int GetCodePage = 2137;
inline constexpr unsigned int GetTextRange = 2162;
inline constexpr unsigned int LineFromPosition = 2166;
inline constexpr unsigned int PositionFromLine = 2167;
inline constexpr unsigned int SetReadOnly = 2171;
inline constexpr unsigned int SetText = 2181;
inline constexpr unsigned int GetText = 2182;
inline constexpr unsigned int SetMarginTypeN = 2240;
inline constexpr unsigned int SetMarginWidthN = 2242;
inline constexpr unsigned int SetWrapMode = 2268;
inline constexpr unsigned int SetZoom = 2373;
inline constexpr unsigned int GetZoom = 2374;
inline constexpr unsigned int UsePopup = 2371;

inline constexpr int DefaultStyle = 32;
inline constexpr int LineNumberStyle = 33;
inline constexpr int MarginLineNumbers = 1;
inline constexpr int StyleMask = 31;
inline constexpr int Utf8CodePage = 65001;

// SCI_GETTEXTRANGE's record.
struct TextRange {
    long cpMin;
    long cpMax;
    char* lpstrText;
};

} // namespace codarium::viewer::sci
