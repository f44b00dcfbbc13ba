#include "dip/dipbank.h"

#include "ui/layoutbuilder.h"

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
    }
}

void DipBank::set(int lever, bool on)
{
    const LeverPair& pair = levers_.at(std::size_t(lever - 1));
    QWidget* onRect = onRow_ == Row::Upper ? pair.upper : pair.lower;
    QWidget* offRect = onRow_ == Row::Upper ? pair.lower : pair.upper;
    // Show first, then hide: both happen before the next paint.
    (on ? onRect : offRect)->setVisible(true);
    (on ? offRect : onRect)->setVisible(false);
}

bool DipBank::isOn(int lever) const
{
    const LeverPair& pair = levers_.at(std::size_t(lever - 1));
    return !(onRow_ == Row::Upper ? pair.upper : pair.lower)->isHidden();
}

} // namespace velantra::dip
