// The number formats and the readers of typed numbers.
#include <QTest>
#include <cmath>
#include <limits>

#include "engine/number_format.h"

using namespace kestravon;

class TestNumberFormat : public QObject {
    Q_OBJECT

  private slots:
    void generalFormat_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 999.0 << "999";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("minus one") << -1.0 << "-1";
        QTest::newRow("tenths") << 12.3 << "12.3";
        QTest::newRow("81 / 4") << 81 / 4.0 << "20.25";
        QTest::newRow("999 / 4") << 999 / 4.0 << "249.75";
        QTest::newRow("1000 / 5.5") << 1000 / 5.5 << "181.818181818182";
        QTest::newRow("1999 / 5.5") << 1999 / 5.5 << "363.454545454545";
        QTest::newRow("2000 / 6.5") << 2000 / 6.5 << "307.692307692308";
        QTest::newRow("2999 / 6.5") << 2999 / 6.5 << "461.384615384615";
        QTest::newRow("no exponent when large") << 1e20 << "100000000000000000000";
        QTest::newRow("no exponent when small") << 0.000012 << "0.000012";
        QTest::newRow("15 digits at most") << 2.0 / 3.0 << "0.666666666666667";
    }
    void generalFormat() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(FormatGeneral(value)), text);
    }

    void generalFormatRoundTrips() {
        for (const double value : {0.0, 999.0, 87.4, 45.67, 12.3, 120.5, -3.25, 1234567.125}) {
            QCOMPARE(ParseGeneral(FormatGeneral(value)), std::optional<double>(value));
        }
    }

    void tenths_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("rounds down") << 12.34 << "12.3";
        QTest::newRow("rounds up") << 45.67 << "45.7";
        QTest::newRow("small") << 0.06 << "0.1";
        QTest::newRow("below a twentieth") << 0.04 << "0.0";
        QTest::newRow("whole") << 65.0 << "65.0";
        QTest::newRow("empty place") << 999.0 << "999.0";
        QTest::newRow("zero") << 0.0 << "0.0";
        QTest::newRow("carry into a new digit") << 99.96 << "100.0";
        QTest::newRow("decimal half rounds up") << 45.65 << "45.7";
        QTest::newRow("negative") << -2.25 << "-2.3";
        QTest::newRow("negative near zero") << -0.01 << "0.0";
    }
    void tenths() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(FormatTenths(value)), text);
    }

    void leadingNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("letters after") << "12abc" << 12.0;
        QTest::newRow("blank inside") << "1 2" << 12.0;
        QTest::newRow("tabs and line feeds") << "\t1\n5 " << 15.0;
        QTest::newRow("comma is no point") << "1,5" << 1.0;
        QTest::newRow("fraction") << "9.4" << 9.4;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("sign") << "-3.5x" << -3.5;
        QTest::newRow("plus sign") << "+7" << 7.0;
        QTest::newRow("exponent E") << "1.5E2" << 150.0;
        QTest::newRow("exponent D") << "2d-1" << 0.2;
        QTest::newRow("exponent without digits") << "3e" << 3.0;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("no number") << "abc" << 0.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("hexadecimal") << "&H1F" << 31.0;
        QTest::newRow("octal") << "&o17" << 15.0;
        QTest::newRow("clock text") << "12.3" << 12.3;
        QTest::newRow("full-width digits") << QString::fromUtf8("２０") << 20.0;
        QTest::newRow("full-width sign and point") << QString::fromUtf8("－５．５") << -5.5;
        QTest::newRow("ideographic space") << QString::fromUtf8("１\u3000２") << 12.0;
        QTest::newRow("full-width letters stop") << QString::fromUtf8("７ａ８") << 7.0;
        QTest::newRow("other wide characters stop") << QString::fromUtf8("３〇") << 3.0;
    }
    void leadingNumber() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(ReadLeadingNumber(text.toStdString()), value);
    }

    void leadingNumberExtremes() {
        QCOMPARE(ReadLeadingNumber("1e999999999999999999"),
                 std::numeric_limits<double>::infinity());
        QCOMPARE(ReadLeadingNumber("-1e400"), -std::numeric_limits<double>::infinity());
        QCOMPARE(ReadLeadingNumber("1e-400"), 0.0);
        QCOMPARE(ReadLeadingNumber("0.0000e99999"), 0.0);
        QVERIFY(std::isinf(ReadLeadingNumber(std::string(400, '9'))));
        QCOMPARE(ReadLeadingNumber("0." + std::string(400, '0') + "1"), 0.0);
    }

    void parseGeneralRejectsWhatWasNeverWritten() {
        for (const char* text :
             {"", "abc", "12abc", " 12", "1,5", "+3", "inf", "nan", "1e999", "1e3"}) {
            QVERIFY2(!ParseGeneral(text).has_value(), text);
        }
    }

    void roundsHalvesToEven_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("rounded");
        QTest::newRow("9.5") << 9.5 << 10;
        QTest::newRow("10.5") << 10.5 << 10;
        QTest::newRow("9.4") << 9.4 << 9;
        QTest::newRow("20.25") << 20.25 << 20;
        QTest::newRow("-1.5") << -1.5 << -2;
        QTest::newRow("-0.5") << -0.5 << 0;
        QTest::newRow("top") << 32767.4 << 32767;
        QTest::newRow("bottom") << -32768.5 << -32768;
    }
    void roundsHalvesToEven() {
        QFETCH(double, value);
        QFETCH(int, rounded);
        QCOMPARE(RoundToInt16(value),
                 std::optional<std::int16_t>(static_cast<std::int16_t>(rounded)));
    }

    void roundRefusesWhatDoesNotFit() {
        for (const double value :
             {32767.5, -32769.0, 1e300, std::numeric_limits<double>::infinity(),
              std::numeric_limits<double>::quiet_NaN()}) {
            QVERIFY(!RoundToInt16(value).has_value());
        }
    }
};

QTEST_APPLESS_MAIN(TestNumberFormat)
#include "test_number_format.moc"
