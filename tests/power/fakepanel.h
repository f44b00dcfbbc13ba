#pragma once

// A window without widgets for the power budget: it keeps the texts, colours and choices that
// the budget writes, runs a column's computation when one of its boxes changes, exactly as the
// window's change procedures do, and records every warning instead of showing it.

#include "power/powerbudget.h"
#include "ui/qstr.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <map>
#include <optional>
#include <utility>

namespace velantra::power::test
{

class FakePanel : public PowerPanel
{
public:
    explicit FakePanel(const PowerVariant& variant, char16_t separator = u'.')
        : budget(variant, *this, separator)
    {
        for (auto& column : enabled)
            column.fill(true);
    }

    PowerBudget budget;
    std::array<std::array<std::u16string, kRows + 1>, 4> text{};
    std::array<std::array<bool, kRows + 1>, 4> enabled{};
    std::array<std::array<BoxLook, kRows + 1>, 4> look{};
    std::map<Readout, QString> readout;
    std::map<Readout, bool> red;
    QString caption;
    QStringList warnings;
    std::function<void()> whileWarning; // runs while a warning waits for its answer
    bool nominalSelected = false;
    bool averageSelected = false;
    std::array<std::optional<Current>, 2> current{};
    int computations = 0;

    // The user replaces the text of a box.
    void type(Output column, int row, const QString& newText)
    {
        setText(column, row, newText.toStdU16String());
    }
    // Puts a text into a box without running anything, as if it had always been there.
    void preset(Output column, int row, const QString& newText)
    {
        box(column, row) = newText.toStdU16String();
    }
    QString boxString(Output column, int row) const
    {
        return QString::fromStdU16String(text[std::size_t(column)][std::size_t(row)]);
    }
    void clickNominal()
    {
        averageSelected = false;
        if (!std::exchange(nominalSelected, true))
            budget.SwitchMode(false);
    }
    void clickAverage()
    {
        nominalSelected = false;
        if (!std::exchange(averageSelected, true))
            budget.SwitchMode(true);
    }
    void chooseCurrent(Output cc, Current mA) { current[cc == Output::CC1 ? 0 : 1] = mA; }

    std::u16string boxText(Output column, int row) const override
    {
        return text[std::size_t(column)][std::size_t(row)];
    }
    void clearBox(Output column, int row) override { setText(column, row, {}); }
    void setBoxEnabled(Output column, int row, bool on) override
    {
        enabled[std::size_t(column)][std::size_t(row)] = on;
    }
    void setBoxLook(Output column, int row, BoxLook newLook) override
    {
        look[std::size_t(column)][std::size_t(row)] = newLook;
    }
    void setReadoutText(Readout which, std::u16string_view newText) override
    {
        readout[which] = QString::fromStdU16String(std::u16string(newText));
    }
    void setReadoutRed(Readout which, bool on) override { red[which] = on; }
    bool readoutIsWhite(Readout which) const override
    {
        const auto found = red.find(which);
        return found != red.end() && !found->second;
    }
    void setTotalCaption(std::string_view newCaption) override { caption = qstr(newCaption); }
    void warn(std::string_view message) override
    {
        warnings << qstr(message);
        if (whileWarning)
            whileWarning();
    }
    void selectAverageMode() override { clickAverage(); }
    void selectCurrent(Output cc, Current mA) override { chooseCurrent(cc, mA); }
    bool isCurrentSelected(Output cc, Current mA) const override
    {
        return current[cc == Output::CC1 ? 0 : 1] == mA;
    }

private:
    std::u16string& box(Output column, int row)
    {
        return text[std::size_t(column)][std::size_t(row)];
    }
    void setText(Output column, int row, std::u16string newText)
    {
        if (box(column, row) == newText)
            return;
        box(column, row) = std::move(newText);
        ++computations;
        budget.OutputComputation(column);
    }
};

} // namespace velantra::power::test
