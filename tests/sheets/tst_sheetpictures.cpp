// The sheet pictures compiled into the program: their sizes and formats, their grid lines, cells,
// marks and colour bars, and that they are what the generator draws from the tables today.
#include "resources/tablerenderer.h"
#include "tests/support/guitest.h"
#include "ui/qstr.h"

#include <QBuffer>
#include <QFile>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QTest>
#include <vector>

using namespace velantra::sheets;
using velantra::qstr;

namespace
{

QImage load(const PictureFile& file)
{
    return QImage(qstr(file.resource)).convertToFormat(QImage::Format_RGB32);
}

bool isBlack(QRgb pixel)
{
    return qRed(pixel) < 64 && qGreen(pixel) < 64 && qBlue(pixel) < 64;
}

// Whether any pixel inside the rectangle is dark: text, a mark or a line.
bool hasInk(const QImage& image, const QRect& area)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 128)
                return true;
        }
    }
    return false;
}

bool near(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

// Grid lines of a table, worked out from its sizes: x of every vertical line, and the top line of
// every data row followed by the closing line.
std::vector<int> verticalLines(const SheetTable& table)
{
    std::vector<int> lines{0};
    for (int width : table.columnWidths)
        lines.push_back(lines.back() + width + 1);
    return lines;
}

std::vector<int> rowLines(const SheetTable& table)
{
    std::vector<int> lines;
    const int rows = int(table.rows.size());
    for (int r = 0; r <= rows; ++r)
        lines.push_back(tableHeight(table) - 1 - (rows - r) * (table.rowHeight + 1));
    return lines;
}

} // namespace

Q_DECLARE_METATYPE(const SheetTable*)

class SheetPicturesTest : public QObject
{
    Q_OBJECT
private slots:
    void sizesAndFormats_data();
    void sizesAndFormats();
    void tables_data();
    void tables();
    void tuneMarks();
    void showList();
    void picturesAreUpToDate();
};

void SheetPicturesTest::sizesAndFormats_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");
    QTest::newRow("show list") << ":/sheets/showlist.jpg" << QByteArray("jpeg") << QSize(725, 599);
    QTest::newRow("speeds") << ":/sheets/speeds.png" << QByteArray("png") << QSize(257, 143);
    QTest::newRow("Dat") << ":/sheets/dat.png" << QByteArray("png") << QSize(702, 545);
    QTest::newRow("Dat2") << ":/sheets/dat2.png" << QByteArray("png") << QSize(466, 216);
    QTest::newRow("Dat3") << ":/sheets/dat3.png" << QByteArray("png") << QSize(466, 221);
    QTest::newRow("Dat4") << ":/sheets/dat4.png" << QByteArray("png") << QSize(354, 205);
}

void SheetPicturesTest::sizesAndFormats()
{
    QFETCH(QString, resource);
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);
    QImageReader reader(resource);
    QCOMPARE(reader.format(), format);
    QCOMPARE(reader.size(), size);
    QFile file(resource);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray head = file.read(32);
    if (format == "png") {
        // Header chunk: 8 bits per sample, colour type 2 (RGB without alpha): 24-bit pixels.
        QCOMPARE(head.mid(12, 4), QByteArray("IHDR"));
        QCOMPARE(int(head[24]), 8);
        QCOMPARE(int(head[25]), 2);
    } else {
        QVERIFY(!QImage(resource).hasAlphaChannel());
        QVERIFY(QImage(resource).allGray() == false);
    }
}

void SheetPicturesTest::tables_data()
{
    QTest::addColumn<const SheetTable*>("table");
    for (const SheetTable* table : velantra::sheets::tables())
        QTest::newRow(table->picture.resource.data()) << table;
}

// Every data cell is framed by black lines, light grey at its edges, and holds ink exactly when
// it has a value; beyond the table the picture is white.
void SheetPicturesTest::tables()
{
    QFETCH(const SheetTable*, table);
    const QImage image = load(table->picture);
    const std::vector<int> xs = verticalLines(*table);
    const std::vector<int> ys = rowLines(*table);
    QCOMPARE(xs.back(), tableWidth(*table) - 1);

    for (std::size_t r = 0; r < table->rows.size(); ++r) {
        const int top = ys[r], bottom = ys[r + 1], middle = (top + bottom) / 2;
        for (std::size_t c = 0; c < xs.size(); ++c)
            QVERIFY2(isBlack(image.pixel(xs[c], middle)), qPrintable(QString::number(xs[c])));
        for (std::size_t c = 0; c + 1 < xs.size(); ++c) {
            QVERIFY(isBlack(image.pixel(xs[c] + 2, top)));
            QVERIFY(isBlack(image.pixel(xs[c] + 2, bottom)));
            QCOMPARE(image.pixel(xs[c] + 1, middle), kCellGrey);
        }
        for (std::size_t i = 0; i < table->columns.size(); ++i) {
            const Column& column = table->columns[i];
            if (column.fill != Fill::Text)
                continue;
            const auto first = std::size_t(column.first);
            const QRect inside(QPoint(xs[first] + 1, top + 1),
                               QPoint(xs[first + 1] - 1, bottom - 1));
            const QString where = QStringLiteral("row %1 column %2").arg(r).arg(i);
            QVERIFY2(hasInk(image, inside) == !table->rows[r][i].empty(), qPrintable(where));
        }
    }
    if (tableWidth(*table) < image.width())
        QCOMPARE(image.pixel(tableWidth(*table), ys.front() + 3), qRgb(255, 255, 255));
    if (tableHeight(*table) < image.height())
        QCOMPARE(image.pixel(5, tableHeight(*table)), qRgb(255, 255, 255));
}

