#include "viewer/code_view.h"

#include "runtime/byte_utf8.h"
#include "viewer/colouring.h"
#include "viewer/editor_styles.h"
#include "widgets/scintilla_gadget.h"
#include "widgets/scintilla_messages.h"

#include <string>

namespace codarium::viewer {
namespace {

namespace sci = widgets::sci;

constexpr int LineNumberMargin = 0;
constexpr int LineNumberMarginWidth = 40;
constexpr int SpacerMargin = 1;
constexpr int SpacerMarginWidth = 5;
constexpr int UseColour = 32; // any non-zero wParam switches a selection colour on
constexpr int BoldClass = 1;
constexpr int ItalicClass = 4;

void send(int view, unsigned int message, std::intptr_t wParam, std::intptr_t lParam) {
    widgets::sendScintilla(view, message, static_cast<std::uintptr_t>(wParam), lParam);
}

// Text for the view: UTF-8 in code page 65001, the bytes themselves otherwise.
std::string inViewEncoding(int view, std::string_view text) {
    if (textEncoding(view) == TextEncoding::Utf8) {
        return bytesToUtf8(text);
    }
    return std::string(text);
}

void applyStyles(int view, const EditorStyles& styles) {
    send(view, sci::StyleSetFore, sci::DefaultStyle, 0);
    send(view, sci::StyleSetBack, sci::DefaultStyle, styles.background);
    const std::string font = inViewEncoding(view, styles.fontName);
    send(view, sci::StyleSetFont, sci::DefaultStyle, reinterpret_cast<std::intptr_t>(font.c_str()));
    send(view, sci::StyleSetSize, sci::DefaultStyle, styles.fontSize);
    send(view, sci::SetSelFore, UseColour, styles.selectionFore);
    send(view, sci::SetSelBack, UseColour, styles.selectionBack);
    send(view, sci::StyleClearAll, 0, 0);

    for (int style = 0; style < highlighter::highlightClassCount; ++style) {
        send(view, sci::StyleSetFore, style, styles.classColours[static_cast<std::size_t>(style)]);
        if (style == BoldClass) {
            send(view, sci::StyleSetBold, style, 1);
        } else if (style == ItalicClass) {
            send(view, sci::StyleSetItalic, style, 1);
        }
    }

    send(view, sci::SetMarginTypeN, LineNumberMargin, sci::MarginLineNumbers);
    send(view, sci::SetMarginWidthN, LineNumberMargin, LineNumberMarginWidth);
    send(view, sci::StyleSetBack, sci::LineNumberStyle, styles.lineNumberBack);
    send(view, sci::StyleSetFore, sci::LineNumberStyle, styles.lineNumberFore);
    send(view, sci::SetMarginWidthN, SpacerMargin, SpacerMarginWidth);
}

} // namespace

int createCodeView(int gadget, int parentWindow, int x, int y, int width, int height,
                   std::string_view highlighterPath) {
    const SyntaxHighlightFunction entry = loadSyntaxHighlighter(highlighterPath);
    if (entry == nullptr) {
        return 0;
    }
    colouringState().colourFunction = entry;
    if (!widgets::createScintillaGadget(gadget, parentWindow, x, y, width, height)) {
        return 0;
    }
    widgets::setScintillaCallback(gadget, codeViewNotification);
    applyStyles(gadget, readEditorStyles(editorPrefsPath(), widgets::buttonFaceColour()));
    return 1;
}

void setText(int view, std::string_view text) {
    const std::string shown = inViewEncoding(view, text);
    send(view, sci::SetText, 0, reinterpret_cast<std::intptr_t>(shown.c_str()));
}

TextEncoding textEncoding(int view) {
    return widgets::sendScintilla(view, sci::GetCodePage) == sci::Utf8CodePage
               ? TextEncoding::Utf8
               : TextEncoding::SystemCodePage;
}

void setReadOnly(int view, bool readOnly) {
    send(view, sci::SetReadOnly, readOnly ? 1 : 0, 0);
}

void setWordWrap(int view, bool wrap) {
    send(view, sci::SetWrapMode, wrap ? 1 : 0, 0);
}

void setZoom(int view, int zoom) {
    send(view, sci::SetZoom, static_cast<std::uintptr_t>(static_cast<std::intptr_t>(zoom)), 0);
}

int zoom(int view) {
    return static_cast<int>(widgets::sendScintilla(view, sci::GetZoom));
}

std::int64_t textLength(int view) {
    return widgets::sendScintilla(view, sci::GetLength);
}

} // namespace codarium::viewer
