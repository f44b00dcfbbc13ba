// Paper for the job: the card of another maker's fixture drawn from its lever scheme, the block
// every card states, the levers of a plan's cards read back from the cards' own text, and the
// card sheets and patch sheet on A4 and Letter.
#include "cards/cardwriter.h"
#include "cards/paperoutput.h"
#include "cards/schemecard.h"
#include "dip/leverreading.h"
#include "levers/leverlist.h"
#include "plan/plancards.h"
#include "plan/rigplan.h"
#include "tests/support/guitest.h"

#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace velantra;
using cards::SchemeCardData;
using cards::SettingCard;

Q_DECLARE_METATYPE(velantra::cards::SchemeCardData)

namespace
{

QStringList linesOf(const SettingCard& card)
{
    QStringList lines;
    for (const std::string& line : cards::cardLines(card))
        lines << QString::fromStdString(line);
    return lines;
}

// The levers ON a card's text gives for a bank: "12-lever bank, Levers ON: 3, 4, 6".
std::uint32_t leversOnLine(const QStringList& lines, const QString& bank, int size)
{
    const QString start = bank + QStringLiteral(", Levers ON: ");
    for (const QString& line : lines) {
        if (line.startsWith(start))
            return levers::parseLeverList(line.mid(start.size()), size).on;
    }
    return 0;
}

const LeverScheme kTenDown{.levers = 10,
                           .lowestLever = 9,
                           .onUp = false,
                           .addressMinusOne = true,
                           .named = {{10, "stand-alone"}}};
const LeverScheme kNine{.levers = 9, .onUp = false};
const LeverScheme kTwelve{.levers = 12, .named = {{10, "blackout"}, {12, "sound"}}};

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int pages(const QByteArray& pdf)
{
    return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r"));
}

} // namespace

class PaperTest : public QObject
{
    Q_OBJECT

private slots:
    void schemeCardReadsBack_data();
    void schemeCardReadsBack();
    void schemeCardRefused_data();
    void schemeCardRefused();
    void planCardsReadBackFromTheirText();
    void sheetsOnA4AndLetter_data();
    void sheetsOnA4AndLetter();
    void paperChosenInTheFileDialog_data();
    void paperChosenInTheFileDialog();
};

void PaperTest::schemeCardReadsBack_data()
{
    QTest::addColumn<SchemeCardData>("data");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("ten levers, ON down, address - 1, stand-alone")
        << SchemeCardData{.fixture = "Lumetta Wash 7",
                          .scheme = kTenDown,
                          .address = 259,
                          .channels = 7,
                          .functionLeversOn = {10},
                          .label = "Truss 2",
                          .date = "2026-12-10",
                          .origin = "Plan: rig.json, row 4"}
        << QStringList{"Lumetta Wash 7",
                       "Label: Truss 2",
                       "Plan: rig.json, row 4",
                       "Date: 2026-12-10",
                       "Mode: DMX",
                       "DMX address: 259",
                       "Channels: 7, block 259\u2013265",
                       "Options: stand-alone",
                       "10-lever bank, Levers ON: 1, 8, 10"};
    QTest::newRow("nine levers, 511, past 512")
        << SchemeCardData{.fixture = "Kordel Dim 4",
                          .scheme = kNine,
                          .address = 511,
                          .channels = 4,
                          .date = "2026-12-10"}
        << QStringList{"Kordel Dim 4",
                       "Label:",
                       "Date: 2026-12-10",
                       "Mode: DMX",
                       "DMX address: 511",
                       "Channels: 4, block 511\u2013514",
                       "Warning: the block runs past 512, to 514",
                       "Options: none",
                       "9-lever bank, Levers ON: 1, 2, 3, 4, 5, 6, 7, 8, 9"};
    QTest::newRow("twelve levers, two functions, no count")
        << SchemeCardData{.fixture = "Pixbar 12",
                          .scheme = kTwelve,
                          .address = 6,
                          .functionLeversOn = {12, 10},
                          .date = "2026-12-10"}
        << QStringList{"Pixbar 12",
                       "Label:",
                       "Date: 2026-12-10",
                       "Mode: DMX",
                       "DMX address: 6",
                       "Options: blackout, sound",
                       "12-lever bank, Levers ON: 2, 3, 10, 12"};
}

// The card's text says the levers; read back, they give the card's address and options.
void PaperTest::schemeCardReadsBack()
{
    QFETCH(SchemeCardData, data);
    QVERIFY(!cards::schemeCardProblem(data));
    const SettingCard card = cards::schemeCard(data);
    const QStringList lines = linesOf(card);
    QTEST(lines, "lines");
    const QString bank = QStringLiteral("%1-lever bank").arg(data.scheme.levers);
    const SchemeReading reading =
        readSchemeLevers(data.scheme, leversOnLine(lines, bank, data.scheme.levers));
    QVERIFY(reading.problems.empty());
    QCOMPARE(reading.address, data.address);
    QCOMPARE(reading.options, card.options);
    QCOMPARE(card.banks.front().onIsUpper, data.scheme.onUp);
    // Drawn, the card is as tall as its lines and its bank.
    QVERIFY(cards::cardImage(card).height() > 300);
}

