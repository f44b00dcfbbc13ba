// `velantra card`: the program run as a script runs it, a card written or a setting refused.
#include "cards/cardreader.h"
#include "tests/cards/cardfiles.h"

#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace velantra;
using namespace velantra::cards;
using namespace velantra::test;

class CardCommandTest : public QObject
{
    Q_OBJECT
private slots:
    void refusedSettingWritesNothing_data();
    void refusedSettingWritesNothing();
    void cardInEachFormat();
    void failedWriteIsReported_data();
    void failedWriteIsReported();
    void helpListsTheCommand();
};

namespace
{

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run program(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY")); // a card needs no display
    static const QTemporaryDir runtime;
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VELANTRA_EXECUTABLE), arguments);
    process.waitForFinished(-1);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

void CardCommandTest::refusedSettingWritesNothing_data()
{
    QTest::addColumn<QString>("arguments"); // FILE: a file in an empty folder
    QTest::addColumn<QString>("error");

    QTest::newRow("channels of another device") << "card orvo36 --channels 6 --out FILE.pdf"
                                                << "The ORVO 36 has no channel count choice.";
    QTest::newRow("address out of range") << "card orvo75 --address 512 --out FILE.pdf"
                                          << "DMX address 512 is out of range: 1 to 511.";
    QTest::newRow("master with a terminator")
        << "card fluo --master --terminator --out FILE.png"
        << "The 120 ohm terminator is a DMX-mode choice, not a master one.";
    QTest::newRow("speed in DMX mode") << "card intell --speed 2 --out FILE.txt"
                                       << "The speed is a master-mode choice.";
    QTest::newRow("tune out of range") << "card dor --master --tune 10 --out FILE.pdf"
                                       << "Tune 10 is out of range: 0 to 9.";
    QTest::newRow("unknown device") << "card orvo99 --out FILE.pdf"
                                    << "unknown device 'orvo99'";
    QTest::newRow("not a number") << "card orvo75 --address ten --out FILE.pdf"
                                  << "--address takes a whole number, not 'ten'";
    QTest::newRow("unknown format") << "card orvo75 --out FILE.doc"
                                    << "the file name must end in .pdf, .png or .txt";
    QTest::newRow("no file") << "card orvo75"
                             << "--out FILE.pdf|.png|.txt is required";
}

void CardCommandTest::refusedSettingWritesNothing()
{
    QFETCH(QString, arguments);
    QFETCH(QString, error);
    QTemporaryDir dir;
    const QStringList args = arguments.replace(u"FILE"_qs, dir.filePath(u"card"_qs)).split(u' ');
    const Run run = program(args);
    QCOMPARE(run.status, 2);
    QVERIFY2(run.err.startsWith(u"velantra card: "_qs) && run.err.contains(error),
             qPrintable(run.err));
    QCOMPARE(run.err.count(u'\n'), 1);
    QCOMPARE(filesIn(dir.path()), QStringList());
}

void CardCommandTest::cardInEachFormat()
{
    QTemporaryDir dir;
    const QStringList setting{u"card"_qs,        u"orvo75"_qs, u"--address"_qs,    u"300"_qs,
                              u"--channels"_qs,  u"6"_qs,      u"--terminator"_qs, u"--label"_qs,
                              u"Bar 3, left"_qs, u"--out"_qs};
    for (const char* name : {"card.txt", "card.pdf", "card.png"}) {
        const Run run = program(setting + QStringList{dir.filePath(QLatin1String(name))});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err, QString());
    }
    QCOMPARE(filesIn(dir.path()), (QStringList{"card.pdf", "card.png", "card.txt"}));

    DeviceSetting s;
    s.address = 300;
    s.channels = 6;
    s.terminator = true;
    QFile text(dir.filePath(u"card.txt"_qs));
    QVERIFY(text.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(text.readAll()),
             QString::fromStdString(cardText(cardFor(s, u"Bar 3, left"_qs))));
    const QImage png(dir.filePath(u"card.png"_qs));
    QVERIFY(png.width() > 1000 && png.height() > 500);
    if (const std::optional<QString> pdf = pdfText(dir.filePath(u"card.pdf"_qs))) {
        QVERIFY2(pdf->contains(u"DMX address: 300"), qPrintable(*pdf));
        QVERIFY2(pdf->contains(u"Levers ON: 3, 4, 6, 9, 11"), qPrintable(*pdf));
        QVERIFY2(pdf->contains(u"Levers ON: 1"), qPrintable(*pdf));
    }
}

void CardCommandTest::failedWriteIsReported_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("full disk") << "/dev/full";
    QTest::newRow("folder that cannot be written") << "/proc/card.txt";
}

void CardCommandTest::failedWriteIsReported()
{
    QFETCH(QString, file);
    // The card's name links to the full device.
    QTemporaryDir dir;
    const QString link = dir.filePath(u"card.pdf"_qs);
    if (file == u"/dev/full")
        QVERIFY(QFile::link(file, link));
    const QString out = file == u"/dev/full" ? link : file;
    const Run run = program({u"card"_qs, u"dor"_qs, u"--out"_qs, out});
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.startsWith(u"velantra card: Could not save "_qs + out), qPrintable(run.err));
    QCOMPARE(run.err.count(u'\n'), 1);
    QVERIFY(!QFileInfo(u"/dev/full"_qs).isFile());
}

void CardCommandTest::helpListsTheCommand()
{
    const Run run = program({u"--help"_qs});
    QCOMPARE(run.status, 0);
    QVERIFY2(run.out.contains(u"\n  card  Writes a device's setting card"), qPrintable(run.out));
    const Run card = program({u"card"_qs, u"--help"_qs});
    QCOMPARE(card.status, 0);
    for (const char* option : {"--address", "--master", "--channels", "--terminator",
                               "--pushbutton", "--speed", "--show", "--tune", "--label", "--out"})
        QVERIFY2(card.out.contains(QLatin1String(option)), option);
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    CardCommandTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_cardcommand.moc"
