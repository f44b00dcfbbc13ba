#include "dip/dipbank.h"

#include "ui/layoutbuilder.h"

#include <QStringList>
#include <QWidget>

namespace velantra::dip
{

DipBank::DipBank(const ui::Controls& controls, Bank bank, Row onRow) : onRow_(onRow)
{
    const auto rectangle = [&](int lever, Row row) {
        const std::string_view name = kShapeNames[shapeNumber(bank, lever, row)];
        return controls.widget(QString::fromLatin1(name.data(), qsizetype(name.size())));
    };
    for (int k = 1; k <= leverCount(bank); ++k) {
        LeverPair pair{rectangle(k, Row::Upper), rectangle(k, Row::Lower)};
        Q_ASSERT(pair.upper && pair.lower);
        levers_.push_back(pair);
        const bool on = !(onRow == Row::Upper ? pair.upper : pair.lower)->isHidden();
        on_.push_back(on);
        const QString name = QStringLiteral("Lever %1 ").arg(k);
        (onRow == Row::Upper ? pair.upper : pair.lower)
            ->setAccessibleName(name + QStringLiteral("ON"));
        (onRow == Row::Upper ? pair.lower : pair.upper)
            ->setAccessibleName(name + QStringLiteral("OFF"));
    }
    body_ = controls.widget(bank == Bank::Twelve ? u"Shape1(0)" : u"Shape1(1)");
    describe();
}

void DipBank::set(int lever, bool on)
{
    const LeverPair& pair = levers_.at(std::size_t(lever - 1));
    QWidget* onRect = onRow_ == Row::Upper ? pair.upper : pair.lower;
    QWidget* offRect = onRow_ == Row::Upper ? pair.lower : pair.upper;
    // Show first, then hide: both happen before the next paint.
    (on ? onRect : offRect)->setVisible(true);
    (on ? offRect : onRect)->setVisible(false);
    if (on_[std::size_t(lever - 1)] != on) {
        on_[std::size_t(lever - 1)] = on;
        describe();
    }
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
    body_->setAccessibleDescription(QStringLiteral("Levers ON: ") +
                                    (on.isEmpty() ? QStringLiteral("none") : on.join(u", ")));
}

bool DipBank::isOn(int lever) const
{
    const LeverPair& pair = levers_.at(std::size_t(lever - 1));
    return !(onRow_ == Row::Upper ? pair.upper : pair.lower)->isHidden();
}

} // namespace velantra::dip
