// The data-sheet windows, opened from the menu: their looks, and their pictures drawn at natural
// size from the top-left corner however the window is sized.
#include "sheets/sheetwindow.h"
#include "tests/support/guitest.h"
#include "ui/colours.h"
#include "ui/picturebox.h"

#include <QAccessible>
#include <QClipboard>

using namespace velantra;
using namespace velantra::test;

namespace
{

// What the client area shows, in logical pixels.
QImage shown(QWidget* widget)
{
    QPixmap grab = widget->grab();
    grab.setDevicePixelRatio(1);
    return grab.toImage().convertToFormat(QImage::Format_RGB32);
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count() const { return count_; }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        count_ += event->type() == QEvent::Paint;
        return false;
    }

private:
    int count_ = 0;
};

QImage pictureOf(const QImage& picture)
{
    return picture.convertToFormat(QImage::Format_RGB32);
}

// The window shows its picture unscaled from the top-left corner, cut off at the client area's
// edges, and the background colour beyond it.
void checkNaturalSize(QWidget* window, const QImage& picture)
{
    const QImage screen = shown(window);
    const QSize visible = picture.size().boundedTo(screen.size());
    QCOMPARE(screen.copy(QRect(QPoint(), visible)), picture.copy(QRect(QPoint(), visible)));
    const QRgb background = ui::background(window).rgb();
    if (screen.width() > picture.width())
        QCOMPARE(screen.pixel(picture.width(), 5), background);
    if (screen.height() > picture.height())
        QCOMPARE(screen.pixel(5, picture.height()), background);
}

QImage backgroundPicture(QWidget* window)
{
    return pictureOf(qobject_cast<sheets::SheetWindow*>(window)->picture());
}

} // namespace

class SheetWindowsTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void windows_data();
    void windows();
    void bothDataCommandsShowOneWindow();
    void resizedSheets_data();
    void resizedSheets();
    void easyrun();
    void picturesLetGoOnceShown_data();
    void picturesLetGoOnceShown();
    void tablesAreReadable_data();
    void tablesAreReadable();

private:
    std::unique_ptr<ProgramFixture> program_;
};

void SheetWindowsTest::init()
{
    program_ = std::make_unique<ProgramFixture>();
}

void SheetWindowsTest::cleanup()
{
    program_.reset();
}

void SheetWindowsTest::windows_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<WindowId>("id");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QPoint>("position"); // (-1, -1): chosen by the system
    QTest::addColumn<QSize>("picture");   // the background picture; empty for Easyrun
    const QPoint system(-1, -1);
    QTest::newRow("Easyrun") << "Easy" << WindowId::Easyrun << "Easyrun"
                             << "Easy run menu" << QSize(647, 319) << system << QSize(0, 0);
    QTest::newRow("Dat") << "dati" << WindowId::Dat << "Dat"
                         << "Passive fixtures data" << QSize(702, 545) << system << QSize(702, 545);
    QTest::newRow("Dat from ORVO 36")
        << "dati36" << WindowId::Dat << "Dat"
        << "Passive fixtures data" << QSize(702, 545) << system << QSize(702, 545);
    QTest::newRow("Dat2") << "dati2" << WindowId::Dat2 << "Dat2"
                          << "Intelligent RGB fixtures data" << QSize(464, 214) << system
                          << QSize(466, 216);
    QTest::newRow("Dat3") << "dati3" << WindowId::Dat3 << "Dat3"
                          << "DOR Intelligent fixtures data " << QSize(464, 219) << QPoint(374, 209)
                          << QSize(466, 221);
    QTest::newRow("Dat4") << "AT" << WindowId::Dat4 << "Dat4"
                          << "Atmospehre tunes" << QSize(353, 204) << QPoint(522, 246)
                          << QSize(354, 205);
}

void SheetWindowsTest::windows()
{
    QFETCH(QString, menuItem);
    QFETCH(WindowId, id);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QSize, client);
    QFETCH(QPoint, position);
    QFETCH(QSize, picture);
    QWidget* w = program_->open(menuItem, id);
    QCOMPARE(w->objectName(), name);
    QCOMPARE(w->windowTitle(), caption);
    QCOMPARE(w->size(), client);
    if (position != QPoint(-1, -1))
        QCOMPARE(w->geometry().topLeft(), position);
    // Sizable, with the usual minimize and maximize buttons, and the program's icon.
    QVERIFY(!(w->windowFlags() & Qt::CustomizeWindowHint));
    QCOMPARE(w->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    QVERIFY(!w->windowIcon().isNull());
    QCOMPARE(ui::background(w), ui::toQColor(ui::kButtonFace, w->palette()));
    QCOMPARE(backgroundPicture(w).size(), picture);
    if (!picture.isEmpty())
        checkNaturalSize(w, backgroundPicture(w));
}

