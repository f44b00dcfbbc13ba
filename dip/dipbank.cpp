#include "dip/dipbank.h"

#include "dip/dipbankaccessible.h"
#include "ui/layoutbuilder.h"
#include "ui/qstr.h"

#include <QStringList>
#include <QWidget>

namespace velantra::dip
{

DipBank::DipBank(const ui::Controls& controls, Bank bank, Row onRow) : onRow_(onRow)
{
    const auto rectangle = [&](int lever, Row row) {
        const std::string_view name = kShapeNames[shapeNumber(bank, lever, row)];
        return controls.widget(qstr(name));
    };
    for (int k = 1; k <= leverCount(bank); ++k) {
        LeverPair pair{rectangle(k, Row::Upper), rectangle(k, Row::Lower)};
        Q_ASSERT(pair.upper && pair.lower);
        levers_.push_back(pair);
        const bool on = !(onRow == Row::Upper ? pair.upper : pair.lower)->isHidden();
        on_.push_back(on);
    }
    body_ = controls.widget(bank == Bank::Twelve ? u"Shape1(0)" : u"Shape1(1)");
    if (body_)
        accessibleLevers_ = new BankLevers(body_, levers_, onRow);
    describe();
    changed_ = false;
}

void DipBank::set(int lever, bool on)
{
    const std::size_t index = std::size_t(lever - 1);
    on_.at(index) = on;
    if (holds_ == 0) {
        draw(index);
        describe();
    }
}

void DipBank::release()
{
    Q_ASSERT(holds_ > 0);
    if (--holds_ > 0)
        return;
    for (std::size_t index = 0; index < levers_.size(); ++index)
        draw(index);
    describe();
}

void DipBank::draw(std::size_t index)
{
    const LeverPair& pair = levers_[index];
    QWidget* onRect = onRow_ == Row::Upper ? pair.upper : pair.lower;
    QWidget* offRect = onRow_ == Row::Upper ? pair.lower : pair.upper;
    // Show first, then hide: both happen before the next paint. A rectangle already in the
    // wanted state is left alone, so an unmoved lever is not repainted.
    const bool on = on_[index];
    const bool moves = onRect->isHidden() == on;
    (on ? onRect : offRect)->setVisible(true);
    (on ? offRect : onRect)->setVisible(false);
    if (moves && accessibleLevers_)
        accessibleLevers_->drawn(int(index));
}

void DipBank::describe()
{
    if (!body_)
        return;
    QStringList on;
    for (std::size_t k = 0; k < on_.size(); ++k) {
        if (on_[k])
            on << QString::number(k + 1);
    }
    const QString description =
        QStringLiteral("Levers ON: ") + (on.isEmpty() ? QStringLiteral("none") : on.join(u", "));
    // Assistive technology hears of a change only when there is one.
    if (body_->accessibleDescription() != description) {
        body_->setAccessibleDescription(description);
        changed_ = true;
    }
}

QString DipBank::takeChange()
{
    if (!changed_ || holds_ > 0)
        return {};
    changed_ = false;
    return body_->accessibleDescription();
}

bool DipBank::isOn(int lever) const
{
    const LeverPair& pair = levers_.at(std::size_t(lever - 1));
    return !(onRow_ == Row::Upper ? pair.upper : pair.lower)->isHidden();
}

} // namespace velantra::dip
