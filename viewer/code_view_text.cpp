#include "viewer/code_view_text.h"

#include "platform/code_page.h"
#include "runtime/byte_utf8.h"
#include "runtime/text_file.h"
#include "viewer/code_view.h"
#include "widgets/scintilla_gadget.h"
#include "widgets/scintilla_messages.h"

#include <QString>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace codarium::viewer {
namespace {

namespace sci = widgets::sci;

// Scintilla's positions and the highlighter's lengths are 32-bit.
constexpr std::int64_t LargestLoadableFile = std::numeric_limits<std::int32_t>::max() / 2;

// Closes the file on every way out.
struct OpenFile {
    textfile::FileId id;
    ~OpenFile() { textfile::close(id); }
};

std::string untilZero(const std::vector<char>& data) {
    return std::string(data.data(), strnlen(data.data(), data.size()));
}

std::string fromUtf16Le(const std::vector<char>& data) {
    std::u16string units;
    units.reserve(data.size() / 2);
    for (std::size_t i = 0; i + 1 < data.size(); i += 2) {
        const auto unit = static_cast<char16_t>(static_cast<unsigned char>(data[i]) |
                                                static_cast<unsigned char>(data[i + 1]) << 8);
        if (unit == 0) {
            break;
        }
        units.push_back(unit);
    }
    return platform::fromQString(
        QString::fromUtf16(units.data(), static_cast<qsizetype>(units.size())));
}

} // namespace

void showCodeFile(std::string_view path) {
    setReadOnly(MainCodeView, false);
    loadFileIntoView(MainCodeView, path);
    setReadOnly(MainCodeView, true);
}

void clearCodeView() {
    setReadOnly(MainCodeView, false);
    setText(MainCodeView, "");
    setReadOnly(MainCodeView, true);
}

int loadFileIntoView(int view, std::string_view path) {
    if (!widgets::isScintillaGadget(view)) {
        return 0;
    }
    const textfile::FileId id = textfile::openRead(textfile::AnyFile, path);
    if (id == 0) {
        return 0;
    }
    const OpenFile file{id};

    TextEncoding encoding = textfile::detectBom(id);
    if (encoding == TextEncoding::Utf16Le || encoding == TextEncoding::Utf8) {
        widgets::sendScintilla(view, sci::SetCodePage, sci::Utf8CodePage);
    } else {
        widgets::sendScintilla(view, sci::SetCodePage, 0);
        encoding = TextEncoding::SystemCodePage;
    }

    const std::int64_t length = textfile::length(id);
    if (length <= 0 || length > LargestLoadableFile) {
        return 0;
    }
    // The whole length, mark included, so the data read after the mark is
    // followed by at least as many zero bytes as the mark was long.
    std::vector<char> data(static_cast<std::size_t>(length), '\0');
    const std::int64_t read = textfile::readBytes(id, data.data(), length);
    (void)read;

    std::string text;
    switch (encoding) {
    case TextEncoding::Utf16Le:
        text = fromUtf16Le(data);
        break;
    case TextEncoding::Utf8:
        text = utf8ToBytesView(untilZero(data));
        break;
    default:
        text = untilZero(data);
        break;
    }
    setText(view, text);
    return 1;
}

platform::SaveResult saveViewToFile(int view, std::string_view path) {
    // Without a view there is no text, and an existing file must not be cut.
    if (!widgets::isScintillaGadget(view)) {
        return {platform::fromUtf8("Es gibt keine Codeansicht, deren Text gespeichert werden "
                                   "könnte")};
    }
    return platform::saveFile(std::string(path), viewFileBytes(view),
                              platform::ReplaceMode::Replace);
}

std::string viewFileBytes(int view) {
    if (!widgets::isScintillaGadget(view)) {
        return {};
    }
    std::string bytes = textEncoding(view) == TextEncoding::Utf8 ? "\xEF\xBB\xBF" : "";
    const std::int64_t length = textLength(view);
    std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
    widgets::sendScintilla(view, sci::GetText, static_cast<std::uintptr_t>(length) + 1,
                           reinterpret_cast<std::intptr_t>(text.data()));
    bytes.append(text.data(), static_cast<std::size_t>(length));
    return bytes;
}

std::string viewText(int view) {
    std::string text = viewFileBytes(view);
    // The mark is the file's, not the view's.
    if (textEncoding(view) == TextEncoding::Utf8) {
        text.erase(0, 3);
    }
    return text;
}

void copySelection() {
    widgets::copyToClipboard(MainCodeView);
}

void selectAll() {
    widgets::selectAllText(MainCodeView);
}

} // namespace codarium::viewer
