#pragma once
// The system code page: program text is bytes in Windows-1252, exactly as the
// library's files store them. These are the only conversions between those
// bytes and Unicode (widget texts here; file-system names and process
// arguments through the path functions of paths.h, which use these).
#include <QString>
#include <string>
#include <string_view>

namespace codarium::platform {

// The Unicode code point of one Windows-1252 byte. The five bytes that
// Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1
// control of the same value, as Windows does.
char32_t codePointOf(unsigned char byte);

// The Windows-1252 byte of a code point, or '?' when the code page lacks it.
char byteOf(char32_t codePoint);

QString toQString(std::string_view text);
std::string fromQString(const QString& text);

std::string toUtf8(std::string_view text);
std::string fromUtf8(std::string_view utf8);

// Lower-casing by the code page, as the system's locale-aware lower-casing
// does: ASCII, the Latin-1 capitals (but the multiplication sign) and the
// four capitals Windows-1252 adds (S and Z with caron, OE, Y with diaeresis).
char lowerCaseByte(char byte);
std::string lowerCased(std::string_view text);

} // namespace codarium::platform
