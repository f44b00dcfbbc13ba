#include "levers/levertoggle.h"

#include "i18n/language.h"

#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace velantra::levers
{

namespace
{
constexpr int kWidth = 20;
constexpr int kHeight = 48;
constexpr int kSlotMargin = 3;
} // namespace

LeverToggle::LeverToggle(int number, bool onIsUpper, QWidget* parent)
    : QAbstractButton(parent), number_(number), onIsUpper_(onIsUpper)
{
    setObjectName(QStringLiteral("Lever(%1)").arg(number));
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(sizeHint());
    setToolTip(i18n::translate("Levers", "Lever %1").arg(number));
    nameForState();
    connect(this, &QAbstractButton::toggled, this, [this] {
        nameForState();
        update();
    });
}

QSize LeverToggle::sizeHint() const
{
    return {kWidth, kHeight};
}

void LeverToggle::nameForState()
{
    setAccessibleName(isChecked() ? i18n::translate("Levers", "Lever %1: ON").arg(number_)
                                  : i18n::translate("Levers", "Lever %1: OFF").arg(number_));
}

void LeverToggle::paintEvent(QPaintEvent*)
{
    QStylePainter p(this);
    const QRect slot = rect().adjusted(kSlotMargin, kSlotMargin, -kSlotMargin, -kSlotMargin);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(slot.adjusted(0, 0, -1, -1));
    const bool atUpper = isChecked() == onIsUpper_;
    const int half = slot.height() / 2;
    const QRect lever(slot.left() + 2, atUpper ? slot.top() + 2 : slot.top() + half,
                      slot.width() - 4, half - 2);
    p.fillRect(lever, isDown() ? Qt::darkGray : Qt::black);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect();
        p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace velantra::levers
