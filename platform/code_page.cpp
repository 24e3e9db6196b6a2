#include "platform/code_page.h"

#include <QList>
#include <array>

namespace codarium::platform {
namespace {

// Code points of the bytes 0x80 to 0x9F.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

char32_t codePointOf(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) {
        return kHighControls[byte - 0x80];
    }
    return byte;
}

char byteOf(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<char>(codePoint);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == codePoint) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

QString toQString(std::string_view text) {
    // Written in place: appending one character at a time checks the
    // string's sharing and room at every byte.
    QString out(static_cast<qsizetype>(text.size()), Qt::Uninitialized);
    QChar* to = out.data();
    for (const char c : text) {
        *to++ = QChar(static_cast<char16_t>(codePointOf(static_cast<unsigned char>(c))));
    }
    return out;
}

std::string fromQString(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (const uint cp : text.toUcs4()) {
        out += byteOf(static_cast<char32_t>(cp));
    }
    return out;
}

std::string toUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        appendUtf8(out, codePointOf(static_cast<unsigned char>(c)));
    }
    return out;
}

std::string fromUtf8(std::string_view utf8) {
    return fromQString(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

char lowerCaseByte(char byte) {
    const auto b = static_cast<unsigned char>(byte);
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7)) {
        return static_cast<char>(b + 0x20);
    }
    switch (b) {
    case 0x8A:
    case 0x8C:
    case 0x8E:
        return static_cast<char>(b + 0x10);
    case 0x9F:
        return static_cast<char>(0xFF);
    default:
        return byte;
    }
}

std::string lowerCased(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = lowerCaseByte(c);
    }
    return out;
}

} // namespace codarium::platform
