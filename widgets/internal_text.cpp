#include "widgets/internal_text.h"

#include "platform/code_page.h"

namespace codarium::widgets::detail {

QString withLineFeeds(std::string_view text) {
    QString s = platform::toQString(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

} // namespace codarium::widgets::detail
