// A picture kept in fewer bytes has the same pixels: indices where it has at most 256 colours,
// 24-bit pixels beyond that, and anything but opaque 32-bit pixels left alone.
#include "ui/keptpicture.h"

#include <QPainter>
#include <QTest>

using namespace velantra;

namespace
{

// A picture of `colours` different greys and blues, each in a run of three pixels.
QImage picture(int colours, QImage::Format format)
{
    QImage image(97, 31, format);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int n = (y * image.width() + x) / 3 % colours;
            image.setPixel(x, y, qRgb(n % 256, n % 256, n / 256 * 40));
        }
    }
    return image;
}

} // namespace

class KeptPictureTest : public QObject
{
    Q_OBJECT
private slots:
    void compacted_data();
    void compacted();
    void topByteIgnored();
};

void KeptPictureTest::compacted_data()
{
    QTest::addColumn<int>("colours");
    QTest::addColumn<QImage::Format>("format");
    QTest::addColumn<QImage::Format>("kept");
    QTest::newRow("one colour") << 1 << QImage::Format_RGB32 << QImage::Format_Indexed8;
    QTest::newRow("256 colours") << 256 << QImage::Format_RGB32 << QImage::Format_Indexed8;
    QTest::newRow("257 colours") << 257 << QImage::Format_RGB32 << QImage::Format_RGB888;
    QTest::newRow("900 colours") << 900 << QImage::Format_RGB32 << QImage::Format_RGB888;
    QTest::newRow("with alpha") << 12 << QImage::Format_ARGB32 << QImage::Format_ARGB32;
}

// A 32-bit RGB picture whose unused top byte holds anything (as raw data may) is the same
// picture: every pixel drawn opaque, in its colour.
void KeptPictureTest::topByteIgnored()
{
    QImage original = picture(40, QImage::Format_RGB32);
    for (int y = 0; y < original.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(original.scanLine(y));
        for (int x = 0; x < original.width(); ++x)
            line[x] = (line[x] & 0x00ffffffu) | (quint32(x * 7 + y) << 24);
    }
    const QImage small = ui::compacted(original);
    QCOMPARE(small.format(), QImage::Format_Indexed8);
    QCOMPARE(small.colorCount(), 40);
    QVERIFY(!small.hasAlphaChannel());
    QImage drawn(original.size(), QImage::Format_RGB32);
    drawn.fill(Qt::red);
    QPainter(&drawn).drawImage(0, 0, small);
    QCOMPARE(drawn, original);
}

void KeptPictureTest::compacted()
{
    QFETCH(int, colours);
    QFETCH(QImage::Format, format);
    QFETCH(QImage::Format, kept);
    const QImage original = picture(colours, format);
    const QImage small = ui::compacted(original);
    QCOMPARE(small.format(), kept);
    QCOMPARE(small.convertToFormat(format), original);
}

QTEST_GUILESS_MAIN(KeptPictureTest)
#include "tst_keptpicture.moc"
