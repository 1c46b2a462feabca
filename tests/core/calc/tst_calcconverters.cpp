#include "support/closeto.h"

#include "core/calc/converters.h"
#include "core/calc/numbertext.h"
#include "core/calctypes.h"
#include "core/rfield.h"
#include "core/units.h"

#include <QtTest>

#include <cmath>

Q_DECLARE_METATYPE(Converter)

// The unit converters' arithmetic, from a value typed in one unit to the
// value shown in a unit of the other side.
class TestCalcConverters : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void convert_data();
    void convert();
    void roundTrip_data();
    void roundTrip();
    void footIsTheReciprocalOfTheFactor();
};

namespace {

const QStringList Names = {"length", "area", "dry volume", "fluid volume", "weight"};
const Converter All[] = {Converter::Length, Converter::Area, Converter::DryVolume,
                         Converter::FluidVolume, Converter::Weight};

// The unit kind of a converter's side, as its calculation type declares it.
int KindOf(Converter converter, int field) {
    return FindCalcType(11 + int(converter))->fields[size_t(field)].unitKind;
}

// The value shown on the other side, in unit `to`, of `value` typed in unit
// `from` on side `field`.
Solved Across(Converter converter, int field, double value, int from, int to) {
    const double base = ToBaseUnits(value, from, KindOf(converter, field));
    Solved solved = field == 0 ? UsToMetric(converter, base) : MetricToUs(converter, base);
    if (solved.ok)
        solved.value.re = FromBaseUnits(solved.value.re, to, KindOf(converter, 1 - field));
    return solved;
}

} // namespace

void TestCalcConverters::convert_data() {
    QTest::addColumn<Converter>("converter");
    QTest::addColumn<int>("field"); // the side typed into: 0 US, 1 metric
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<double>("expected"); // in unit `to` of the other side
    QTest::addColumn<QString>("message");

    const QString none;
    const auto length = Converter::Length;
    const auto area = Converter::Area;
    const auto weight = Converter::Weight;
    // Length: in ft yd mile | mm cm m km.
    QTest::newRow("1 mile in km") << length << 0 << 1.0 << 3 << 3 << 5280 / 3.28084 / 1000 << none;
    QTest::newRow("1 mile is not 1.609344 km")
        << length << 0 << 1.0 << 3 << 3 << 1.6093439485009937 << none;
    QTest::newRow("1 m in inches") << length << 1 << 1.0 << 2 << 0 << 39.37008 << none;
    QTest::newRow("100 ft in m") << length << 0 << 100.0 << 1 << 2 << 30.47999902464003 << none;
    // Area: in² ft² yd² acre mi² | mm² cm² m² hectare km².
    QTest::newRow("1 acre in m²") << area << 0 << 1.0 << 3 << 2 << 43560 / 10.763911 << none;
    QTest::newRow("1 hectare in acres")
        << area << 1 << 1.0 << 3 << 3 << 10000 * 10.763911 / 43560 << none;
    QTest::newRow("1 mi² in km²") << area << 0 << 1.0 << 4 << 4 << 2.5899879699860024 << none;
    // Volumes and weight.
    QTest::newRow("1 yd³ in m³") << Converter::DryVolume << 0 << 1.0 << 2 << 2 << 27 / 35.31446
                                 << none;
    QTest::newRow("1 US gallon in ml")
        << Converter::FluidVolume << 0 << 1.0 << 2 << 0 << 3785.41184 << none;
    QTest::newRow("1 US gallon in l")
        << Converter::FluidVolume << 0 << 1.0 << 2 << 1 << 3.78541184 << none;
    QTest::newRow("1 US lb in g") << weight << 0 << 1.0 << 1 << 0 << 453.59248 << none;
    QTest::newRow("1 US ton in kg") << weight << 0 << 1.0 << 2 << 1 << 907.18496 << none;
    QTest::newRow("1 tonne in US oz") << weight << 1 << 1.0 << 2 << 0 << 35273.95339534729 << none;
    QTest::newRow("1 tonne in US tons")
        << weight << 1 << 1.0 << 2 << 2 << 1.1023110436046029 << none;
    // An empty edit is a valid 0.
    QTest::newRow("0 stays 0") << weight << 0 << 0.0 << 1 << 1 << 0.0 << none;
    QTest::newRow("overflow is no solution")
        << Converter::DryVolume << 1 << 1e308 << 2 << 1 << 0.0 << "Error: No solution.";
}

