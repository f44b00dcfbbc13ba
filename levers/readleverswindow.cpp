#include "levers/readleverswindow.h"

#include "devices/devices.h"
#include "dip/leverlayout.h"
#include "dip/leverreading.h"
#include "dip/modeprofile.h"
#include "dip/profiles.h"
#include "i18n/language.h"
#include "levers/leverlist.h"
#include "levers/levertoggle.h"
#include "levers/windows.h"
#include "ui/accessibility.h"
#include "ui/qstr.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

namespace velantra::levers
{

QWidget* createReadLevers()
{
    return new ReadLeversWindow;
}

namespace
{
// The choice list holds our devices first, then the plan's fixture types.
constexpr int kFirstType = int(kDeviceCount);

QString joined(const std::vector<std::string>& texts, const QString& empty)
{
    QStringList list;
    for (const std::string& text : texts)
        list << QString::fromStdString(text);
    return list.isEmpty() ? empty : list.join(QStringLiteral(", "));
}
} // namespace

ReadLeversWindow::ReadLeversWindow(QWidget* parent)
    : QWidget(parent), fixture_(new QListWidget(this)), banksRow_(new QHBoxLayout),
      reading_label_(new QLabel(this)), address_(new QLabel(this)), mode_(new QLabel(this)),
      options_(new QLabel(this)), problemsLabel_(new QLabel(this))
{
    setObjectName(QStringLiteral("ReadLevers"));
    setWindowTitle(i18n::translate("ReadLeversWindow", "Read levers"));
    setWindowFlags(Qt::Window);

    auto* caption =
        new QLabel(i18n::translate("ReadLeversWindow", "&Device or fixture type:"), this);
    caption->setObjectName(QStringLiteral("fixtureCaption"));
    caption->setBuddy(fixture_);
    fixture_->setObjectName(QStringLiteral("fixture"));
    // A list, not a drop-down: the device is chosen as often as a lever is set.
    fixture_->setFixedWidth(170);
    auto* choice = new QVBoxLayout;
    choice->addWidget(caption);
    choice->addWidget(fixture_);

    reading_label_->setObjectName(QStringLiteral("reading"));
    QFont big = reading_label_->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    reading_label_->setFont(big);
    reading_label_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    address_->setObjectName(QStringLiteral("address"));
    mode_->setObjectName(QStringLiteral("mode"));
    options_->setObjectName(QStringLiteral("options"));
    problemsLabel_->setObjectName(QStringLiteral("problems"));
    problemsLabel_->setWordWrap(true);
    options_->setWordWrap(true);
    auto* form = new QFormLayout;
    const std::pair<QLabel*, QString> rows[] = {
        {address_, i18n::translate("ReadLeversWindow", "DMX address:")},
        {mode_, i18n::translate("ReadLeversWindow", "Mode:")},
        {options_, i18n::translate("ReadLeversWindow", "Options:")},
        {problemsLabel_, i18n::translate("ReadLeversWindow", "Problems:")}};
    for (const auto& [field, text] : rows) {
        auto* caption = new QLabel(text, this);
        caption->setObjectName(field->objectName() + QStringLiteral("Caption"));
        form->addRow(caption, field);
        // A screen reader says what each value is.
        field->setAccessibleDescription(text.chopped(1));
    }

    auto* column = new QVBoxLayout;
    column->addLayout(banksRow_);
    column->addWidget(reading_label_);
    column->addLayout(form);
    column->addStretch();
    auto* row = new QHBoxLayout(this);
    row->addLayout(choice);
    row->addLayout(column, 1);

    fillChoices();
    fixture_->setCurrentRow(0);
    connect(fixture_, &QListWidget::currentRowChanged, this, &ReadLeversWindow::choose);
    choose(0);
    resize(820, 300);
}

void ReadLeversWindow::setFixtureTypes(std::vector<FixtureTypeLevers> types)
{
    const int chosen = fixture_->currentRow();
    const std::optional<FixtureTypeLevers> chosenType =
        chosen >= kFirstType ? std::optional(types_[std::size_t(chosen - kFirstType)])
                             : std::nullopt;
    types_ = std::move(types);
    const QSignalBlocker quiet(fixture_);
    fillChoices();
    if (!chosenType) {
        fixture_->setCurrentRow(chosen);
        return;
    }
    // The type chosen stays with its levers as set while the plan describes it as before.
    const auto same = std::find_if(types_.begin(), types_.end(), [&](const FixtureTypeLevers& t) {
        return t.name == chosenType->name;
    });
    const int again = same == types_.end() ? 0 : kFirstType + int(same - types_.begin());
    fixture_->setCurrentRow(again);
    if (same == types_.end() || same->scheme != chosenType->scheme)
        choose(again);
}

void ReadLeversWindow::fillChoices()
{
    fixture_->clear();
    for (const DeviceInfo& device : kDevices)
        fixture_->addItem(qstr(device.tableName));
    for (const FixtureTypeLevers& type : types_)
        fixture_->addItem(QString::fromStdString(type.name));
}

void ReadLeversWindow::choose(int index)
{
    for (QGroupBox* bank : findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly))
        delete bank;
    banks_.clear();
    if (index < kFirstType) {
        const dip::BankGeometry& banks = dip::configuratorSpec(Device(index)).banks;
        const bool onIsUpper = banks.onRow == dip::Row::Upper;
        // Left to right as on the device.
        if (banks.hasFourBank() && banks.left4 < banks.left12)
            addBank(i18n::translate("ReadLeversWindow", "4-lever bank"), dip::kFour, onIsUpper,
                    true);
        addBank(i18n::translate("ReadLeversWindow", "12-lever bank"), dip::kTwelve, onIsUpper,
                false);
        if (banks.hasFourBank() && banks.left4 > banks.left12)
            addBank(i18n::translate("ReadLeversWindow", "4-lever bank"), dip::kFour, onIsUpper,
                    true);
    } else {
        const LeverScheme& scheme = types_[std::size_t(index - kFirstType)].scheme;
        addBank(i18n::translate("ReadLeversWindow", "%1-lever bank").arg(scheme.levers),
                scheme.levers, scheme.onUp, false);
    }
    readBack();
}

