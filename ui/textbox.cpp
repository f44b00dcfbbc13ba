#include "ui/textbox.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace velantra::ui
{
namespace
{

// The margin QLineEdit keeps on either side of its text.
constexpr int kTextMargin = 2;
constexpr qsizetype kLongestTip = 64;

bool fits(const QLineEdit* box)
{
    const int frame =
        box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box) : 0;
    const int room = box->contentsRect().width() - 2 * (frame + kTextMargin);
    // More characters than pixels never fit; measuring a pasted megabyte would take long.
    return box->text().size() <= room && box->fontMetrics().horizontalAdvance(box->text()) <= room;
}

void settle(QLineEdit* box)
{
    const bool fitting = fits(box);
    // A figure's text is short; a long paste gets no tooltip (making one would take long).
    const bool shortText = box->text().size() <= kLongestTip;
    box->setToolTip(fitting || !shortText ? QString() : box->text());
    if (box->window()->focusWidget() != box && !fitting)
        box->setCursorPosition(0);
}

class ShowBeginning : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusOut)
            settle(static_cast<QLineEdit*>(watched));
        return false;
    }
};

} // namespace

void showBeginningWhenIdle(QLineEdit* box)
{
    // One watcher serves every box.
    static auto* const watcher = new ShowBeginning(qApp);
    box->installEventFilter(watcher);
    QObject::connect(box, &QLineEdit::textChanged, box, [box] { settle(box); });
}

} // namespace velantra::ui