void PaperTest::schemeCardRefused_data()
{
    QTest::addColumn<SchemeCardData>("data");
    QTest::addColumn<QString>("problem");
    QTest::newRow("eight levers cannot hold 256")
        << SchemeCardData{.fixture = "Old", .scheme = {.levers = 8}, .address = 256}
        << "DMX address 256 is beyond what the levers hold: 1 to 255";
    QTest::newRow("address 0") << SchemeCardData{.fixture = "X", .scheme = kNine, .address = 0}
                               << "DMX address 0 is beyond what the levers hold: 1 to 511";
    QTest::newRow("an unnamed lever ON")
        << SchemeCardData{.fixture = "X", .scheme = kTwelve, .functionLeversOn = {11}}
        << "lever 11 is no named function lever";
    QTest::newRow("a scheme that cannot be")
        << SchemeCardData{.fixture = "X", .scheme = {.levers = 7}} << "a bank has 8 to 12 levers";
}

void PaperTest::schemeCardRefused()
{
    QFETCH(SchemeCardData, data);
    QTEST(QString::fromStdString(cards::schemeCardProblem(data).value_or("")), "problem");
}

// Every card of a plan, its levers read from its text lines, reads back as its row's address
// and options: our devices through the engine's reading, a fixture type through its scheme.
void PaperTest::planCardsReadBackFromTheirText()
{
    plan::RigPlan rig;
    rig.types.push_back({.name = "Lumetta Wash 7", .channels = 7, .levers = kTenDown});
    rig.types.push_back({.name = "Kordel Dim 4", .channels = 4, .levers = kNine});
    const auto add = [&](DeviceSetting setting, std::optional<int> count) {
        plan::PlanRow row = plan::newRow(setting.device);
        row.setting = setting;
        row.typedChannels = count;
        rig.rows.push_back(row);
    };
    const auto addType = [&](int type, int address, int universe) {
        plan::PlanRow row = plan::newTypeRow(type);
        row.setting.address = address;
        row.universe = universe;
        rig.rows.push_back(row);
    };
    add({.device = Device::Orvo75, .address = 300, .channels = 6, .terminator = true}, {});
    add({.device = Device::Orvo36, .address = 37, .terminator = true}, 8);
    add({.device = Device::Fluo, .address = 509, .modulation = true}, 4);
    add({.device = Device::Intell, .address = 256}, 9);
    add({.device = Device::Dor, .master = true, .tune = 7}, {});
    add({.device = Device::Orvo75, .master = true, .pushbutton = true, .speed = 2, .show = 9}, {});
    addType(0, 259, 2);
    addType(1, 511, 3);
    QString error;
    const auto made = plan::planCards(rig, QStringLiteral("rig.json"), &error);
    QVERIFY2(made, qPrintable(error));
    for (std::size_t i = 0; i < rig.rows.size(); ++i) {
        const plan::PlanRow& row = rig.rows[i];
        const QStringList lines = linesOf((*made)[i]);
        QCOMPARE(lines.value(2), QStringLiteral("Plan: rig.json, row %1").arg(i + 1) +
                                     (row.setting.master && !row.fixtureType
                                          ? QString()
                                          : QStringLiteral(", universe %1").arg(row.universe)));
        QStringList options;
        for (const std::string& option : (*made)[i].options)
            options << QString::fromStdString(option);
        QStringList read;
        if (const plan::FixtureType* type = plan::typeOf(rig, row)) {
            const QString bank = QStringLiteral("%1-lever bank").arg(type->levers->levers);
            const SchemeReading reading =
                readSchemeLevers(*type->levers, leversOnLine(lines, bank, type->levers->levers));
            QVERIFY2(reading.problems.empty(), qPrintable(lines.join(u'|')));
            QCOMPARE(reading.address, row.setting.address);
            for (const std::string& option : reading.options)
                read << QString::fromStdString(option);
        } else {
            const dip::Levers levers{
                .twelve = std::uint16_t(leversOnLine(lines, QStringLiteral("12-lever bank"), 12)),
                .four = std::uint8_t(leversOnLine(lines, QStringLiteral("4-lever bank"), 4))};
            const dip::LeverReading reading = dip::readLevers(row.setting.device, levers);
            QVERIFY2(reading.problems.empty(), qPrintable(lines.join(u'|')));
            QCOMPARE(reading.setting.master, row.setting.master);
            if (!row.setting.master)
                QCOMPARE(reading.address, row.setting.address);
            for (const std::string& option : reading.options)
                read << QString::fromStdString(option);
        }
        // The options the card lists, as the reading names them.
        options.sort();
        read.sort();
        QCOMPARE(read, options);
    }
    // The FLUO at 509 with 4 channels ends on 512 exactly: no warning; the dimmer at 511 does.
    QVERIFY(linesOf((*made)[2]).contains(u"Channels: 4, block 509\u2013512"_qs));
    QVERIFY(!linesOf((*made)[2]).join(u'|').contains(u"Warning"_qs));
    QVERIFY(linesOf((*made)[7]).contains(u"Warning: the block runs past 512, to 514"_qs));
    // The patch sheet: universe by universe, the masters left out.
    const cards::PatchSheet sheet = plan::patchSheet(rig, QStringLiteral("rig.json"));
    QStringList sections;
    for (const cards::PatchSection& section : sheet.sections)
        sections << QString::fromStdString(section.heading) + u':' +
                        QString::number(section.rows.size());
    QCOMPARE(sections, (QStringList{"Universe 1:4", "Universe 2:1", "Universe 3:1"}));
    QVERIFY(sheet.sections.back().rows.front().pastLastChannel);
}