void ReadLeversWindow::addBank(const QString& title, int levers, bool onIsUpper, bool fourLever)
{
    auto* bank = new QGroupBox(title, this);
    bank->setObjectName(QStringLiteral("Bank(%1)").arg(banks_.size()));
    auto* grid = new QGridLayout(bank);
    grid->setHorizontalSpacing(2);
    auto* on = new QLabel(i18n::translate("ReadLeversWindow", "ON"), bank);
    auto* off = new QLabel(i18n::translate("ReadLeversWindow", "OFF"), bank);
    on->setObjectName(QStringLiteral("onSide"));
    off->setObjectName(QStringLiteral("offSide"));
    grid->addWidget(onIsUpper ? on : off, 0, 0, Qt::AlignTop);
    grid->addWidget(onIsUpper ? off : on, 1, 0, Qt::AlignBottom);
    BankView view{.fourLever = fourLever, .levers = {}};
    for (int k = 1; k <= levers; ++k) {
        auto* lever = new LeverToggle(k, onIsUpper, bank);
        grid->addWidget(lever, 0, k, 2, 1, Qt::AlignHCenter);
        auto* number = new QLabel(QString::number(k), bank);
        number->setObjectName(QStringLiteral("leverNumber(%1)").arg(k));
        number->setAlignment(Qt::AlignHCenter);
        grid->addWidget(number, 2, k);
        connect(lever, &QAbstractButton::toggled, this, [this] {
            readBack();
            ui::announce(this, reading_);
        });
        view.levers.push_back(lever);
    }
    banksRow_->addWidget(bank, levers); // as wide as its levers need
    bank->show();
    banks_.push_back(std::move(view));
    // The Tab key visits the choice, then the levers left to right.
    QWidget* previous = fixture_;
    for (const BankView& shown : banks_) {
        for (LeverToggle* lever : shown.levers) {
            setTabOrder(previous, lever);
            previous = lever;
        }
    }
}

std::uint32_t ReadLeversWindow::leversOn(bool fourLever) const
{
    std::uint32_t on = 0;
    for (const BankView& bank : banks_) {
        if (bank.fourLever != fourLever)
            continue;
        for (const LeverToggle* lever : bank.levers) {
            if (lever->isChecked())
                on |= std::uint32_t(1) << (lever->number() - 1);
        }
    }
    return on;
}

void ReadLeversWindow::readBack()
{
    const int index = fixture_->currentRow();
    std::vector<std::string> problems;
    if (index < kFirstType) {
        const dip::Levers levers{.twelve = std::uint16_t(leversOn(false)),
                                 .four = std::uint8_t(leversOn(true))};
        const dip::LeverReading reading = dip::readLevers(Device(index), levers);
        reading_ = QString::fromStdString(dip::readingText(reading));
        address_->setText(
            reading.setting.master
                ? i18n::translate("ReadLeversWindow", "none: a master takes no address")
            : reading.address ? QString::number(*reading.address)
                              : i18n::translate("ReadLeversWindow", "none"));
        mode_->setText(reading.setting.master ? i18n::translate("ReadLeversWindow", "Master")
                                              : i18n::translate("ReadLeversWindow", "DMX (slave)"));
        options_->setText(joined(reading.options, i18n::translate("ReadLeversWindow", "none")));
        problems = reading.problems;
    } else {
        const SchemeReading reading =
            readSchemeLevers(types_[std::size_t(index - kFirstType)].scheme, leversOn(false));
        reading_ = QString::fromStdString(schemeReadingText(reading));
        address_->setText(reading.address ? QString::number(reading.address)
                                          : i18n::translate("ReadLeversWindow", "none"));
        mode_->setText(i18n::translate("ReadLeversWindow", "DMX"));
        options_->setText(joined(reading.options, i18n::translate("ReadLeversWindow", "none")));
        problems = reading.problems;
    }
    reading_label_->setText(reading_);
    problems_.clear();
    for (const std::string& problem : problems)
        problems_ << QString::fromStdString(problem);
    problemsLabel_->setText(problems_.isEmpty() ? i18n::translate("ReadLeversWindow", "none")
                                                : problems_.join(u'\n'));
    QPalette palette = problemsLabel_->palette();
    palette.setColor(QPalette::WindowText, problems_.isEmpty() ? QColor(Qt::black) : Qt::darkRed);
    problemsLabel_->setPalette(palette);
}

} // namespace velantra::levers
