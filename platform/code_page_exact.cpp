#include "platform/code_page_exact.h"

#include "platform/code_page.h"

namespace codarium::platform {

ExactCodePageText fromQStringExactly(const QString& text) {
    ExactCodePageText out;
    out.bytes.reserve(static_cast<std::size_t>(text.size()));
    std::size_t index = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++index) {
        char32_t codePoint = text[i].unicode();
        if (QChar::isHighSurrogate(codePoint) && i + 1 < text.size() &&
            text[i + 1].isLowSurrogate()) {
            codePoint = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        const char byte = byteOf(codePoint);
        // byteOf answers '?' for what the code page lacks; a typed '?' is itself.
        if (byte == '?' && codePoint != U'?') {
            out.missing = codePoint;
            out.missingIndex = index;
            return out;
        }
        out.bytes += byte;
    }
    return out;
}

} // namespace codarium::platform
