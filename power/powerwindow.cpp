#include "power/powerwindow.h"

#include "i18n/language.h"
#include "ui/colours.h"
#include "ui/qstr.h"
#include "ui/selection.h"
#include "ui/standardlook.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTimer>

namespace velantra::power
{
namespace
{

constexpr double kFontPoints = 7.5;
const char* const kWarningTitle = VT_TEXT("Messages", "Error!");

// The decimal separator of the user's locale (its first character, should it have more).
char16_t decimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? u'.' : point.front().unicode();
}

// What a screen reader calls the outputs, the columns of the grid and the figure boxes.
const QString kOutputNames[] = {QStringLiteral("CC #1"), QStringLiteral("CC #2"),
                                QStringLiteral("CV #1"), QStringLiteral("CV #2")};

// The output whose figure a box shows; the total shows none.
constexpr Output kReadoutOutputs[] = {Output::CC1, Output::CC2, Output::CC1,
                                      Output::CC2, Output::CV1, Output::CV2};

QString readoutName(std::size_t which)
{
    const QString& output = kOutputNames[std::size_t(kReadoutOutputs[which])];
    return Readout(which) <= Readout::LedCC2
               ? i18n::translate("PowerWindow", "LEDs per colour, %1").arg(output)
               : i18n::translate("PowerWindow", "Power %1, watts").arg(output);
}

} // namespace

PowerWindow::PowerWindow(const ui::WindowSpec& window, CheckedLayout layout, const Grid& grid,
                         const PowerVariant& variant, QWidget* parent)
    : QWidget(parent), budget_(variant, *this, decimalSeparator())
{
    ui::setUpWindow(this, window);
    // The program's Arial 8 pt is a little wide for these tight captions ("Power CC 1" would
    // wrap in its 57 pixels); half a point less makes every caption fit.
    QFont font = ui::standardFont();
    ui::setStandardSize(font, kFontPoints);
    setFont(font);
    controls_ = ui::buildLayout(this, *layout);
    keepKeyboardOutOfSight();
    raiseTallCaptions();
    findControls();
    nameBoxes(grid);
    addOutputShortcuts();
    connectProcedures();
    Form_Load();
    timer1_->start();
}

// A control placed beyond the client area can never be seen. Tabbing into such a box and typing
// would change the totals with nothing on the screen to show why: it takes no focus.
void PowerWindow::keepKeyboardOutOfSight()
{
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (rect().intersects(control->geometry()))
            continue;
        control->setFocusPolicy(Qt::NoFocus);
        for (QWidget* inner : control->findChildren<QWidget*>())
            inner->setFocusPolicy(Qt::NoFocus);
    }
}

// The headings' Arial 12 pt bold is taller than their 17-pixel labels and would lose the bottoms
// of "p" and "(": the top of the line, above the capitals, is empty, so the text moves up into it.
void PowerWindow::raiseTallCaptions()
{
    for (QLabel* label : findChildren<QLabel*>()) {
        const int overflow = label->fontMetrics().height() - label->contentsRect().height();
        if (overflow > 0 && label->frameShape() == QFrame::NoFrame)
            label->setContentsMargins(0, -overflow, 0, 0);
    }
}

void PowerWindow::findControls()
{
    for (std::size_t column = 0; column < boxes_.size(); ++column) {
        for (int index = 0; index <= kRows; ++index) {
            // Text1(0), where there is one, is of no output; the others are proven there.
            const QString name = qstr(kBoxNames[column][std::size_t(index)]);
            boxes_[column][std::size_t(index)] = qobject_cast<QLineEdit*>(controls_.find(name));
        }
    }
    for (std::size_t i = 0; i < readouts_.size(); ++i)
        readouts_[i] = controls_.get<QLineEdit>(qstr(kReadoutNames[i]));
    for (std::size_t cc = 0; cc < 2; ++cc) {
        for (std::size_t current = 0; current < 3; ++current)
            currents_[cc][current] = controls_.get<QRadioButton>(qstr(kCurrentNames[cc][current]));
    }
    label39_ = controls_.get<QLabel>(u"Label39");
    option1_ = controls_.get<QRadioButton>(u"Option1");
    option2_ = controls_.get<QRadioButton>(u"Option2");
    command1_ = controls_.get<QPushButton>(u"Command1");
    timer1_ = controls_.get<QTimer>(u"Timer1");
}