void SheetWindowsTest::bothDataCommandsShowOneWindow()
{
    QWidget* first = program_->open("dati", WindowId::Dat);
    program_->open("dati2", WindowId::Dat2);
    QWidget* second = program_->open("dati36", WindowId::Dat);
    QCOMPARE(second, first);
    int open = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        open += w->isVisible() && w->windowTitle() == "Passive fixtures data";
    QCOMPARE(open, 1);
}

void SheetWindowsTest::resizedSheets_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<WindowId>("id");
    QTest::newRow("Dat") << "dati" << WindowId::Dat;
    QTest::newRow("Dat2") << "dati2" << WindowId::Dat2;
    QTest::newRow("Dat3") << "dati3" << WindowId::Dat3;
    QTest::newRow("Dat4") << "AT" << WindowId::Dat4;
}

// Enlarged, maximised or shrunk, a sheet keeps its picture at its size in the top-left corner.
void SheetWindowsTest::resizedSheets()
{
    QFETCH(QString, menuItem);
    QFETCH(WindowId, id);
    QWidget* w = program_->open(menuItem, id);
    const QImage picture = backgroundPicture(w);

    w->resize(picture.size() + QSize(40, 30));
    checkNaturalSize(w, picture);
    w->resize(picture.size() / 2);
    checkNaturalSize(w, picture);
    w->showMaximized();
    QTRY_VERIFY(w->windowState() & Qt::WindowMaximized);
    QTRY_VERIFY(w->width() > picture.width() && w->height() > picture.height());
    checkNaturalSize(w, picture);
}

// The show list and, to its lower right, the speed table, each in a borderless picture box.
void SheetWindowsTest::easyrun()
{
    QWidget* w = program_->open("Easy", WindowId::Easyrun);
    auto* shows = child<ui::PictureBox>(w, "Picture1");
    auto* speeds = child<ui::PictureBox>(w, "Picture2");
    QCOMPARE(shows->geometry(), QRect(8, 8, 361, 305));
    QCOMPARE(speeds->geometry(), QRect(384, 168, 257, 145));
    const QImage showList(QStringLiteral(":/sheets/showlist.jpg"));
    const QImage speedTable(QStringLiteral(":/sheets/speeds.png"));
    QCOMPARE(showList.size(), QSize(725, 599));
    QCOMPARE(speedTable.size(), QSize(257, 143));
    // A box keeps only what it can show: the white rest of the show list is never drawn.
    QCOMPARE(shows->picture().size(), QSize(361, 305));
    QCOMPARE(speeds->picture().size(), QSize(257, 143));
    QCOMPARE(ui::background(speeds), ui::toQColor(ui::kActiveBorder, speeds->palette()));

    checkNaturalSize(shows, pictureOf(showList));
    checkNaturalSize(speeds, pictureOf(speedTable));
    // The boxes keep their places when the window grows.
    w->resize(900, 600);
    QCOMPARE(speeds->geometry(), QRect(384, 168, 257, 145));
    QCOMPARE(shown(w).pixel(384 + 5, 168 + 5), pictureOf(speeds->picture()).pixel(5, 5));
}

void SheetWindowsTest::picturesLetGoOnceShown_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<WindowId>("id");
    QTest::addColumn<QString>("box"); // empty: the window's background
    QTest::addColumn<QString>("resource");
    QTest::newRow("Dat") << "dati" << WindowId::Dat << ""
                         << ":/sheets/dat.png";
    QTest::newRow("Dat2") << "dati2" << WindowId::Dat2 << ""
                          << ":/sheets/dat2.png";
    QTest::newRow("Dat3") << "dati3" << WindowId::Dat3 << ""
                          << ":/sheets/dat3.png";
    QTest::newRow("Dat4") << "AT" << WindowId::Dat4 << ""
                          << ":/sheets/dat4.png";
    QTest::newRow("speeds") << "Easy" << WindowId::Easyrun << "Picture2"
                            << ":/sheets/speeds.png";
    QTest::newRow("show list") << "Easy" << WindowId::Easyrun << "Picture1"
                               << ":/sheets/showlist.jpg";
}

