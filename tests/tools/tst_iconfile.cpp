// The committed Windows icon holds the same pictures as the committed PNG icons, as a Windows
// icon reader sees them: every size, top row at the top, colours and transparency intact.
#include <QImage>
#include <QImageReader>
#include <QTest>

class IconFileTest : public QObject
{
    Q_OBJECT
private slots:
    void everySizeAsDrawn_data();
    void everySizeAsDrawn();
};

void IconFileTest::everySizeAsDrawn_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("size");
    QTest::newRow("16") << 0 << 16;
    QTest::newRow("32") << 1 << 32;
    QTest::newRow("48") << 2 << 48;
    QTest::newRow("256") << 3 << 256;
}

void IconFileTest::everySizeAsDrawn()
{
    QFETCH(int, index);
    QFETCH(int, size);
    QImageReader reader(QStringLiteral(VELANTRA_SOURCE_DIR "/resources/icons/velantra.ico"));
    QCOMPARE(reader.imageCount(), 4);
    QVERIFY(reader.jumpToImage(index));
    const QImage fromIco = reader.read().convertToFormat(QImage::Format_ARGB32);
    const QImage drawn =
        QImage(QStringLiteral(VELANTRA_SOURCE_DIR "/resources/icons/velantra-%1.png").arg(size))
            .convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(fromIco.size(), QSize(size, size));
    QCOMPARE(fromIco, drawn);
}

QTEST_GUILESS_MAIN(IconFileTest)
#include "tst_iconfile.moc"
