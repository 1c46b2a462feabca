#include "support/closeto.h"

#include "core/calc/swr.h"
#include "core/text/readingtexts.h"

#include <QtTest>

#include <cmath>
#include <limits>
#include <random>

Q_DECLARE_METATYPE(Complex)

class TestCalcSwr : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void swr_data();
    void swr();
    void scalingChangesNoResult();
    void reading_data();
    void reading();
    void readingText_data();
    void readingText();
};

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();

} // namespace

void TestCalcSwr::swr_data() {
    QTest::addColumn<Complex>("load");
    QTest::addColumn<double>("line");
    QTest::addColumn<double>("expected"); // 0: "Error: No solution."
    QTest::addColumn<double>("reflection");

    QTest::newRow("50 on 50") << Complex(50) << 50.0 << 1.0 << 0.0;
    QTest::newRow("100 on 50") << Complex(100) << 50.0 << 2.0 << 1.0 / 3;
    QTest::newRow("25 on 50") << Complex(25) << 50.0 << 2.0 << 1.0 / 3;
    QTest::newRow("25+j25 on 50") << Complex(25, 25) << 50.0 << 2.6180339887498945
                                  << std::sqrt(0.2);
    QTest::newRow("50-j30 on 50") << Complex(50, -30) << 50.0 << 1.806418390534633
                                  << 0.28734788556634544;
    QTest::newRow("50+j30 on 50") << Complex(50, 30) << 50.0 << 1.806418390534633
                                  << 0.28734788556634544;
    QTest::newRow("75 on 50 ohms") << Complex(75) << 50.0 << 1.5 << 0.2;
    QTest::newRow("empty load") << Complex() << 50.0 << 0.0 << 0.0;
    QTest::newRow("pure reactance") << Complex(0, 30) << 50.0 << 0.0 << 0.0;
    QTest::newRow("all zero") << Complex() << 0.0 << 0.0 << 0.0;
    QTest::newRow("no line impedance") << Complex(100) << 0.0 << 0.0 << 0.0;
    // The squares of very large or very small ohms stay in range.
    QTest::newRow("1e200 on 5e199") << Complex(1e200) << 5e199 << 2.0 << 1.0 / 3;
    QTest::newRow("1e-200 on 1e-200") << Complex(1e-200) << 1e-200 << 1.0 << 0.0;
    QTest::newRow("1e-300 + j1e-300 on 1e-300")
        << Complex(1e-300, 1e-300) << 1e-300 << 2.6180339887498945 << std::sqrt(0.2);
    QTest::newRow("a load beyond a double (1e308 M)") << Complex(Infinity) << 50.0 << 0.0 << 0.0;
    QTest::newRow("reactance far above the line") << Complex(50, 1e300) << 50.0 << 0.0 << 0.0;
}

void TestCalcSwr::swr() {
    QFETCH(Complex, load);
    QFETCH(double, line);
    QFETCH(double, expected);
    QFETCH(double, reflection);

    const SwrSolved solved = SwrOf(load, line);
    QCOMPARE(solved.swr.ok, expected != 0);
    QCOMPARE(solved.swr.message, expected != 0 ? QString() : QStringLiteral("Error: No solution."));
    if (!solved.swr.ok)
        return;
    QVERIFY_CLOSE(solved.swr.value.re, expected);
    QCOMPARE(solved.swr.value.im, 0.0);
    // The reading comes with the SWR and belongs to it.
    QCOMPARE(solved.reading.swr, solved.swr.value.re);
    QVERIFY2(std::abs(solved.reading.reflection - reflection) <= 1e-12,
             qPrintable(QString::number(solved.reading.reflection, 'g', 17)));
}

void TestCalcSwr::scalingChangesNoResult() {
    // The plain formula, for loads and lines where nothing over- or underflows.
    auto plain = [](double r, double x, double ro) {
        const double rho = std::sqrt(((r - ro) * (r - ro) + x * x) / ((r + ro) * (r + ro) + x * x));
        return (1 + rho) / (1 - rho);
    };
    std::mt19937_64 random(8);
    std::uniform_real_distribution<double> exponent(-6, 9);
    std::uniform_real_distribution<double> sign(-1, 1);
    for (int i = 0; i < 20000; ++i) {
        const double r = std::pow(10.0, exponent(random));
        const double x = sign(random) * std::pow(10.0, exponent(random));
        const double ro = std::pow(10.0, exponent(random));
        const SwrSolved solved = SwrOf(Complex(r, x), ro);
        if (!solved.swr.ok)
            continue; // ρ rounds to 1
        QCOMPARE(solved.swr.value.re, plain(r, x, ro));
    }
}

