// The program's only reader of user input, and the address arithmetic built on it.
#include "dip/dmxaddressencoder.h"
#include "dip/readleadingnumber.h"

#include <QTest>
#include <cmath>
#include <limits>

using namespace velantra;

class ReadLeadingNumberTest : public QObject
{
    Q_OBJECT
private slots:
    void reads_data();
    void reads();
    void hugeNumbersAreRefusedAsAddresses_data();
    void hugeNumbersAreRefusedAsAddresses();
    void megabyteOfDigitsIsRead();
    void addressBits_data();
    void addressBits();
    void validity_data();
    void validity();
};

void ReadLeadingNumberTest::reads_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    const double inf = std::numeric_limits<double>::infinity();

    // The documented examples.
    QTest::newRow("blanks anywhere") << " 12 3x" << 123.0;
    QTest::newRow("trailing letters") << "12abc" << 12.0;
    QTest::newRow("exponent") << "1e2" << 100.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("comma is no separator") << "1,5" << 1.0;
    QTest::newRow("C hex prefix") << "0x10" << 0.0;
    QTest::newRow("hex 1FF") << "&H1FF" << 511.0;
    QTest::newRow("hex FFFF is -1") << "&HFFFF" << -1.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;

    // Blanks, tabs and line feeds, and nothing else, are left out.
    QTest::newRow("tab and line feed") << "\t1\n2" << 12.0;
    QTest::newRow("carriage return stops") << "1\r2" << 1.0;
    QTest::newRow("blank inside exponent") << "1 e 2" << 100.0;
    QTest::newRow("only blanks") << "   " << 0.0;

    // Signs, points and exponents.
    QTest::newRow("minus") << "-5" << -5.0;
    QTest::newRow("plus") << "+7" << 7.0;
    QTest::newRow("lone sign") << "-" << 0.0;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("sign and point") << "-." << 0.0;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("negative fraction") << "-.25" << -0.25;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("D exponent") << "1d2" << 100.0;
    QTest::newRow("upper E") << "3E1" << 30.0;
    QTest::newRow("negative exponent") << "25e-1" << 2.5;
    QTest::newRow("exponent plus") << "2e+2" << 200.0;
    QTest::newRow("exponent without digits") << "7e" << 7.0;
    QTest::newRow("exponent sign without digits") << "7e-" << 7.0;
    QTest::newRow("exponent without mantissa digits") << "e5" << 0.0;
    QTest::newRow("double sign") << "--5" << 0.0;
    QTest::newRow("sign after blank") << "- 5" << -5.0;
    QTest::newRow("fraction address") << "300.7" << 300.7;
    QTest::newRow("leading zeros") << "000511" << 511.0;
    QTest::newRow("full-width digits are letters") << QString::fromUtf8("\xEF\xBC\x91") << 0.0;

    // Hexadecimal and octal.
    QTest::newRow("hex lower case") << "&hff" << 255.0;
    QTest::newRow("hex stops at non-digit") << "&H1G" << 1.0;
    QTest::newRow("hex without digits") << "&H" << 0.0;
    QTest::newRow("hex 8000 is negative") << "&H8000" << -32768.0;
    QTest::newRow("hex above FFFF is 32-bit") << "&H10000" << 65536.0;
    QTest::newRow("hex FFFFFFFF is -1") << "&HFFFFFFFF" << -1.0;
    QTest::newRow("hex 7FFFFFFF") << "&H7FFFFFFF" << 2147483647.0;
    QTest::newRow("hex leading zeros") << "&H00000000001FF" << 511.0;
    QTest::newRow("hex with blanks") << "& H 1 F F" << 511.0;
    QTest::newRow("octal") << "&O777" << 511.0;
    QTest::newRow("octal lower case") << "&o17" << 15.0;
    QTest::newRow("octal stops at 8") << "&O18" << 1.0;
    QTest::newRow("octal 177777 is -1") << "&O177777" << -1.0;
    QTest::newRow("ampersand alone") << "&" << 0.0;
    QTest::newRow("ampersand other letter") << "&B101" << 0.0;
    QTest::newRow("sign before hex") << "-&H10" << 0.0;

    // Beyond range: never a valid number.
    QTest::newRow("beyond double") << "1e999" << inf;
    QTest::newRow("beyond double negative") << "-1e999" << -inf;
    QTest::newRow("long mantissa small exponent") << QString(400, u'9') + "e-5" << inf;
    QTest::newRow("underflow") << "1e-999" << 0.0;
    QTest::newRow("hex beyond 32 bits") << "&H100000000" << inf;
    QTest::newRow("octal beyond 32 bits") << "&O40000000000" << inf;
    QTest::newRow("huge exponent digits") << "1e99999999999999999999999" << inf;
}

