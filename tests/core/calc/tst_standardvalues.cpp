#include "core/calc/standardvalues.h"

#include <QtTest>

#include <cmath>
#include <limits>

class TestStandardValues : public QObject {
    Q_OBJECT

private slots:
    void tables();
    void names();
    void nearest_data();
    void nearest();
    void pair_data();
    void pair();
    void pairIsTheBestOfAllPairs_data();
    void pairIsTheBestOfAllPairs();
};

namespace {

const QList<double> E24 = {1.0, 1.1, 1.2, 1.3, 1.5, 1.6, 1.8, 2.0, 2.2, 2.4, 2.7, 3.0,
                           3.3, 3.6, 3.9, 4.3, 4.7, 5.1, 5.6, 6.2, 6.8, 7.5, 8.2, 9.1};
const QList<double> E96 = {
    1.00, 1.02, 1.05, 1.07, 1.10, 1.13, 1.15, 1.18, 1.21, 1.24, 1.27, 1.30, 1.33, 1.37, 1.40, 1.43,
    1.47, 1.50, 1.54, 1.58, 1.62, 1.65, 1.69, 1.74, 1.78, 1.82, 1.87, 1.91, 1.96, 2.00, 2.05, 2.10,
    2.15, 2.21, 2.26, 2.32, 2.37, 2.43, 2.49, 2.55, 2.61, 2.67, 2.74, 2.80, 2.87, 2.94, 3.01, 3.09,
    3.16, 3.24, 3.32, 3.40, 3.48, 3.57, 3.65, 3.74, 3.83, 3.92, 4.02, 4.12, 4.22, 4.32, 4.42, 4.53,
    4.64, 4.75, 4.87, 4.99, 5.11, 5.23, 5.36, 5.49, 5.62, 5.76, 5.90, 6.04, 6.19, 6.34, 6.49, 6.65,
    6.81, 6.98, 7.15, 7.32, 7.50, 7.68, 7.87, 8.06, 8.25, 8.45, 8.66, 8.87, 9.09, 9.31, 9.53, 9.76};

constexpr int R = int(PartKind::Resistor);
constexpr int C = int(PartKind::Capacitor);
constexpr int S = int(Connection::Series);
constexpr int P = int(Connection::Parallel);

double Ln(double a, double b) {
    return std::abs(std::log(a / b));
}

} // namespace

// E24 and E96 as the standard tables them; E48, E12 and E6 take every
// second value of the next finer series; the rounding formula 10^(i/n)
// misses exactly the values the standard departs at.
void TestStandardValues::tables() {
    const auto hundredths = [](const QList<double>& values) {
        std::vector<int> found;
        for (double value : values)
            found.push_back(int(std::lround(value * 100)));
        return found;
    };
    QCOMPARE(ESeriesHundredths(ESeries::E24), hundredths(E24));
    QCOMPARE(ESeriesHundredths(ESeries::E96), hundredths(E96));
    const auto everySecond = [](ESeries series) {
        std::vector<int> values;
        for (size_t i = 0; i < ESeriesHundredths(series).size(); i += 2)
            values.push_back(ESeriesHundredths(series)[i]);
        return values;
    };
    QCOMPARE(ESeriesHundredths(ESeries::E6), everySecond(ESeries::E12));
    QCOMPARE(ESeriesHundredths(ESeries::E12), everySecond(ESeries::E24));
    QCOMPARE(ESeriesHundredths(ESeries::E48), everySecond(ESeries::E96));
    QCOMPARE(ESeriesHundredths(ESeries::E96), everySecond(ESeries::E192));
    const auto departures = [](ESeries series, int roundTo) {
        const std::vector<int>& table = ESeriesHundredths(series);
        const double n = double(table.size());
        QList<int> found;
        for (size_t i = 0; i < table.size(); ++i) {
            if (std::lround(std::pow(10.0, i / n) * 100 / roundTo) * roundTo != table[i])
                found << table[i];
        }
        return found;
    };
    QCOMPARE(departures(ESeries::E24, 10), QList<int>({270, 300, 330, 360, 390, 430, 470, 820}));
    QCOMPARE(departures(ESeries::E192, 1), QList<int>{920});
}