void TestCalcConverters::convert() {
    QFETCH(Converter, converter);
    QFETCH(int, field);
    QFETCH(double, value);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(double, expected);
    QFETCH(QString, message);

    const Solved solved = Across(converter, field, value, from, to);
    QCOMPARE(solved.message, message);
    QCOMPARE(solved.ok, message.isEmpty());
    if (solved.ok)
        QVERIFY_CLOSE(solved.value.re, expected);
}

void TestCalcConverters::roundTrip_data() {
    QTest::addColumn<Converter>("converter");
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    for (Converter converter : All) {
        for (int field : {0, 1}) {
            const int fromCount = UnitCount(KindOf(converter, field));
            const int toCount = UnitCount(KindOf(converter, 1 - field));
            for (int from = 0; from < fromCount; ++from) {
                for (int to = 0; to < toCount; ++to) {
                    QTest::addRow("%s %s %s to %s", qPrintable(Names[int(converter)]),
                                  field == 0 ? "US" : "metric",
                                  qPrintable(UnitCaption(KindOf(converter, field), from)),
                                  qPrintable(UnitCaption(KindOf(converter, 1 - field), to)))
                        << converter << field << from << to;
                }
            }
        }
    }
}

// A value typed, converted, stored as text and converted back from that text
// returns as typed to 12 significant digits.
void TestCalcConverters::roundTrip() {
    QFETCH(Converter, converter);
    QFETCH(int, field);
    QFETCH(int, from);
    QFETCH(int, to);

    for (const char* typed : {"1", "0.3", "7", "12345.678", "2.5e-7", "7.77e12", "999999.999"}) {
        RField source;
        source.unitKind = KindOf(converter, field);
        source.unitIndex = from;
        source.text = QString::fromLatin1(typed);
        RField other;
        other.unitKind = KindOf(converter, 1 - field);
        other.unitIndex = to;
        const Solved there = field == 0 ? UsToMetric(converter, source.GetReal())
                                        : MetricToUs(converter, source.GetReal());
        QVERIFY(there.ok);
        other.SetReal(there.value.re);
        const Solved back = field == 0 ? MetricToUs(converter, other.GetReal())
                                       : UsToMetric(converter, other.GetReal());
        QVERIFY(back.ok);
        source.SetReal(back.value.re);
        QVERIFY2(Close(ToNumber(source.text), ToNumber(QString::fromLatin1(typed)), 1e-12),
                 qPrintable(QStringLiteral("%1 came back as %2 via %3")
                                .arg(QString::fromLatin1(typed), source.text, other.text)));
    }
}

void TestCalcConverters::footIsTheReciprocalOfTheFactor() {
    // The converter's foot is the wavelength calculators' foot, 1/3.28084 m,
    // and a conversion multiplies by it rather than dividing by 3.28084.
    const CrossFactor& factor = FactorOf(Converter::Length);
    QCOMPARE(factor.k, 3.28084);
    QCOMPARE(factor.reciprocal, UnitMultiplier(0, KindNumber(UnitKind::FeetMeters)));
    QCOMPARE(factor.reciprocal, 0.3047999902464003);
    for (double feet : {1.0, 3.0, 7.0, 100.0, 12345.678})
        QVERIFY(UsToMetric(Converter::Length, feet).value.re == feet * factor.reciprocal);
    QVERIFY(MetricToUs(Converter::Weight, 1000).value.re == 1000 * (1.0 / 28.34953));
    QVERIFY(UsToMetric(Converter::FluidVolume, 128).value.re == 128 * 29.57353);
}

QTEST_GUILESS_MAIN(TestCalcConverters)
#include "tst_calcconverters.moc"