void PaperTest::sheetsOnA4AndLetter_data()
{
    QTest::addColumn<int>("cardCount");
    QTest::addColumn<bool>("letter");
    QTest::addColumn<int>("sheets");
    QTest::newRow("one card, A4") << 1 << false << 1;
    QTest::newRow("six cards, Letter") << 6 << true << 1;
    QTest::newRow("thirteen cards, A4") << 13 << false << 3;
}

void PaperTest::sheetsOnA4AndLetter()
{
    QFETCH(int, cardCount);
    QFETCH(bool, letter);
    QTemporaryDir dir;
    std::vector<SettingCard> made;
    cards::PatchSection section{.heading = "Universe 1", .rows = {}};
    for (int i = 0; i < cardCount; ++i) {
        made.push_back(cards::schemeCard(
            {.fixture = "Kordel Dim 4", .scheme = kNine, .address = 1 + 4 * i, .channels = 4}));
        section.rows.push_back({.start = std::to_string(1 + 4 * i),
                                .end = std::to_string(4 + 4 * i),
                                .label = "Dimmer " + std::to_string(i + 1),
                                .fixture = "Kordel Dim 4",
                                .mode = "DMX",
                                .channels = "4",
                                .leversOn = "1, 3"});
    }
    const QPageSize::PageSizeId paper = letter ? QPageSize::Letter : QPageSize::A4;
    const QByteArray media =
        letter ? "/MediaBox [0 0 612.000000 792.000000]" : "/MediaBox [0 0 595.000000 842.000000]";
    QString error;
    const QString sheetsPath = dir.filePath(QStringLiteral("cards.pdf"));
    QVERIFY2(cards::writeCardSheetsPdf(sheetsPath, made, paper, &error), qPrintable(error));
    const QByteArray sheets = fileBytes(sheetsPath);
    QTEST(pages(sheets), "sheets");
    QVERIFY(sheets.contains(media));
    const QString patchPath = dir.filePath(QStringLiteral("patch.pdf"));
    const cards::PatchSheet patch{
        .title = "Patch sheet", .date = "2026-12-10", .sections = {section}};
    QVERIFY2(cards::writePatchSheetPdf(patchPath, patch, paper, &error), qPrintable(error));
    const QByteArray sheet = fileBytes(patchPath);
    QCOMPARE(pages(sheet), 1);
    QVERIFY(sheet.contains(media));
}

void PaperTest::paperChosenInTheFileDialog_data()
{
    QTest::addColumn<QString>("filter"); // empty: the dialog is cancelled
    QTest::addColumn<QByteArray>("media");
    QTest::newRow("A4, as offered")
        << "PDF, A4 (*.pdf)" << QByteArray("[0 0 595.000000 842.000000]");
    QTest::newRow("Letter") << "PDF, Letter (*.pdf)" << QByteArray("[0 0 612.000000 792.000000]");
    QTest::newRow("cancelled") << "" << QByteArray();
}

// Save as PDF… as the user answers its dialog: the paper of the file type chosen, or nothing.
void PaperTest::paperChosenInTheFileDialog()
{
    QFETCH(QString, filter);
    QFETCH(QByteArray, media);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
    QWidget parent;
    QTimer::singleShot(0, &parent, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), "Save cards as PDF");
        QCOMPARE(dialog->nameFilters(), (QStringList{"PDF, A4 (*.pdf)", "PDF, Letter (*.pdf)"}));
        if (filter.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->selectNameFilter(filter);
        dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    const std::vector<SettingCard> made{cards::schemeCard({.fixture = "X", .scheme = kNine})};
    const bool saved = cards::savePdfWithDialog(
        &parent, {.caption = "Save cards as PDF", .title = "Cards", .failureTitle = "Rig plan"},
        [&made](QPagedPaintDevice& device) { cards::paintCardSheets(device, made); });
    QCOMPARE(saved, !filter.isEmpty());
    QCOMPARE(QFile::exists(path), saved);
    if (saved)
        QVERIFY(fileBytes(path).contains("/MediaBox " + media));
}

VELANTRA_TEST_MAIN(PaperTest)
#include "tst_paper.moc"