// A window that stays open holds no picture once it has painted; it paints the same pixels again
// whenever it must, and taking the focus (the tables are read cell by cell) repaints nothing.
// (Whether paints close together share one reading depends on the clock: not tested here.)
void SheetWindowsTest::picturesLetGoOnceShown()
{
    QFETCH(QString, menuItem);
    QFETCH(WindowId, id);
    QFETCH(QString, box);
    QFETCH(QString, resource);
    QWidget* w = program_->open(menuItem, id);
    auto* sheet = qobject_cast<sheets::SheetWindow*>(w);
    auto* pictureBox = box.isEmpty() ? nullptr : child<ui::PictureBox>(w, box);
    QWidget* painter = pictureBox ? static_cast<QWidget*>(pictureBox) : w;
    const auto held = [&] {
        return pictureBox ? pictureBox->holdsPicture() : sheet->holdsPicture();
    };
    const QImage whole = pictureOf(QImage(resource));
    const QImage file = whole.copy(QRect(QPoint(), painter->size()) & whole.rect());
    painter->clearFocus();
    QTRY_VERIFY(!held());

    PaintCounter paints(painter);
    painter->setFocus();
    QTRY_VERIFY(painter->hasFocus());
    QCoreApplication::processEvents();
    QCOMPARE(paints.count(), 0);
    QVERIFY(!held());

    painter->repaint();
    checkNaturalSize(painter, file);
    QTRY_VERIFY(!held());
}

VELANTRA_TEST_MAIN(SheetWindowsTest)
#include "tst_sheetwindows.moc"

void SheetWindowsTest::tablesAreReadable_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<WindowId>("id");
    QTest::addColumn<QString>("host"); // the picture box that draws the table; empty: the window
    QTest::addColumn<QString>("cell"); // row 1, column 1 with its header
    QTest::newRow("speeds") << "Easy" << WindowId::Easyrun << "Picture2"
                            << "Dip 2 1: 1";
    QTest::newRow("Dat") << "dati" << WindowId::Dat << ""
                         << "N. led: 3";
    QTest::newRow("Dat2") << "dati2" << WindowId::Dat2 << ""
                          << "";
    QTest::newRow("Dat3") << "dati3" << WindowId::Dat3 << ""
                          << "";
    QTest::newRow("Dat4") << "AT" << WindowId::Dat4 << ""
                          << "";
}

// A table picture is a table to assistive technology: every cell where the picture draws it,
// between grid lines, with its column's header; arrows move the cell read out; Ctrl+C copies
// the table as tab-separated lines.
void SheetWindowsTest::tablesAreReadable()
{
    QFETCH(QString, menuItem);
    QFETCH(WindowId, id);
    QFETCH(QString, host);
    QFETCH(QString, cell);
    QWidget* w = program_->open(menuItem, id);
    QWidget* drawn = host.isEmpty() ? w : child(w, host);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(drawn);
    face = face->child(face->childCount() - 1); // the table, after the host's own children
    QAccessibleTableInterface* table = face->tableInterface();
    QVERIFY(table);
    QVERIFY(table->rowCount() > 2 && table->columnCount() > 2);
    const QImage picture = shown(drawn);
    const auto isGridLine = [&](QPoint at) { return picture.pixel(at) == qRgb(0, 0, 0); };
    QStringList lines;
    for (int r = 0; r < table->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c) {
            QAccessibleInterface* at = table->cellAt(r, c);
            const QRect rect = at->rect().translated(-drawn->mapToGlobal(QPoint()));
            const int middle = rect.center().y();
            QVERIFY2(isGridLine({rect.left() - 1, middle}) &&
                         isGridLine({rect.right() + 1, middle}) &&
                         isGridLine({rect.center().x(), rect.bottom() + 1}),
                     qPrintable(QStringLiteral("cell %1, %2").arg(r).arg(c)));
            QVERIFY(!isGridLine(rect.center()) || at->text(QAccessible::Name).size() > 0);
            cells << at->text(QAccessible::Name);
        }
        lines << cells.join(u'\t');
    }
    if (!cell.isEmpty()) {
        QAccessibleInterface* at = table->cellAt(1, 1);
        QCOMPARE(table->columnDescription(1) + ": " + at->text(QAccessible::Name), cell);
    }
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    drawn->setFocus();
    QTest::keyClick(drawn, Qt::Key_Down);
    QTest::keyClick(drawn, Qt::Key_Right);
    QCOMPARE(face->focusChild(), table->cellAt(1, 1));
    QTest::keyClick(drawn, Qt::Key_C, Qt::ControlModifier);
    QStringList headers;
    for (int c = 0; c < table->columnCount(); ++c)
        headers << table->columnDescription(c);
    const QString copied = QApplication::clipboard()->text();
    QVERIFY(copied.contains(headers.join(u'\t') + u'\n' + lines.join(u'\n') + u'\n'));
}
