#pragma once
// The label behind a text gadget. Windows are laid out in fixed pixels, and
// the desktop's font is often wider or taller than the one those boxes were
// drawn for, so a text that no longer fits its box is shown a little smaller
// instead of cut off. It never grows past the font it was given, never
// shrinks below three quarters of it (nor below 7 points), and a text that
// does not fit even then carries its whole wording as its tool tip.
#include <QLabel>

namespace codarium::widgets::detail {

class FittingLabel final : public QLabel {
public:
    FittingLabel();

    // Call after every change of the text; resizes and font changes refit
    // on their own.
    void fitText();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool fitsAt(qreal pointSize);
    void applyPointSize(qreal pointSize);

    QFont givenFont_;
    QString ownToolTip_;
    bool applying_ = false;
};

} // namespace codarium::widgets::detail
