// The rows of the data sheets as the installer must read them: every value of every row, the
// titles and headings, the article codes and the show bars.
#include "resources/sheettable.h"
#include "ui/qstr.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace velantra::sheets;
using velantra::qstr;

namespace
{

// The first `count` values of every row, joined by "|".
QStringList rowsOf(const SheetTable& table, std::size_t count)
{
    QStringList rows;
    for (const Row& row : table.rows) {
        QStringList cells;
        for (std::size_t i = 0; i < count; ++i)
            cells << qstr(row[i]);
        rows << cells.join(u'|');
    }
    return rows;
}

QString headingsOf(const SheetTable& table)
{
    QStringList texts;
    for (const Heading& h : table.headings)
        texts << qstr(h.text);
    return texts.join(u'|');
}

const QStringList kIntelligentHeadings{"Fixture|N. led|N. led / colour|Max. Power|Codice"};

} // namespace

class SheetTablesTest : public QObject
{
    Q_OBJECT
private slots:
    void rows_data();
    void rows();
    void articleCodes_data();
    void articleCodes();
    void showBars();
};

void SheetTablesTest::rows_data()
{
    QTest::addColumn<const SheetTable*>("table");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("headings");
    QTest::addColumn<int>("emptyRows");
    QTest::addColumn<QStringList>("rows"); // without the article codes

    QTest::newRow("speeds") << &speedTable() << "Show play-back speed"
                            << "Speed|Dip 2|Step time|1|2|3|4" << 0
                            << QStringList{"0|0|0|0|0|10,6 min", "1|1|0|0|0|5,3 min",
                                           "2|0|1|0|0|160 sec", "3|0|0|1|0|80 sec",
                                           "4|0|0|0|1|30 sec"};
    QTest::newRow("passive fixtures")
        << &passiveFixtures() << "RGB Passive Fixtures"
        << "Fixture|N. led|N. led / colour|Driving mode|Nominal power|Average power|LED|Code" << 2
        << QStringList{
               "Corvale big|9|3|Const. Curr. 350mA|10,5|7,0|Power led 1W",
               "Corvale small|3|1|Const. Curr. 350mA|3,5|2,3|Power led 1W",
               "Tessino 380|6|2|Const. Curr. 350mA|7|4,7|Power led 1W",
               "Tessino 560|9|3|Const. Curr. 350mA|10,5|7,0|Power led 1W",
               "Tessino 740|12|4|Const. Curr. 350mA|14|9,3|Power led 1W",
               "Tessino 920|15|5|Const. Curr. 350mA|17,5|11,7|Power led 1W",
               "Pomra|1|1|Const. Curr. 350mA|3,5|2,3|Multichip LED 3.5 W",
               "Aldrace adjustable 6°/ 30°|3|1|Const. Curr. 350mA|3,5|2,3|Power led 1W",
               "Belmira soft|9|1|Constant volt.|1,5|1,0|3mm LED",
               "Orsello 600|40||Constant volt.|12|8,0|Multichip LED 0.3 W",
               "Orsello 900|60||Constant volt.|18|12,0|Multichip LED 0.3 W",
               "Quellin 600|20||Constant volt.|6|4,0|Multichip LED 0.3 W",
               "Quellin 900|30||Constant volt.|9|6,0|Multichip LED 0.3 W",
               "Orsello classic RGB|9|3|Const. Curr. 350mA|10,5|7,0|Power led 1W",
               "Orsello magnetic RGB|18|6|Const. Curr. 350mA|22|14,7|Power led 1W",
               "Pallaro|1|1|Const. Curr. 350mA|3,5|2,3|Multichip LED 3.5 W",
               "Gemmo fischio|1|1|Const. Curr. 350mA|3,5|2,3|Multichip LED 3.5 W",
               "Gemmo piramide|1|1|Const. Curr. 350mA|3,5|2,3|Multichip LED 3.5 W",
               "Gemmo cubo|1|1|Const. Curr. 350mA|3,5|2,3|Multichip LED 3.5 W",
               "Gemmo round|1|1|Const. Curr. 350mA|3,5|2,3|Multichip LED 3.5 W",
               "Tizzano RGB|1|1/2/1|Const. Curr. 700mA|10|6,7|Multichipled 7,5 W",
               "Ribbo 390|45||Constant volt.|3,84|2,6|5mm LED",
               "Ribbo 690|90||Constant volt.|7,6|5,1|5mm LED",
               "Ribbo 1090|135||Constant volt.|11,5|7,7|5mm LED",
               "Ondrel RGB 6°- 30°|3||Constant curr.|3,5|2,3|Luxeon K2 1 W",
               "Sorvel RGB|1||Constant volt.|1,5|1,0|Multichip LED 5 mm",
               "Fenda color RGB|40||Constant volt.|12|8,0|Multichip LED 0.3 W",
           };
    QTest::newRow("intelligent RGB fixtures")
        << &rgbFixtures() << "RGB Intelligent Fixtures dip-switch settable"
        << kIntelligentHeadings.front() << 0
        << QStringList{
               "Nano Ardeo|5|5|23 W",      "Ardeo|15|5|53W",           "Vestri 620mm|18|6|28 W",
               "Vestri 1200mm|36|12|56 W", "Vestri 1800mm|54|18|84 W", "Vestri 2400mm|72|24|112 W",
               "Alaro 10°|15|5|23W",       "Alaro 30°|15|5|23W",       "Talvo 620mm|18|6|28W"};
    QTest::newRow("DOR fixtures")
        << &dorFixtures() << "DOR Intelligent Fixtures dip-switch settable"
        << kIntelligentHeadings.front() << 0
        << QStringList{"Ardeo 10°|15|10/5|45W",       "Ardeo 40°|15|10/5|45W",
                       "Vestri 620mm|18|12/6|28 W",   "Vestri 1200mm|36|24/12|56 W",
                       "Vestri 1800mm|54|36/18|84 W", "Vestri 2400mm|72|48/24|112 W",
                       "Alaro 10°|15|10/5|23W",       "Alaro 30°|15|10/5|23W",
                       "Talvo 620mm|18|12/6|28W"};
    // The colour temperature falls by 300 K a step; the lever of the step is ON.
    QStringList steps;
    for (int step = 0; step <= 9; ++step)
        steps << QStringLiteral("CCT%1|%2|%3")
                     .arg(step)
                     .arg(5400 - 300 * step)
                     .arg(step ? QString::number(step) : QString());
    QTest::newRow("tunes") << &tunes() << QString() << "CCT|°K|Dip 2|1|2|3|4|5|6|7|8|9" << 0
                           << steps;
}

