// A fixture's address levers as its manual describes them: the levers an address sets, and what a
// bank found on a fixture reads back as, for banks of 8 to 12 levers either way round.

#include "devices/leverscheme.h"

#include <QTest>

using namespace velantra;

Q_DECLARE_METATYPE(velantra::LeverScheme)

namespace
{
LeverScheme scheme(int levers, int lowest, bool minusOne, std::vector<NamedLever> named = {})
{
    return {.levers = levers, .lowestLever = lowest, .addressMinusOne = minusOne, .named = named};
}
} // namespace

class LeverSchemeTest : public QObject
{
    Q_OBJECT
private slots:
    void addressesGoOntoTheLeversAndReadBack_data();
    void addressesGoOntoTheLeversAndReadBack();
    void banksThatMeanNoAddressAreSaidWhy_data();
    void banksThatMeanNoAddressAreSaidWhy();
    void schemesAManualCannotDrawAreRefused_data();
    void schemesAManualCannotDrawAreRefused();
};

void LeverSchemeTest::addressesGoOntoTheLeversAndReadBack_data()
{
    QTest::addColumn<LeverScheme>("scheme");
    QTest::addColumn<int>("address");
    QTest::addColumn<unsigned>("on");
    QTest::newRow("lever 1 lowest, 300") << scheme(10, 1, false) << 300 << 0b100101100u;
    QTest::newRow("lever 9 lowest, 300") << scheme(9, 9, false) << 300 << 0b001101001u;
    QTest::newRow("address - 1, 1 is all OFF") << scheme(10, 1, true) << 1 << 0u;
    QTest::newRow("address - 1, 512 is all ON") << scheme(10, 1, true) << 512 << 0b111111111u;
    QTest::newRow("eight levers, 255") << scheme(8, 8, false) << 255 << 0b11111111u;
    QTest::newRow("eight levers lowest last, 1") << scheme(8, 8, false) << 1 << 0b10000000u;
    QTest::newRow("twelve levers, 511") << scheme(12, 1, false) << 511 << 0b111111111u;
}

void LeverSchemeTest::addressesGoOntoTheLeversAndReadBack()
{
    QFETCH(LeverScheme, scheme);
    QFETCH(int, address);
    QFETCH(unsigned, on);
    QVERIFY(!leverSchemeProblem(scheme));
    QCOMPARE(schemeLeversOn(scheme, address), on);
    const SchemeReading reading = readSchemeLevers(scheme, on);
    QCOMPARE(reading.address, address);
    QVERIFY(reading.problems.empty());
}

void LeverSchemeTest::banksThatMeanNoAddressAreSaidWhy_data()
{
    QTest::addColumn<LeverScheme>("scheme");
    QTest::addColumn<unsigned>("on");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("problems");
    const LeverScheme standAlone = scheme(12, 1, false, {{10, "stand-alone"}, {12, "fan off"}});
    QTest::newRow("all OFF") << scheme(10, 1, false) << 0u << QStringList{}
                             << QStringList{"no address lever is ON: address 0 is no DMX address"};
    QTest::newRow("function levers only")
        << standAlone << 0b101000000000u << QStringList{"stand-alone", "fan off"}
        << QStringList{"no address lever is ON: address 0 is no DMX address"};
    QTest::newRow("an unnamed function lever is no option")
        << standAlone << 0b010000000001u << QStringList{} << QStringList{};
    QTest::newRow("a lever the bank lacks") << scheme(9, 1, false) << 0b1000000001u << QStringList{}
                                            << QStringList{"the bank has no lever 10: it has 9"};
}

void LeverSchemeTest::banksThatMeanNoAddressAreSaidWhy()
{
    QFETCH(LeverScheme, scheme);
    QFETCH(unsigned, on);
    const SchemeReading reading = readSchemeLevers(scheme, on);
    QStringList options, problems;
    for (const std::string& option : reading.options)
        options << QString::fromStdString(option);
    for (const std::string& problem : reading.problems)
        problems << QString::fromStdString(problem);
    QTEST(options, "options");
    QTEST(problems, "problems");
}

void LeverSchemeTest::schemesAManualCannotDrawAreRefused_data()
{
    QTest::addColumn<LeverScheme>("scheme");
    QTest::addColumn<QString>("problem");
    QTest::newRow("seven levers") << scheme(7, 1, false) << "a bank has 8 to 12 levers";
    QTest::newRow("lowest in the middle")
        << scheme(10, 5, false) << "the lowest bit is on lever 1 or on lever 9";
    QTest::newRow("an address lever named")
        << scheme(10, 1, false, {{9, "x"}})
        << "lever 9 is not a function lever: those are levers 10 to 10";
    QTest::newRow("no function levers on eight")
        << scheme(8, 1, false, {{8, "x"}})
        << "lever 8 is not a function lever: every lever carries the address";
    QTest::newRow("named twice") << scheme(12, 1, false, {{10, "a"}, {10, "b"}})
                                 << "lever 10 is named twice";
    QTest::newRow("no name") << scheme(12, 1, false, {{11, ""}}) << "lever 11 has no name";
}

void LeverSchemeTest::schemesAManualCannotDrawAreRefused()
{
    QFETCH(LeverScheme, scheme);
    QFETCH(QString, problem);
    QCOMPARE(QString::fromStdString(leverSchemeProblem(scheme).value_or("")), problem);
}

QTEST_GUILESS_MAIN(LeverSchemeTest)
#include "tst_leverscheme.moc"