void TestStandardValues::names() {
    QStringList names;
    for (ESeries series : AllESeries()) {
        names << ESeriesName(series) + QString::number(ESeriesDigits(series));
        ESeries back = ESeries::E6;
        QVERIFY(ESeriesFromName(ESeriesName(series), back) && back == series);
    }
    QCOMPARE(names, QStringList({"E62", "E122", "E242", "E483", "E963", "E1923"}));
    ESeries unchanged = ESeries::E48;
    QVERIFY(!ESeriesFromName(QStringLiteral("e12"), unchanged) && unchanged == ESeries::E48);
}

void TestStandardValues::nearest_data() {
    QTest::addColumn<int>("series");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("part"); // 0: none

    const int e6 = int(ESeries::E6), e12 = int(ESeries::E12), e24 = int(ESeries::E24);
    QTest::newRow("2,950 in E24") << e24 << 2950.0 << 3000.0;
    QTest::newRow("exact 2.2 pF") << e12 << 2.2e-12 << 2.2e-12;
    QTest::newRow("9.9 goes up a decade") << e12 << 9.9 << 10.0;
    QTest::newRow("9.5 stays at 9.1") << e24 << 9.5 << 9.1;
    QTest::newRow("0.99 up to 1.0") << e6 << 0.99 << 1.0;
    QTest::newRow("1.2: by ratio 1.0, not 1.5") << e6 << 1.2 << 1.0;
    QTest::newRow("halfway by ratio: the larger") << e6 << std::sqrt(1.5) << 1.5;
    QTest::newRow("9.195 is 9.20 in E192") << int(ESeries::E192) << 9.195 << 9.2;
    QTest::newRow("1 fF") << e12 << 1.05e-15 << 1e-15;
    QTest::newRow("33 GΩ") << e12 << 3.4e10 << 3.3e10;
    QTest::newRow("smallest") << e12 << MinPartValue << MinPartValue;
    QTest::newRow("largest") << e12 << MaxPartValue << MaxPartValue;
    QTest::newRow("0") << e12 << 0.0 << 0.0;
    QTest::newRow("negative") << e12 << -100.0 << 0.0;
    QTest::newRow("below the range") << e12 << 1e-300 << 0.0;
    QTest::newRow("infinite") << e12 << std::numeric_limits<double>::infinity() << 0.0;
    QTest::newRow("NaN") << e12 << std::nan("") << 0.0;
}

void TestStandardValues::nearest() {
    QFETCH(int, series);
    QFETCH(double, value);
    QFETCH(double, part);
    const NearestPart nearest = FindNearestPart(value, ESeries(series));
    QCOMPARE(nearest.ok, part != 0);
    if (!nearest.ok)
        return;
    QVERIFY2(qFuzzyCompare(nearest.part.value, part),
             qPrintable(QString::number(nearest.part.value)));
    QCOMPARE(nearest.part.value, nearest.part.hundredths * std::pow(10.0, nearest.part.decade - 2));
    QVERIFY(std::abs(nearest.error - (part / value - 1)) < 1e-12);
}