void ReadLeadingNumberTest::reads()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    const double value = ReadLeadingNumber(std::u16string_view(
        reinterpret_cast<const char16_t*>(text.utf16()), std::size_t(text.size())));
    QCOMPARE(value, expected);
    QCOMPARE(ReadLeadingNumber(std::string_view(text.toLatin1().constData())), expected);
}

void ReadLeadingNumberTest::hugeNumbersAreRefusedAsAddresses_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("1e999") << "1e999";
    QTest::newRow("400 digits") << QString(400, u'9');
    QTest::newRow("hex beyond 32 bits") << "&HFFFFFFFFFFFFFFFFFFFFFFFF";
    QTest::newRow("octal beyond 32 bits") << "&O7777777777777777";
    QTest::newRow("tiny") << "1e-999";
}

void ReadLeadingNumberTest::hugeNumbersAreRefusedAsAddresses()
{
    QFETCH(QString, text);
    const double value = ReadLeadingNumber(std::string_view(text.toLatin1().constData()));
    QVERIFY(!std::isnan(value));
    QVERIFY(!IsValidDmxAddress(value));
}

void ReadLeadingNumberTest::megabyteOfDigitsIsRead()
{
    // How long it takes is the benchmark's ("reading a pasted megabyte of digits").
    const std::string digits(1 << 20, '7');
    QCOMPARE(ReadLeadingNumber(std::string_view(digits)), std::numeric_limits<double>::infinity());
    const std::string blanks = std::string(1 << 20, ' ') + "42";
    QCOMPARE(ReadLeadingNumber(std::string_view(blanks)), 42.0);
}

void ReadLeadingNumberTest::addressBits_data()
{
    QTest::addColumn<double>("address");
    QTest::addColumn<uint>("bits");
    QTest::newRow("1") << 1.0 << 0x001u;
    QTest::newRow("10") << 10.0 << 0x00Au;
    QTest::newRow("256") << 256.0 << 0x100u;
    QTest::newRow("300") << 300.0 << 0x12Cu;
    QTest::newRow("511") << 511.0 << 0x1FFu;
    QTest::newRow("fraction takes integer part") << 300.7 << 0x12Cu;
    QTest::newRow("1.9 shows 1") << 1.9 << 0x001u;
    QTest::newRow("2.7 shows 2") << 2.7 << 0x002u;
    QTest::newRow("510.999") << 510.999 << 0x1FEu;
}

void ReadLeadingNumberTest::addressBits()
{
    QFETCH(double, address);
    QFETCH(uint, bits);
    QCOMPARE(DmxAddressEncoder(address), bits);
}

void ReadLeadingNumberTest::validity_data()
{
    QTest::addColumn<double>("n");
    QTest::addColumn<bool>("valid");
    QTest::newRow("0") << 0.0 << false;
    QTest::newRow("0.5") << 0.5 << false;
    QTest::newRow("1") << 1.0 << true;
    QTest::newRow("1.5") << 1.5 << true;
    QTest::newRow("511") << 511.0 << true;
    QTest::newRow("511.5") << 511.5 << false;
    QTest::newRow("512") << 512.0 << false;
    QTest::newRow("-5") << -5.0 << false;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << false;
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << false;
}

void ReadLeadingNumberTest::validity()
{
    QFETCH(double, n);
    QFETCH(bool, valid);
    QCOMPARE(IsValidDmxAddress(n), valid);
}

QTEST_APPLESS_MAIN(ReadLeadingNumberTest)
#include "tst_readleadingnumber.moc"
