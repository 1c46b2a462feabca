#include "core/calc/numbertext.h"

#include <QtTest>

#include <cmath>
#include <limits>

// Runs with a point as decimal separator, and once more (KELVO_TEST_LOCALE)
// with a comma. Texts in the tables are written with '.', which stands for
// the locale's separator; ',' is a literal comma.
class TestNumberText : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void isNumber_data();
    void isNumber();
    void literalSeparators();
    void formatGeneral_data();
    void formatGeneral();

private:
    QString Localised(QString text) const {
        return text.replace(u'.', separator_);
    }
    QString separator_;
};

void TestNumberText::initTestCase() {
    const QByteArray name = qgetenv("KELVO_TEST_LOCALE");
    QLocale::setDefault(name.isEmpty() ? QLocale(QLocale::English, QLocale::UnitedStates)
                                       : QLocale(QString::fromLatin1(name)));
    separator_ = QLocale().decimalPoint();
    if (!name.isEmpty())
        QCOMPARE(separator_, QStringLiteral(","));
}

void TestNumberText::isNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("value");

    QTest::newRow("empty") << "" << true << 0.0;
    QTest::newRow("integer") << "100" << true << 100.0;
    QTest::newRow("decimal") << "2.2" << true << 2.2;
    QTest::newRow("leading separator") << ".5" << true << 0.5;
    QTest::newRow("trailing separator") << "5." << true << 5.0;
    QTest::newRow("exponent") << "1e3" << true << 1000.0;
    QTest::newRow("capital exponent") << "2.2E3" << true << 2200.0;
    QTest::newRow("signed exponent") << "1.5E-07" << true << 1.5e-7;
    QTest::newRow("plus exponent") << "1E+3" << true << 1000.0;
    QTest::newRow("negative") << "-5" << true << -5.0;
    QTest::newRow("plus sign") << "+5" << true << 5.0;
    QTest::newRow("blanks around") << "  42  " << true << 42.0;
    QTest::newRow("tab around") << "\t42" << true << 42.0;
    QTest::newRow("underflow is zero") << "1e-400" << true << 0.0;
    QTest::newRow("lone minus") << "-" << false << 0.0;
    QTest::newRow("half exponent") << "1E" << false << 0.0;
    QTest::newRow("exponent sign only") << "1E-" << false << 0.0;
    QTest::newRow("lone separator") << "." << false << 0.0;
    QTest::newRow("trailing letters") << "12abc" << false << 0.0;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("blank only") << "   " << false << 0.0;
    QTest::newRow("inner blank") << "1 000" << false << 0.0;
    QTest::newRow("inf") << "inf" << false << 0.0;
    QTest::newRow("infinity") << "Infinity" << false << 0.0;
    QTest::newRow("nan") << "nan" << false << 0.0;
    QTest::newRow("hex") << "0x10" << false << 0.0;
    QTest::newRow("hex float") << "0x1p3" << false << 0.0;
    QTest::newRow("overflow") << "1e999" << false << 0.0;
    QTest::newRow("two signs") << "--5" << false << 0.0;
    QTest::newRow("two separators") << "1.2.3" << false << 0.0;
    QTest::newRow("ohm suffix") << "50R" << false << 0.0;
    QTest::newRow("arabic digits") << QString::fromUtf8("\xD9\xA1\xD9\xA2") << false << 0.0;
}

void TestNumberText::isNumber() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(double, value);
    text = Localised(text);
    QCOMPARE(IsNumber(text), valid);
    QCOMPARE(ToNumber(text), value);
}

void TestNumberText::literalSeparators() {
    const bool comma = separator_ == QStringLiteral(",");
    QCOMPARE(IsNumber(QStringLiteral("1,5")), comma);
    QCOMPARE(IsNumber(QStringLiteral("1.5")), !comma);
    // Thousands separators are never accepted.
    QCOMPARE(IsNumber(comma ? QStringLiteral("1.000,5") : QStringLiteral("1,000.5")), false);
    QCOMPARE(ToNumber(comma ? QStringLiteral("1,5") : QStringLiteral("1.5")), 1.5);
}

void TestNumberText::formatGeneral_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("precision");
    QTest::addColumn<int>("exponentDigits");
    QTest::addColumn<QString>("expected");

    QTest::newRow("third, stored") << 1.0 / 3 << 15 << 0 << "0.333333333333333";
    QTest::newRow("third, shown") << 1.0 / 3 << 8 << 2 << "0.33333333";
    QTest::newRow("parallel result") << 100.0 * 2200 / 2300 << 15 << 0 << "95.6521739130435";
    QTest::newRow("parallel shown") << 100.0 * 2200 / 2300 << 8 << 2 << "95.652174";
    QTest::newRow("small, shown") << 0.00000015 << 8 << 2 << "1.5E-07";
    QTest::newRow("small, stored") << 0.00000015 << 15 << 0 << "1.5E-7";
    QTest::newRow("limit of fixed") << 0.00001 << 8 << 2 << "0.00001";
    QTest::newRow("below limit") << 0.0000099 << 8 << 2 << "9.9E-06";
    QTest::newRow("zero") << 0.0 << 8 << 2 << "0";
    QTest::newRow("negative zero") << -0.0 << 8 << 2 << "0";
    QTest::newRow("integer") << 1500.0 << 8 << 2 << "1500";
    QTest::newRow("trailing zeros dropped") << 2.5 << 15 << 0 << "2.5";
    QTest::newRow("negative") << -2.3 << 8 << 2 << "-2.3";
    QTest::newRow("integer digits = precision") << 12345678.0 << 8 << 2 << "12345678";
    QTest::newRow("integer digits > precision") << 123456789.0 << 8 << 2 << "1.2345679E+08";
    QTest::newRow("rounds up into scientific") << 99999999.7 << 8 << 2 << "1E+08";
    QTest::newRow("rounds at precision") << 9.9009900990099 << 8 << 2 << "9.9009901";
    QTest::newRow("large stored") << 1.5e20 << 15 << 0 << "1.5E+20";
    QTest::newRow("three digit exponent") << 1e-300 << 8 << 2 << "1E-300";
    QTest::newRow("precision 1") << 0.26 << 1 << 2 << "0.3";
    QTest::newRow("0.1 stored") << 0.1 << 15 << 0 << "0.1";
    QTest::newRow("0.0011") << 0.0011 << 15 << 0 << "0.0011";
    QTest::newRow("3.7") << 4.7 - 1.0 << 15 << 0 << "3.7";
}

void TestNumberText::formatGeneral() {
    QFETCH(double, value);
    QFETCH(int, precision);
    QFETCH(int, exponentDigits);
    QFETCH(QString, expected);
    QCOMPARE(FormatGeneral(value, precision, exponentDigits), Localised(expected));
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