void SheetTablesTest::rows()
{
    QFETCH(const SheetTable*, table);
    QFETCH(QString, title);
    QFETCH(QString, headings);
    QFETCH(int, emptyRows);
    QFETCH(QStringList, rows);
    QCOMPARE(qstr(table->title), title);
    QCOMPARE(headingsOf(*table), headings);
    QCOMPARE(table->emptyRows, emptyRows);
    const std::size_t values = std::size_t(rows.front().count(u'|') + 1);
    QCOMPARE(rowsOf(*table, values), rows);
}

void SheetTablesTest::articleCodes_data()
{
    QTest::addColumn<const SheetTable*>("table");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("range");
    QTest::newRow("passive fixtures") << &passiveFixtures() << 7 << "41";
    QTest::newRow("intelligent RGB fixtures") << &rgbFixtures() << 4 << "52";
    QTest::newRow("DOR fixtures") << &dorFixtures() << 4 << "53";
}

// One scheme for every code: "MB", the family's range and a model number, unique per sheet.
void SheetTablesTest::articleCodes()
{
    QFETCH(const SheetTable*, table);
    QFETCH(int, column);
    QFETCH(QString, range);
    const QRegularExpression scheme(QStringLiteral("^MB %1\\.\\d{3}$").arg(range));
    QSet<QString> seen;
    for (const Row& row : table->rows) {
        const QString code = qstr(row[std::size_t(column)]);
        QVERIFY2(scheme.match(code).hasMatch(), qPrintable(code));
        QVERIFY2(!seen.contains(code), qPrintable(code));
        seen.insert(code);
    }
}

void SheetTablesTest::showBars()
{
    const QStringList expected{
        "o:red,green,blue",
        "01:red,green,blue,white",
        "02:blue,green,blue,red",
        "03:green,blue",
        "04:green,bluish,blue",
        "05:red,blue",
        "06:red,green",
        "07:red,yellow,green",
        "08:red",
        "09:green",
        "10:blue",
        "11:yellow",
        "12:bluish",
        "13:purple",
        "14:white cold",
        "15:white warm",
    };
    QStringList bars;
    for (const ShowBar& bar : showList().bars) {
        QStringList colours;
        for (std::string_view colour : bar.colours) {
            if (!colour.empty()) {
                colours << qstr(colour);
                // Every name has a colour of its own; black marks an unknown name.
                QVERIFY2(colourNamed(colour) != 0, qPrintable(qstr(colour)));
            }
        }
        bars << qstr(bar.show) + u':' + colours.join(u',');
    }
    QCOMPARE(bars, expected);
    QCOMPARE(qstr(showList().heading), "show N.");
}

QTEST_APPLESS_MAIN(SheetTablesTest)
#include "tst_sheettables.moc"
