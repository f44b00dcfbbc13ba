// The windows look the same on every desktop: a theme's dark palette, large serif fonts (for the
// application and for classes of controls) and style of its own, set before a window opens or
// while it is open, change nothing that the user sees.
#include "tests/support/guitest.h"
#include "ui/standardlook.h"

#include <QStyleFactory>

using namespace velantra;
using namespace velantra::test;

namespace
{

constexpr const char* kThemedClasses[] = {"QLabel",     "QLineEdit", "QAbstractButton",
                                          "QGroupBox",  "QMenuBar",  "QHeaderView",
                                          "QTableView", "QStatusBar"};

// What a desktop theme does to the application, as a dark theme with big fonts would.
void applyTheme(const QColor& window, const QColor& text, const QString& family, int points)
{
    QPalette palette(window.lighter(110), window);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, text);
    palette.setColor(QPalette::Base, window.darker(120));
    const QFont font(family, points, QFont::Bold);
    QApplication::setPalette(palette);
    QApplication::setFont(font);
    for (const char* className : kThemedClasses) {
        QApplication::setPalette(palette, className);
        QApplication::setFont(font, className);
    }
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::processEvents(); // the program's own style comes back
}

void restoreStandardDesktop()
{
    QApplication::setPalette(ui::standardPalette());
    QApplication::setFont(ui::standardFont());
    for (const char* className : kThemedClasses) {
        QApplication::setPalette(ui::standardPalette(), className);
        QApplication::setFont(ui::standardFont(), className);
    }
}

// Opens a window as a user does ("" is the main window), types ("Box=text") or lets the timer
// tick ("tick"), and returns the window.
QWidget* openWindow(ProgramFixture& program, const QString& item, int id, const QStringList& steps)
{
    QWidget* window = item.isEmpty() ? &program.main() : program.open(item, WindowId(id));
    for (const QString& step : steps) {
        if (step == u"tick") {
            tick(window);
        } else {
            const QStringList boxAndText = step.split(u'=');
            typeInto(window, boxAndText[0], boxAndText[1]);
        }
    }
    return window;
}

QImage shown(QWidget* window)
{
    QApplication::processEvents();
    return window->grab().toImage();
}

} // namespace

class StandardLookTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { restoreStandardDesktop(); }
    void aDesktopThemeChangesNothingShown_data();
    void aDesktopThemeChangesNothingShown();
};

void StandardLookTest::aDesktopThemeChangesNothingShown_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("id");
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("Main") << QString() << 0 << QStringList();
    QTest::newRow("ORVO 75 at 300") << "dip" << int(WindowId::Dip_DMX) << QStringList{"Text1=300"};
    QTest::newRow("Calc with a total")
        << "power" << int(WindowId::Calc) << QStringList{"Text1(5)=3", "tick", "tick"};
    QTest::newRow("a sheet") << "dati" << int(WindowId::Dat) << QStringList();
    QTest::newRow("rig plan") << "rigplan" << int(WindowId::RigPlan) << QStringList();
}

void StandardLookTest::aDesktopThemeChangesNothingShown()
{
    QFETCH(QString, item);
    QFETCH(int, id);
    QFETCH(QStringList, steps);
    MessageBoxAnswerer answerer; // a figure over its limit warns
    QImage standard;
    {
        ProgramFixture program;
        standard = shown(openWindow(program, item, id, steps));
    }
    ProgramFixture program;
    // The theme changes while only the main window is open, then while the window is open.
    applyTheme(QColor(0x30, 0x30, 0x30), QColor(0xE0, 0xE0, 0xE0), QStringLiteral("DejaVu Serif"),
               14);
    QWidget* window = openWindow(program, item, id, steps);
    QCOMPARE(shown(window), standard);
    applyTheme(QColor(0x20, 0x20, 0x40), Qt::yellow, QStringLiteral("DejaVu Sans"), 20);
    QCOMPARE(shown(window), standard);
}

VELANTRA_TEST_MAIN(StandardLookTest)
#include "tst_standardlook.moc"
