// Number and date texts: shortest forms, rounding halves to even, display masks.
#include "TestMain.h"
#include "platform/Format.h"

class TestFormat : public QObject {
    Q_OBJECT
private slots:
    void floatToStr_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 100.0 << "100";
        QTest::newRow("fraction") << 12.5 << "12,5";
        QTest::newRow("binary fraction") << 0.1 << "0,1";
        QTest::newRow("sum of binary fractions") << 0.1 + 0.2 << "0,3";
        QTest::newRow("negative") << -3.25 << "-3,25";
        QTest::newRow("small") << 0.0001 << "0,0001";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("fifteen digits") << 123456789012345.0 << "123456789012345";
        QTest::newRow("huge") << 1e20 << "1E20";
    }
    void floatToStr()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(::floatToStr(value), text);
    }

    void roundHalfEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("rounded");
        QTest::newRow("down") << 12.34561 << 12.3456;
        QTest::newRow("up") << 12.34567 << 12.3457;
        QTest::newRow("half to even down") << 12.34565 << 12.3456;
        QTest::newRow("half to even up") << 12.34575 << 12.3458;
        QTest::newRow("carry") << 9.99995 << 10.0;
        QTest::newRow("negative half") << -0.00005 << 0.0;
        QTest::newRow("short") << 2.5 << 2.5;
        QTest::newRow("price x 2.4") << 100.0 * 2 * 1.2 << 240.0;
    }
    void roundHalfEven()
    {
        QFETCH(double, value);
        QFETCH(double, rounded);
        QCOMPARE(::roundHalfEven(value, 4), rounded);
    }

    void formatFloat_data()
    {
        QTest::addColumn<QString>("mask");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("min two decimals") << "#0.00#" << 5.0 << "5,00";
        QTest::newRow("three decimals kept") << "#0.00#" << 5.125 << "5,125";
        QTest::newRow("fourth rounded") << "#0.00#" << 5.1256 << "5,126";
        QTest::newRow("fixed") << "0.00" << 1234.5 << "1234,50";
        QTest::newRow("grouped") << "#,##0.00" << 1234567.891 << QString("1\u00A0234\u00A0567,89");
        QTest::newRow("zero") << "#0.00#" << 0.0 << "0,00";
    }
    void formatFloat()
    {
        QFETCH(QString, mask);
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(::formatFloat(mask, value), text);
    }

    void separatorFollowsSettings()
    {
        FormatSettings saved = FormatSettings::current();
        FormatSettings::current().decimalSeparator = QLatin1Char('.');
        QCOMPARE(::floatToStr(12.5), QString("12.5"));
        FormatSettings::current() = saved;
        QCOMPARE(floatToSqlText(12.5), QString("12.5"));
        double v = 0;
        QVERIFY(tryStrToFloat("12,5", v));
        QCOMPARE(v, 12.5);
        QVERIFY(!tryStrToFloat("12,5,1", v));
        QVERIFY(!tryStrToFloat("abc", v));
    }

    void dates()
    {
        QCOMPARE(dateToStr(QDate(2024, 5, 1)), QString("01.05.2024"));
        QCOMPARE(dateTimeToStr(QDateTime(QDate(2024, 5, 1), QTime(0, 0))), QString("01.05.2024"));
        QCOMPARE(dateTimeToStr(QDateTime(QDate(2024, 5, 1), QTime(9, 5, 7))), QString("01.05.2024 09:05:07"));
        QCOMPARE(sqlDateText(QDate(2024, 5, 1)), QString("01.05.2024"));
    }
};

VARNEK_TEST_MAIN(TestFormat)
#include "test_format.moc"