// The grid boxes and the figure boxes have no caption of their own: a screen reader names a
// grid box by its output and the fixture of its row, as a sighted user reads the column heading
// and the model label. The total's name follows the mode (setTotalCaption).
void PowerWindow::nameBoxes(const Grid& grid)
{
    for (std::size_t column = 0; column < boxes_.size(); ++column) {
        for (int row = 1; row <= kRows; ++row) {
            const GridRow& r = grid[std::size_t(row - 1)];
            const FixtureRow& f = budget_.variant().table.row(row);
            QString model = qstr(column < 2 ? f.cc.model : f.cv.model).trimmed();
            if (model.isEmpty()) {
                model = i18n::translate("PowerWindow", "row %1").arg(row);
                // The empty model label still shows its border.
                const QString side = column < 2 ? QStringLiteral("CC") : QStringLiteral("CV");
                controls_.get<QLabel>(qstr(column < 2 ? r.ccLabel : r.cvLabel))
                    ->setAccessibleName(
                        i18n::translate("PowerWindow", "%1 %2, no fixture").arg(side, model));
            }
            box(Output(column), row)
                ->setAccessibleName(i18n::translate("PowerWindow", "%1 count, %2")
                                        .arg(kOutputNames[column], model));
        }
    }
    for (std::size_t which = 0; which < std::size(kReadoutOutputs); ++which)
        readouts_[which]->setAccessibleName(readoutName(which));
}

// The tab order opens on the figures and reaches the first count box after eight stops, the last
// outputs' boxes after the current buttons: Ctrl+1 to Ctrl+4 go to the first usable count box of
// each output, as the window's description tells a screen reader user.
void PowerWindow::addOutputShortcuts()
{
    QStringList keys;
    for (std::size_t column = 0; column < boxes_.size(); ++column) {
        // Of the ORVO 36, the CV boxes lie beyond the window and the CC #2 ones stay disabled.
        QLineEdit* first = box(Output(column), 1);
        if (!rect().contains(first->mapTo(this, QPoint())) || !first->isEnabled())
            continue;
        const auto key = Qt::Key(Qt::Key_1 + int(column));
        auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | key), this, this, [this, column] {
            for (int row = 1; row <= kRows; ++row) {
                QLineEdit* count = box(Output(column), row);
                if (count->isEnabled() && count->isVisibleTo(this)) {
                    count->setFocus(Qt::ShortcutFocusReason);
                    return;
                }
            }
        });
        shortcut->setObjectName(QStringLiteral("goToOutput%1").arg(column + 1));
        keys << i18n::translate("PowerWindow", "Control %1, %2")
                    .arg(column + 1)
                    .arg(kOutputNames[column]);
    }
    setAccessibleDescription(
        i18n::translate("PowerWindow", "To the first count box of an output: ") + keys.join(u"; "));
}

void PowerWindow::connectProcedures()
{
    using Change = void (PowerWindow::*)(int);
    constexpr Change changes[] = {&PowerWindow::Text1_Change, &PowerWindow::Text2_Change,
                                  &PowerWindow::Text3_Change, &PowerWindow::Text4_Change};
    for (std::size_t column = 0; column < boxes_.size(); ++column) {
        for (int index = 0; index <= kRows; ++index) {
            if (QLineEdit* edit = boxes_[column][std::size_t(index)]) {
                connect(edit, &QLineEdit::textChanged, this,
                        [this, change = changes[column], index] { (this->*change)(index); });
            }
        }
    }
    ui::onSelected(option1_, this, [this] { Option1_Click(); });
    ui::onSelected(option2_, this, [this] { Option2_Click(); });
    connect(command1_, &QPushButton::clicked, this, &PowerWindow::Command1_Click);
    connect(timer1_, &QTimer::timeout, this, &PowerWindow::Timer1_Timer);
}

void PowerWindow::Form_Load()
{
    budget_.Load();
}

// The index of the changed box plays no part: a computation reads its whole column. A change
// of Text1(0) thus recomputes CC #1 from rows 1 … 14 and changes nothing.
void PowerWindow::Text1_Change(int)
{
    budget_.OutputComputation(Output::CC1);
}

void PowerWindow::Text2_Change(int)
{
    budget_.OutputComputation(Output::CC2);
}

void PowerWindow::Text3_Change(int)
{
    budget_.OutputComputation(Output::CV1);
}

void PowerWindow::Text4_Change(int)
{
    budget_.OutputComputation(Output::CV2);
}

void PowerWindow::Option1_Click()
{
    budget_.SwitchMode(false);
}

void PowerWindow::Option2_Click()
{
    budget_.SwitchMode(true);
}

void PowerWindow::Command1_Click()
{
    budget_.Reset();
}

void PowerWindow::Timer1_Timer()
{
    budget_.PeriodicPass();
}

QLineEdit* PowerWindow::box(Output column, int row) const
{
    return boxes_[std::size_t(column)][std::size_t(row)];
}

