#include "engine/text/numbertext.h"

#include <QTest>

using namespace izoku::engine;

class TestNumberText : public QObject {
    Q_OBJECT
  private slots:
    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "300" << 300.0;
        QTest::newRow("letter ends it") << "12a" << 12.0;
        QTest::newRow("unit after rate") << " 0.985円" << 0.985;
        QTest::newRow("sign only") << "-" << 0.0;
        QTest::newRow("comma ends it") << "1,000" << 1.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("negative") << "-12.5" << -12.5;
        QTest::newRow("blanks inside") << " 1 2 3" << 123.0;
        QTest::newRow("second point ends it") << "1.2.3" << 1.2;
        QTest::newRow("trailing blanks") << "12   " << 12.0;
        QTest::newRow("sign after digits ends it") << "1-2.5" << 1.0;
        QTest::newRow("point first") << ".5" << 0.5;
        QTest::newRow("plus sign") << "+7" << 7.0;
        QTest::newRow("trailing point") << "12." << 12.0;
        QTest::newRow("negative point first") << "-.5" << -0.5;
        QTest::newRow("eighty digits") << QString(80, u'1') << 1.1111111111111111e79;
    }
    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(LeadingNumber(text), value);
    }

    void isNumeric_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");
        QTest::newRow("digits") << "120" << true;
        QTest::newRow("trailing blanks") << "12   " << true;
        QTest::newRow("leading blanks") << "  12" << true;
        QTest::newRow("both blanks") << " 12 " << true;
        QTest::newRow("decimal") << "0.985" << true;
        QTest::newRow("negative") << "-3" << true;
        QTest::newRow("plus") << "+3" << true;
        QTest::newRow("point first") << ".5" << true;
        QTest::newRow("point last") << "12." << true;
        QTest::newRow("grouped") << "400,000" << false;
        QTest::newRow("exponent") << "1e3" << false;
        QTest::newRow("full-width digits") << "１２３" << false;
        QTest::newRow("blank inside") << "1 2" << false;
        QTest::newRow("full-width blank around") << "\u300012" << false;
        QTest::newRow("tab around") << "\t12" << false;
        QTest::newRow("blank after sign") << "- 3" << false;
        QTest::newRow("letter after") << "12a" << false;
        QTest::newRow("sign only") << "-" << false;
        QTest::newRow("point only") << "." << false;
        QTest::newRow("sign and point") << "-." << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blank") << "  " << false;
        QTest::newRow("two points") << "1.2.3" << false;
        QTest::newRow("two signs") << "--3" << false;
        QTest::newRow("yen sign after") << "0.985円" << false;
    }
    void isNumeric()
    {
        QFETCH(QString, text);
        QFETCH(bool, numeric);
        QCOMPARE(IsNumeric(text), numeric);
    }

    void halfToEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("10.5") << 10.5 << 10;
        QTest::newRow("11.5") << 11.5 << 12;
        QTest::newRow("12.5") << 12.5 << 12;
        QTest::newRow("13.5") << 13.5 << 14;
        QTest::newRow("2009.5") << 2009.5 << 2010;
        QTest::newRow("2010.5") << 2010.5 << 2010;
        QTest::newRow("-2.5") << -2.5 << -2;
        QTest::newRow("2.4999") << 2.4999 << 2;
    }
    void halfToEven()
    {
        QFETCH(double, value);
        QFETCH(int, expected);
        QCOMPARE(int(*ToInt16(value)), expected);
        QCOMPARE(int(*ToInt32(value)), expected);
    }

    void overflowGivesNoValue()
    {
        QVERIFY(ToInt16(32767.0).has_value());
        QVERIFY(ToInt16(-32768.0).has_value());
        QVERIFY(!ToInt16(32767.5 + 0.1).has_value());
        QVERIFY(!ToInt16(32768.0).has_value());
        QVERIFY(!ToInt16(-32769.0).has_value());
        QCOMPARE(*ToInt16(32767.4), std::int16_t(32767));
        QVERIFY(ToInt32(2147483647.0).has_value());
        QVERIFY(!ToInt32(2147483648.0).has_value());
        QVERIFY(!ToInt32(-2147483649.0).has_value());
        QVERIFY(!ToInt32(std::numeric_limits<double>::infinity()).has_value());
        QVERIFY(!ToInt32(std::numeric_limits<double>::quiet_NaN()).has_value());
        QVERIFY(!TextToInt32(u"99999999999").has_value());
        QVERIFY(!AddInt32(2147483647, 1).has_value());
        QCOMPARE(*AddInt32(2147483646, 1), 2147483647);
    }

    void benefitRounding()
    {
        QCOMPARE(IntFloor(2.9), 2.0);
        QCOMPARE(IntFloor(-2.1), -3.0);
        QCOMPARE(RoundHalfUp(192374.5), 192375.0);
        QCOMPARE(RoundHalfUp(2.5), 3.0);
        QCOMPARE(RoundHalfUp(-2.5), -2.0);
    }

    void plainNumber_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 477800.0 << "477800";
        QTest::newRow("rate") << 0.985 << "0.985";
        QTest::newRow("negative") << -12.0 << "-12";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("big whole") << 123456789012.0 << "123456789012";
        QTest::newRow("fifteen digits") << 1.0 / 3.0 << "0.333333333333333";
        QTest::newRow("no grouping") << 1234567.0 << "1234567";
    }
    void plainNumber()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(PlainNumber(value), text);
    }

    void formats_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("text");
        const int g = int(NumberFormat::Grouped);
        const int e = int(NumberFormat::GroupedOrEmpty);
        const int d = int(NumberFormat::TwoDecimals);
        QTest::newRow("grouped") << 1480244.28 << g << "1,480,244";
        QTest::newRow("grouped half away from zero") << 1234567.5 << g << "1,234,568";
        QTest::newRow("grouped negative half") << -2.5 << g << "-3";
        QTest::newRow("grouped negative") << -1234.0 << g << "-1,234";
        QTest::newRow("grouped zero") << 0.0 << g << "0";
        QTest::newRow("grouped tiny negative") << -0.2 << g << "0";
        QTest::newRow("empty for zero") << 0.0 << e << "";
        QTest::newRow("empty format value") << 8203482.0 << e << "8,203,482";
        QTest::newRow("two decimals") << 1.17 << d << "1.17";
        QTest::newRow("two decimals half") << 1.125 << d << "1.13";
        QTest::newRow("two decimals zero") << 0.0 << d << "0.00";
    }
    void formats()
    {
        QFETCH(double, value);
        QFETCH(int, format);
        QFETCH(QString, text);
        QCOMPARE(FormatNumber(value, NumberFormat(format)), text);
    }
};

QTEST_APPLESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
