#include "tests/power/powerwindowtest.h"

#include <QTimer>

namespace velantra::test
{

PowerWindowTest::PowerWindowTest(PowerWindow window) : window_(std::move(window)) {}

PowerWindowTest::~PowerWindowTest() = default;

void PowerWindowTest::openWindow()
{
    w_ = program_->open(window_.menuItem, window_.id);
}

void PowerWindowTest::init()
{
    answerer_ = std::make_unique<MessageBoxAnswerer>();
    program_ = std::make_unique<ProgramFixture>();
    openWindow();
}

void PowerWindowTest::cleanup()
{
    program_.reset();
    answerer_.reset();
}

void PowerWindowTest::opensInAverageModeWith350mA()
{
    QCOMPARE(w_->objectName(), window_.name);
    QCOMPARE(w_->windowTitle(), window_.title);
    QCOMPARE(child<QLabel>(w_, "Label39")->text(), "Total average power");
    QVERIFY(isChecked(w_, "Option2") && !isChecked(w_, "Option1"));
    QVERIFY(isChecked(w_, "CC1_350") && isChecked(w_, "CC2_350"));
    QCOMPARE(figures(w_), "0 0 | 0 0 0 0 | 0");
    QCOMPARE(alarms(w_), "www");
    auto* timer = child<QTimer>(w_, "Timer1");
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 500);
    // From the first tick on 350 mA rules rows 1–13 in.
    tick(w_);
    QCOMPARE(usableRows(w_, 1), "1-13");
    QVERIFY(answerer_->seen().isEmpty());
}

void PowerWindowTest::fixedWindowWhoseCaptionsFit()
{
    QCOMPARE(w_->size(), window_.size);
    QCOMPARE(w_->minimumSize(), w_->maximumSize());
    QVERIFY(!(w_->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(w_->windowFlags() & Qt::WindowMinimizeButtonHint));
    // Grid row r at Top 1560 + 360 (r − 1); the count columns at 720 and 1560.
    QCOMPARE(child(w_, "Text1(1)")->geometry(), QRect(48, 104, 20, 19));
    QCOMPARE(child(w_, "Text2(14)")->geometry(), QRect(104, 416, 20, 19));
    QCOMPARE(clippedCaptions(w_), QStringList{});
    const QStringList cutOff = captionsCutOff(w_);
    QVERIFY2(cutOff.isEmpty(), qPrintable(cutOff.join(u", ")));
}

void PowerWindowTest::typedCounts_data()
{
    QTest::addColumn<bool>("nominal");
    QTest::addColumn<QString>("entries");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QStringList>("warnings");
    addTypedCountRows();
}

void PowerWindowTest::typedCounts()
{
    QFETCH(bool, nominal);
    QFETCH(QString, entries);
    QFETCH(QString, expected);
    QFETCH(QStringList, warnings);

    if (nominal)
        click(w_, "Option1");
    enter(w_, entries);
    QCOMPARE(figures(w_), expected);
    QCOMPARE(answerer_->texts(), warnings);
    QCOMPARE(answerer_->seen().isEmpty() ? QString() : answerer_->seen().constFirst().title,
             warnings.isEmpty() ? QString() : QStringLiteral("Error!"));
    // A warning leaves its figure red.
    QCOMPARE(isRed(w_, "Text57") || isRed(w_, "Text58") || isRed(w_, "Text63"),
             !warnings.isEmpty());
}

} // namespace velantra::test