// A stroke in the lever column that is ON, in no other; none at all for CCT0.
void SheetPicturesTest::tuneMarks()
{
    const SheetTable& table = velantra::sheets::tunes();
    const QImage image = load(table.picture);
    const std::vector<int> xs = verticalLines(table);
    const std::vector<int> ys = rowLines(table);
    for (int step = 0; step <= 9; ++step) {
        QString marked;
        for (int lever = 1; lever <= 9; ++lever) {
            const auto c = std::size_t(lever + 1);
            const QRect inside(QPoint(xs[c] + 1, ys[std::size_t(step)] + 1),
                               QPoint(xs[c + 1] - 1, ys[std::size_t(step) + 1] - 1));
            if (hasInk(image, inside))
                marked += QString::number(lever);
        }
        QCOMPARE(marked, step ? QString::number(step) : QString());
    }
}

// The dark band, each colour pure where its name stands (sampled above the name), white beyond
// the table.
void SheetPicturesTest::showList()
{
    const ShowList& list = velantra::sheets::showList();
    const QImage image = load(list.picture);
    QVERIFY(near(image.pixel(list.tableWidth - 20, list.rowHeight / 2), kBandDark, 24));

    int top = list.rowHeight;
    for (const ShowBar& bar : list.bars) {
        int count = 0;
        while (count < 4 && !bar.colours[std::size_t(count)].empty())
            ++count;
        const int barWidth = list.tableWidth - list.numberWidth;
        for (int k = 0; k < count; ++k) {
            const int x = list.numberWidth + int((k + 0.5) / count * barWidth);
            const QRgb expected = 0xFF000000u | colourNamed(bar.colours[std::size_t(k)]);
            const QRgb seen = image.pixel(x, top + 3);
            QVERIFY2(near(seen, expected, 40), qPrintable(QStringLiteral("show %1 colour %2: %3")
                                                              .arg(qstr(bar.show))
                                                              .arg(k)
                                                              .arg(seen, 8, 16)));
        }
        QVERIFY(hasInk(image, QRect(0, top, list.numberWidth, list.rowHeight)));
        top += list.rowHeight;
    }
    QCOMPARE(top, list.tableHeight);
    for (int y = 0; y < image.height(); y += 13) {
        for (int x = 0; x < image.width(); x += 13) {
            if (x < list.tableWidth + 8 && y < list.tableHeight + 8)
                continue; // the table, and the JPEG blocks it touches
            QVERIFY2(near(image.pixel(x, y), qRgb(255, 255, 255), 6),
                     qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }
    }
}

// The committed pictures are the generator's output for today's tables. Text depends on the
// font files, so this holds where the pictures are generated: with Liberation Sans installed.
void SheetPicturesTest::picturesAreUpToDate()
{
    QFont font(QStringLiteral("Liberation Sans"));
    if (QFontInfo(font).family() != QStringLiteral("Liberation Sans"))
        QSKIP("Liberation Sans is not installed");
    for (const RenderedPicture& picture : renderAll()) {
        QImage drawn = picture.image;
        if (picture.file->format == "JPEG") {
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            drawn.save(&buffer, "JPEG", 95);
            drawn = QImage::fromData(buffer.data(), "JPEG");
        }
        drawn = drawn.convertToFormat(QImage::Format_RGB32);
        const QImage committed = load(*picture.file);
        QCOMPARE(committed.size(), drawn.size());
        int differing = 0;
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x)
                differing += !near(drawn.pixel(x, y), committed.pixel(x, y), 2);
        }
        QVERIFY2(differing == 0,
                 qPrintable(QStringLiteral("%1: %2 pixels differ; run make resources")
                                .arg(qstr(picture.file->resource))
                                .arg(differing)));
    }
}

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    velantra::test::hintAsOnDebian();
    SheetPicturesTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_sheetpictures.moc"
