// The windows look the same on every desktop: a theme's dark palette, large serif fonts (for the
// application and for classes of controls) and style of its own, set before a window opens or
// while it is open, change nothing that the user sees. On a screen of more device pixels per
// pixel, the pictures the program draws itself are drawn at that ratio, not enlarged: the tests
// run again with QT_SCALE_FACTOR 1.5 and 2.
#include "tests/support/guitest.h"
#include "ui/shownpicture.h"
#include "ui/standardlook.h"

#include <QStyleFactory>

using namespace velantra;
using namespace velantra::test;

namespace
{

// What a desktop theme sets for the application and for classes of its controls.
void setDesktop(const QPalette& palette, const QFont& font, const QString& style)
{
    QApplication::setPalette(palette);
    QApplication::setFont(font);
    for (const char* className : {"QLabel", "QLineEdit", "QAbstractButton", "QGroupBox", "QMenuBar",
                                  "QHeaderView", "QTableView", "QStatusBar"}) {
        QApplication::setPalette(palette, className);
        QApplication::setFont(font, className);
    }
    QApplication::setStyle(QStyleFactory::create(style));
    QApplication::processEvents(); // the program's own style comes back
}

// A dark theme with big bold, fully hinted fonts and a style of its own.
void setDarkDesktop(const QColor& window, const QColor& text, const QString& family, int points)
{
    QPalette palette(window.lighter(110), window);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, text);
    QFont font(family, points, QFont::Bold);
    font.setHintingPreference(QFont::PreferFullHinting); // as qt6ct can set it
    setDesktop(palette, font, QStringLiteral("Fusion"));
}

// Opens a window as a user does ("" is the main window), types ("Box=text"), lets the timer tick
// ("tick") or chooses a command of its menu (its name), and returns the window.
QWidget* openWindow(ProgramFixture& program, const QString& item, int id, const QStringList& steps)
{
    QWidget* window = item.isEmpty() ? &program.main() : program.open(item, WindowId(id));
    for (const QString& step : steps) {
        const QStringList boxAndText = step.split(u'=');
        if (step == u"tick")
            tick(window);
        else if (boxAndText.size() == 2)
            typeInto(window, boxAndText[0], boxAndText[1]);
        else
            child<QAction>(window, step)->trigger();
    }
    return window;
}

QImage shown(QWidget* window)
{
    QApplication::processEvents();
    return window->grab().toImage();
}

// The mean difference of two pictures of one size, per colour channel (0-255).
double meanDifference(const QImage& a, const QImage& b)
{
    const QImage p = a.convertToFormat(QImage::Format_RGB888);
    const QImage q = b.convertToFormat(QImage::Format_RGB888);
    double sum = 0;
    for (int y = 0; y < p.height(); ++y) {
        for (int i = 0; i < p.width() * 3; ++i)
            sum += std::abs(p.constScanLine(y)[i] - q.constScanLine(y)[i]);
    }
    return sum / (3.0 * p.width() * p.height());
}

} // namespace

class StandardLookTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        setDesktop(ui::standardPalette(), ui::standardFont(), QStringLiteral("Windows"));
    }
    void aDesktopThemeChangesNothingShown_data();
    void aDesktopThemeChangesNothingShown();
    void picturesAreDrawnAtTheScreensRatio_data();
    void picturesAreDrawnAtTheScreensRatio();
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
    QTest::newRow("rig plan") << "rigplan" << int(WindowId::RigPlan)
                              << QStringList{"rowAdd", "rowAdd"};
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
    setDarkDesktop(QColor(0x30, 0x30, 0x30), QColor(0xE0, 0xE0, 0xE0), u"DejaVu Serif"_qs, 14);
    QWidget* window = openWindow(program, item, id, steps);
    QCOMPARE(shown(window), standard);
    setDarkDesktop(QColor(0x20, 0x20, 0x40), Qt::yellow, u"DejaVu Sans"_qs, 20);
    QCOMPARE(shown(window), standard);
}

void StandardLookTest::picturesAreDrawnAtTheScreensRatio_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("control"); // empty: the window's own picture
    QTest::addColumn<QString>("resource");
    QTest::newRow("logo") << QString() << 0 << "Picture1"
                          << ":/logo.jpg";
    QTest::newRow("show list") << "Easy" << int(WindowId::Easyrun) << "Picture1"
                               << ":/sheets/showlist.jpg";
    QTest::newRow("speeds") << "Easy" << int(WindowId::Easyrun) << "Picture2"
                            << ":/sheets/speeds.png";
    QTest::newRow("a sheet") << "dati" << int(WindowId::Dat) << QString() << ":/sheets/dat.png";
}

void StandardLookTest::picturesAreDrawnAtTheScreensRatio()
{
    QFETCH(QString, item);
    QFETCH(int, id);
    QFETCH(QString, control);
    QFETCH(QString, resource);
    ProgramFixture program;
    QWidget* window = openWindow(program, item, id, {});
    QWidget* widget = control.isEmpty() ? window : child(window, control);
    const qreal ratio = widget->devicePixelRatioF(); // the screen's: QT_SCALE_FACTOR
    const QImage seen = shown(widget);

    // The picture is drawn at the ratio, not enlarged: what the screen shows is the picture as
    // drawn at it (the file itself at 1).
    const QImage file(resource);
    const QImage drawn = ui::pictureAt(resource, ratio);
    QCOMPARE(drawn.size(), file.size() * ratio);
    const QRect visible = seen.rect() & drawn.rect();
    QCOMPARE(seen.copy(visible), drawn.copy(visible).convertToFormat(seen.format()));
    // The same look: reduced to the standard ratio, it differs from the file only where the
    // edges of letters are smoothed (a grid one pixel off differs by some 20).
    const QImage reduced =
        drawn.scaled(file.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QVERIFY2(meanDifference(reduced, file) < 12,
             qPrintable(QString::number(meanDifference(reduced, file))));
}

VELANTRA_TEST_MAIN(StandardLookTest)
#include "tst_standardlook.moc"
