#include "cards/reportreader.h"

#include "power/fixturepowertable.h"
#include "power/powerbudget.h"
#include "power/powerwindow.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace velantra::cards
{
namespace
{

struct OutputControls {
    const char* name;
    const char* column; // input boxes Text1(1) … Text1(14)
    const char* leds;   // result box of LEDs per colour, CC outputs only
    const char* watts;  // result box of the power
    const char* currentFrame;
    const char* currentPrefix; // CC1_350, CC1_700, CC1_1000
};
constexpr OutputControls kOutputs[] = {
    {"CC #1", "Text1", "Text57", "Text59", "Frame1", "CC1_"},
    {"CC #2", "Text2", "Text58", "Text60", "Frame2", "CC2_"},
    {"CV #1", "Text3", nullptr, "Text62", nullptr, nullptr},
    {"CV #2", "Text4", nullptr, "Text61", nullptr, nullptr},
};
constexpr const char* kCurrents[] = {"350", "700", "1000"};

template <typename T> T* control(const QWidget* window, const QString& name)
{
    T* found = window->findChild<T*>(name);
    Q_ASSERT_X(found, "cards", qPrintable(name));
    return found;
}

QString text(const QWidget* window, const char* box)
{
    return control<QLineEdit>(window, QLatin1String(box))->text();
}

// The model label that names the fixture of a grid box: the nearest label to its right in its
// row.
QString fixtureBeside(const QWidget* window, const QLineEdit* box)
{
    const QLabel* nearest = nullptr;
    for (const QLabel* label : window->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        const QRect r = label->geometry();
        if (r.top() != box->geometry().top() || r.left() <= box->geometry().left())
            continue;
        if (!nearest || r.left() < nearest->geometry().left())
            nearest = label;
    }
    return nearest ? nearest->text().simplified() : QString();
}

OutputReport readOutput(const QWidget* window, const OutputControls& controls)
{
    OutputReport output;
    output.name = controls.name;
    for (int row = 1; row <= power::kRows; ++row) {
        const auto* box =
            control<QLineEdit>(window, QStringLiteral("%1(%2)").arg(controls.column).arg(row));
        const QString entry = box->text();
        const int count =
            power::ReadBox(std::u16string_view(reinterpret_cast<const char16_t*>(entry.utf16()),
                                               std::size_t(entry.size())))
                .count;
        if (count != 0)
            output.fixtures.push_back({fixtureBeside(window, box).toStdString(), count});
    }
    if (controls.currentFrame &&
        !control<QGroupBox>(window, QLatin1String(controls.currentFrame))->isHidden()) {
        for (const char* current : kCurrents) {
            const QString name = QLatin1String(controls.currentPrefix) + QLatin1String(current);
            if (control<QRadioButton>(window, name)->isChecked())
                output.current = std::string(current) + " mA";
        }
    }
    if (controls.leds)
        output.ledsPerColour = text(window, controls.leds).toStdString();
    output.watts = text(window, controls.watts).toStdString();
    return output;
}

} // namespace

bool isPowerWindow(const QWidget* window)
{
    return qobject_cast<const power::PowerWindow*>(window) != nullptr;
}

PowerReport readReport(const QWidget* window, QDate date)
{
    const auto* powerWindow = qobject_cast<const power::PowerWindow*>(window);
    Q_ASSERT(powerWindow);
    PowerReport report;
    report.device = window->windowTitle().toStdString();
    report.date = date.toString(Qt::ISODate).toStdString();
    const bool average = control<QRadioButton>(window, QStringLiteral("Option2"))->isChecked();
    report.mode = control<QRadioButton>(window, average ? QStringLiteral("Option2")
                                                        : QStringLiteral("Option1"))
                      ->text()
                      .toStdString();
    report.totalCaption = control<QLabel>(window, QStringLiteral("Label39"))->text().toStdString();
    for (const OutputControls& controls : kOutputs) {
        const QWidget* first =
            control<QWidget>(window, QStringLiteral("%1(1)").arg(controls.column));
        if (window->rect().intersects(first->geometry()))
            report.outputs.push_back(readOutput(window, controls));
    }
    report.totalWatts = text(window, "Text63").toStdString();
    report.exceeded = exceededLimits(powerWindow->budget());
    return report;
}

} // namespace velantra::cards