void TestStandardValues::pair_data() {
    QTest::addColumn<int>("series");
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("larger"); // 0: no pair
    QTest::addColumn<double>("smaller");
    QTest::addColumn<int>("connection");

    const int e12 = int(ESeries::E12), e24 = int(ESeries::E24);
    QTest::newRow("2,950 Ω in E24") << e24 << R << 2950.0 << 2200.0 << 750.0 << S;
    // 6 kΩ: 3.3 k + 2.7 k, 12 k ∥ 12 k and 15 k ∥ 10 k are all exact.
    QTest::newRow("exact in both: series adds") << e12 << R << 6e3 << 3.3e3 << 2.7e3 << S;
    QTest::newRow("capacitors add in parallel") << e12 << C << 6e-9 << 3.3e-9 << 2.7e-9 << P;
    QTest::newRow("370 Ω: 220 + 150, not 270 + 100") << e12 << R << 370.0 << 220.0 << 150.0 << S;
    QTest::newRow("5 kΩ: 10 k ∥ 10 k") << e12 << R << 5000.0 << 1e4 << 1e4 << P;
    QTest::newRow("9.9 Ω: 22 ∥ 18 across the decade") << e12 << R << 9.9 << 22.0 << 18.0 << P;
    // 1 f + 10 a and 1 T + 100 G are exact too, but far apart.
    QTest::newRow("tiny: 1.01 fF") << e12 << C << 1.01e-15 << 6.8e-16 << 3.3e-16 << P;
    QTest::newRow("huge: 10.1 TΩ") << e12 << R << 1.01e13 << 6.8e12 << 3.3e12 << S;
    QTest::newRow("exact part needs none") << e24 << R << 2200.0 << 0.0 << 0.0 << S;
    QTest::newRow("0.04 % off needs none") << int(ESeries::E192) << R << 1000.4 << 0.0 << 0.0 << S;
    QTest::newRow("no value") << e12 << R << 0.0 << 0.0 << 0.0 << S;
}

void TestStandardValues::pair() {
    QFETCH(int, series);
    QFETCH(int, kind);
    QFETCH(double, value);
    QFETCH(double, larger);
    QFETCH(double, smaller);
    QFETCH(int, connection);
    const PartPair pair = FindBestPair(value, ESeries(series), PartKind(kind));
    QCOMPARE(pair.found, larger != 0);
    if (!pair.found)
        return;
    QVERIFY2(qFuzzyCompare(pair.larger.value, larger) && qFuzzyCompare(pair.smaller.value, smaller),
             qPrintable(QString("%1 and %2").arg(pair.larger.value).arg(pair.smaller.value)));
    QCOMPARE(int(pair.connection), connection);
    QCOMPARE(pair.value,
             CombinedValue(PartKind(kind), pair.connection, pair.larger.value, pair.smaller.value));
    QVERIFY(std::abs(pair.error - (pair.value / value - 1)) < 1e-15);
}

void TestStandardValues::pairIsTheBestOfAllPairs_data() {
    QTest::addColumn<int>("series");
    QTest::addColumn<double>("value");
    for (ESeries series : {ESeries::E6, ESeries::E24, ESeries::E96}) {
        for (double value : {1.234, 2.95, 4.321, 6.666, 7.77, 9.87, 9.99, 1.001})
            QTest::addRow("%s %g", qPrintable(ESeriesName(series)), value)
                << int(series) << value * 1000;
    }
}

// Every pair of values from three decades below to two above, in both
// connections, against what the search found.
void TestStandardValues::pairIsTheBestOfAllPairs() {
    QFETCH(int, series);
    QFETCH(double, value);
    std::vector<double> parts;
    for (int decade = 0; decade <= 5; ++decade) {
        for (int hundredths : ESeriesHundredths(ESeries(series)))
            parts.push_back(hundredths * std::pow(10.0, decade - 2));
    }
    double best = std::numeric_limits<double>::infinity();
    for (size_t i = 0; i < parts.size(); ++i) {
        for (size_t k = 0; k <= i; ++k) {
            best = std::min({best, Ln(parts[i] + parts[k], value),
                             Ln(1 / (1 / parts[i] + 1 / parts[k]), value)});
        }
    }
    const NearestPart single = FindNearestPart(value, ESeries(series));
    const PartPair pair = FindBestPair(value, ESeries(series), PartKind::Resistor);
    if (!pair.found) {
        QVERIFY(std::abs(single.error) < MatchTolerance ||
                best >= Ln(single.part.value, value) - 1e-12);
        return;
    }
    QVERIFY2(Ln(pair.value, value) <= best + 1e-12,
             qPrintable(QString::number(pair.value) + " against " + QString::number(best)));
    QVERIFY(Ln(pair.value, value) < Ln(single.part.value, value));
}

QTEST_GUILESS_MAIN(TestStandardValues)
#include "tst_standardvalues.moc"