QRadioButton* PowerWindow::currentButton(Output cc, Current current) const
{
    return currents_[cc == Output::CC1 ? 0 : 1][std::size_t(current)];
}

std::u16string PowerWindow::boxText(Output column, int row) const
{
    return box(column, row)->text().toStdU16String();
}

void PowerWindow::clearBox(Output column, int row)
{
    box(column, row)->setText(QString()); // a box that held text runs its change procedure
}

void PowerWindow::setBoxEnabled(Output column, int row, bool enabled)
{
    box(column, row)->setEnabled(enabled);
}

void PowerWindow::setBoxLook(Output column, int row, BoxLook look)
{
    const ui::Colour colour = look == BoxLook::Blocked ? ui::kGrey : ui::kWindowBackground;
    // The window's own palette: the box's may already hold the grey.
    ui::setBackground(box(column, row), ui::toQColor(colour, palette()));
}

void PowerWindow::setReadoutText(Readout which, std::u16string_view text)
{
    readout(which)->setText(QString::fromUtf16(text.data(), qsizetype(text.size())));
}

void PowerWindow::setReadoutRed(Readout which, bool red)
{
    ui::setBackground(readout(which), ui::toQColor(red ? ui::kRed : ui::kWhite, palette()));
    describeLimit(which);
}

void PowerWindow::describeLimit(Readout which)
{
    // The red of a figure over its limit says nothing to a screen reader: its description does,
    // for as long as the limit stays exceeded (the red blinks).
    const PowerVariant& variant = budget_.variant();
    QString description;
    if ((which == Readout::LedCC1 && budget_.WarnCC(1)) ||
        (which == Readout::LedCC2 && budget_.WarnCC(2)))
        description =
            i18n::translate("PowerWindow", "Over the limit of %1 LEDs per colour on one output")
                .arg(variant.ledLimit);
    else if (which == Readout::Total && budget_.WarnTotal())
        description =
            i18n::translate("PowerWindow", "Over the limit of %1 watts").arg(variant.powerLimit);
    if (readout(which)->accessibleDescription() != description)
        readout(which)->setAccessibleDescription(description);
}

bool PowerWindow::readoutIsWhite(Readout which) const
{
    return ui::background(readout(which)) == ui::toQColor(ui::kWhite, palette());
}

void PowerWindow::setTotalCaption(std::string_view caption)
{
    label39_->setText(i18n::text(i18n::context::kLayout, caption));
    readout(Readout::Total)
        ->setAccessibleName(i18n::translate("PowerWindow", "%1, watts")
                                .arg(i18n::text(i18n::context::kLayout, caption)));
}

void PowerWindow::warn(std::string_view message)
{
    // A window that Exit has hidden is only finishing the procedure it interrupted.
    if (!isVisible())
        return;
    QMessageBox box(QMessageBox::Warning, i18n::text(i18n::context::kMessages, kWarningTitle),
                    i18n::text(i18n::context::kMessages, message), QMessageBox::Ok, this);
    box.exec();
}

void PowerWindow::selectAverageMode()
{
    ui::deselect(option1_);
    option2_->setChecked(true); // runs Option2_Click when it was not selected
}

void PowerWindow::selectCurrent(Output cc, Current current)
{
    currentButton(cc, current)->setChecked(true);
}

bool PowerWindow::isCurrentSelected(Output cc, Current current) const
{
    return currentButton(cc, current)->isChecked();
}

QString PowerWindow::entryText(Output column, int row) const
{
    return box(column, row)->text();
}

QString PowerWindow::readoutText(Readout which) const
{
    return readout(which)->text();
}

QString PowerWindow::modeCaption() const
{
    return (option2_->isChecked() ? option2_ : option1_)->text();
}

QString PowerWindow::totalCaption() const
{
    return label39_->text();
}

std::optional<Current> PowerWindow::chosenCurrent(Output cc) const
{
    for (Current current : {Current::mA350, Current::mA700, Current::mA1000}) {
        const QRadioButton* button = currentButton(cc, current);
        if (button->isVisibleTo(this) && button->isChecked())
            return current;
    }
    return std::nullopt;
}

bool PowerWindow::showsOutput(Output column) const
{
    return rect().intersects(box(column, 1)->geometry());
}

bool PowerWindow::typeEntry(Output column, int row, const QString& text)
{
    if (row < 1 || row > kRows || !showsOutput(column))
        return false;
    box(column, row)->setText(text);
    return true;
}

void PowerWindow::choosePower(bool average)
{
    if (average)
        selectAverageMode();
    else
        option1_->setChecked(true); // runs its click procedure
}

} // namespace velantra::power
