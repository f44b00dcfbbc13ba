// A picture kept in fewer bytes has the same pixels: indices where it has at most 256 colours,
// 24-bit pixels beyond that, and anything but opaque 32-bit pixels left alone.
#include "ui/keptpicture.h"

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