void TestCalcSwr::reading_data() {
    QTest::addColumn<double>("swr");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("reflection");
    QTest::addColumn<double>("returnLoss");
    QTest::addColumn<double>("mismatchLoss");

    QTest::newRow("2") << 2.0 << true << 1.0 / 3 << 9.54242509439325 << 0.5115252244738131;
    QTest::newRow("3") << 3.0 << true << 0.5 << 6.020599913279624 << 1.2493873660829993;
    QTest::newRow("2.618") << 2.6180339887498945 << true << std::sqrt(0.2) << 6.989700043360188
                           << 0.969100130080564;
    QTest::newRow("matched") << 1.0 << true << 0.0 << Infinity << 0.0;
    // |Γ| rounds to 1; the mismatch loss is 10·log10((S + 1)² / 4S) all the same.
    QTest::newRow("1e20") << 1e20 << true << 1.0 << 0.0 << 193.97940008672037;
    QTest::newRow("largest double")
        << std::numeric_limits<double>::max() << true << 1.0 << 0.0 << 3076.5265556858876;
    QTest::newRow("below 1") << 0.5 << false << 0.0 << 0.0 << 0.0;
    QTest::newRow("negative") << -2.0 << false << 0.0 << 0.0 << 0.0;
    QTest::newRow("infinite") << Infinity << false << 0.0 << 0.0 << 0.0;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << false << 0.0 << 0.0
                                  << 0.0;
}

void TestCalcSwr::reading() {
    QFETCH(double, swr);
    QFETCH(bool, valid);
    QFETCH(double, reflection);
    QFETCH(double, returnLoss);
    QFETCH(double, mismatchLoss);

    const std::optional<SwrReading> reading = ReadingOfSwr(swr);
    QCOMPARE(reading.has_value(), valid);
    if (!reading)
        return;
    QVERIFY(Close(reading->reflection, reflection));
    QVERIFY_CLOSE(reading->returnLoss, returnLoss);
    QVERIFY_CLOSE(reading->mismatchLoss, mismatchLoss);
    QVERIFY(!std::signbit(reading->returnLoss) && !std::signbit(reading->mismatchLoss));
    QVERIFY(std::isfinite(reading->mismatchLoss));
}

void TestCalcSwr::readingText_data() {
    QTest::addColumn<double>("swr");
    QTest::addColumn<int>("precision");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");

    const QString en = QStringLiteral("en_US");
    QTest::newRow("100 on 50 at precision 4")
        << 2.0 << 4 << en
        << QStringLiteral("|\u0393| 0.3333  Return loss 9.54 dB  Mismatch loss 0.51 dB");
    QTest::newRow("at the default precision")
        << 2.0 << 8 << en
        << QStringLiteral(
               "|\u0393| 0.33333333  Return loss 9.542425 dB  Mismatch loss 0.511525 dB");
    QTest::newRow("trailing zeros dropped")
        << 3.0 << 8 << en
        << QStringLiteral("|\u0393| 0.5  Return loss 6.0206 dB  Mismatch loss 1.249387 dB");
    QTest::newRow("matched") << 1.0 << 8 << en
                             << QStringLiteral(
                                    "|\u0393| 0  Return loss \u221E dB  Mismatch loss 0 dB");
    QTest::newRow("precision 1") << 2.0 << 1 << en
                                 << QStringLiteral(
                                        "|\u0393| 0.3  Return loss 10 dB  Mismatch loss 1 dB");
    QTest::newRow("precision 15")
        << 2.0 << 15 << en
        << QStringLiteral("|\u0393| 0.333333333333333  Return loss 9.5424250943933 dB  Mismatch "
                          "loss 0.5115252244738 dB");
    QTest::newRow("a tiny |Γ| in scientific notation")
        << 1.00000002 << 8 << en
        << QStringLiteral("|\u0393| 1E-08  Return loss 160 dB  Mismatch loss 0 dB");
    QTest::newRow("decimal comma")
        << 2.0 << 4 << QStringLiteral("de_DE")
        << QStringLiteral("|\u0393| 0,3333  Return loss 9,54 dB  Mismatch loss 0,51 dB");
}

void TestCalcSwr::readingText() {
    QFETCH(double, swr);
    QFETCH(int, precision);
    QFETCH(QString, locale);
    QFETCH(QString, text);

    QLocale::setDefault(QLocale(locale));
    const QString shown = ReadingText(*ReadingOfSwr(swr), precision);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(shown, text);
}

QTEST_GUILESS_MAIN(TestCalcSwr)
#include "tst_calcswr.moc"
