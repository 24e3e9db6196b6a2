#pragma once
// The style every window of the program is drawn with: the desktop's own,
// with one change to when some standard icons are made (see the .cpp).
#include <QProxyStyle>

namespace codarium::widgets {

// The desktop's style, except that the overflow arrows of menu and tool bars
// are read from their picture files when first drawn rather than when the bar
// is made.
class ApplicationStyle final : public QProxyStyle {
public:
    // Wraps `base` (the style the application uses now when null) and owns it.
    explicit ApplicationStyle(QStyle* base = nullptr);

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

// Makes ApplicationStyle the application's style; once, before the first
// window, since a style change re-polishes every widget.
void installApplicationStyle();

} // namespace codarium::widgets
