#include "support/messagerecorder.h"

#include "core/filenames.h"
#include "core/messages.h"
#include "core/units.h"

#include <QtTest>

class TestUnits : public QObject {
    Q_OBJECT

private slots:
    void multiplier_data();
    void multiplier();
    void unknownKindReportsOnceAndGivesZero_data();
    void unknownKindReportsOnceAndGivesZero();
    void conversions_data();
    void conversions();
    void captionsAndDefaults();
    void messagePrefixes();
    void fileNames_data();
    void fileNames();
};

void TestUnits::multiplier_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("expected");

    const struct {
        int kind;
        std::initializer_list<double> values;
    } table[] = {
        {0, {1, 1000, 1000000}},
        {1, {1E-12, 1E-6, 1}},
        {2, {1E-6, 0.001, 1}},
        {3, {1, 1000, 1000000}},
        {4, {1.0 / 12, 1, 3, 5280}},
        {5, {0.001, 0.01, 1, 1000}},
        {6, {1.0 / 144, 1, 9, 43560, 27878400}},
        {7, {1E-6, 1E-4, 1, 10000, 1000000}},
        {8, {1.0 / 1728, 1, 27}},
        {9, {1E-9, 1E-6, 1}},
        {10, {1, 32, 128}},
        {11, {1, 1000}},
        {12, {1, 16, 32000}},
        {13, {1, 1000, 1000000}},
        {14, {0.3047999902464003, 1}},
        {15, {1, 0.39370078740157477}},
    };
    for (const auto& row : table) {
        int index = 0;
        for (double value : row.values) {
            QTest::addRow("kind %d index %d", row.kind, index) << row.kind << index << value;
            ++index;
        }
        // An index the kind does not list stands for its first unit.
        QTest::addRow("kind %d index %d (not listed)", row.kind, index)
            << row.kind << index << *row.values.begin();
    }
    for (int index = 0; index < 5; ++index)
        QTest::addRow("dimensionless index %d", index) << 16 << index << 1.0;
    QTest::newRow("negative index") << 1 << -1 << 1E-12;
    QTest::newRow("far index") << 3 << 1000 << 1.0;
}

void TestUnits::multiplier() {
    QFETCH(int, kind);
    QFETCH(int, index);
    QFETCH(double, expected);
    MessageRecorder messages;
    QCOMPARE(UnitMultiplier(index, kind), expected);
    QVERIFY(messages.boxes.isEmpty());
}

void TestUnits::unknownKindReportsOnceAndGivesZero_data() {
    QTest::addColumn<int>("kind");
    QTest::newRow("17") << 17;
    QTest::newRow("-1") << -1;
    QTest::newRow("1000") << 1000;
}

void TestUnits::unknownKindReportsOnceAndGivesZero() {
    QFETCH(int, kind);
    MessageRecorder messages;
    QCOMPARE(FromBaseUnits(5.0, 0, kind), 0.0);
    QCOMPARE(messages.boxes, QStringList{"Error: Unknown unit type."});
    QCOMPARE(messages.kinds.first(), MessageBoxKind::Error);
    messages.Reset();
    QCOMPARE(ToBaseUnits(5.0, 0, kind), 0.0);
    QCOMPARE(messages.boxes, QStringList{"Error: Unknown unit type."});
}

void TestUnits::conversions_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("fromIndex");
    QTest::addColumn<int>("toIndex");
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("expected");

    QTest::newRow("1500 ohm in K") << 1500.0 << 0 << 1 << 0 << 1.5;
    QTest::newRow("1.5 K in ohm") << 1.5 << 1 << 0 << 0 << 1500.0;
    QTest::newRow("US ton in ounces") << 1.0 << 2 << -1 << 12 << 32000.0;
    QTest::newRow("tonne in grams") << 1.0 << 2 << -1 << 13 << 1000000.0;
    QTest::newRow("US quart in fl oz") << 1.0 << 1 << -1 << 10 << 32.0;
    QTest::newRow("100 ft in metres") << 100.0 << 0 << -1 << 14 << 30.47999902464003;
    QTest::newRow("2.54 cm in inches") << 2.54 << 1 << -1 << 15 << 1.0;
}

void TestUnits::conversions() {
    QFETCH(double, value);
    QFETCH(int, fromIndex);
    QFETCH(int, toIndex);
    QFETCH(int, kind);
    QFETCH(double, expected);
    const double base = ToBaseUnits(value, fromIndex, kind);
    // toIndex -1: compare the base value itself.
    const double result = toIndex < 0 ? base : FromBaseUnits(base, toIndex, kind);
    QCOMPARE(result, expected);
}

void TestUnits::captionsAndDefaults() {
    QCOMPARE(UnitCaption(0, 0), QString());
    QCOMPARE(UnitCaption(0, 1), QStringLiteral("K"));
    QCOMPARE(UnitCaption(3, 1), QStringLiteral("KHz"));
    QCOMPARE(UnitCaption(14, 1), QStringLiteral("meters"));
    QCOMPARE(UnitCaption(6, 3), QStringLiteral("acre"));
    QCOMPARE(UnitCaption(1, 3), QString());
    // A reader of a stored index sees the unit the index stands for.
    QCOMPARE(UnitSymbol(1, 3), QStringLiteral("pF"));
    QCOMPARE(UnitSymbol(0, -1), QStringLiteral("\u03A9"));
    QCOMPARE(UnitSymbol(3, 2), QStringLiteral("MHz"));
    QCOMPARE(UnitSymbol(16, 4), QString());
    QCOMPARE(ListedUnit(6, 4), 4);
    QCOMPARE(ListedUnit(11, 2), 0);
    QCOMPARE(ListedUnit(17, 1), 0);
    const int factory[17] = {0, 0, 0, 2, 1, 2, 1, 2, 1, 2, 0, 0, 1, 1, 1, 1, 0};
    for (int kind = 0; kind < 17; ++kind)
        QCOMPARE(FactoryDefaultUnit(kind), factory[kind]);
    QCOMPARE(UnitCount(6), 5);
    QCOMPARE(UnitCount(16), 0);
}

void TestUnits::messagePrefixes() {
    MessageRecorder messages;
    ShowError(QStringLiteral("a"));
    ShowWarningBox(QStringLiteral("b"));
    FatalError(QStringLiteral("c"));
    QCOMPARE(messages.boxes,
             (QStringList{"Error: a", "Warning: b", "Fatal Error: c"}));
    QCOMPARE(messages.kinds, (QList<MessageBoxKind>{MessageBoxKind::Error, MessageBoxKind::Warning,
                                                    MessageBoxKind::Fatal}));
    QCOMPARE(messages.terminations, 1);
    ShowWarning(QStringLiteral("Error: x"));
    QCOMPARE(messages.warning, QStringLiteral("Error: x"));
    ClearWarning();
    QCOMPARE(messages.warning, QString());
}

void TestUnits::fileNames_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("baseName");
    QTest::addColumn<QString>("folder");

    QTest::newRow("windows path") << "C:\\work\\antenna.old.kvw" << "antenna.old.kvw"
                                  << "antenna.old" << "C:\\work\\";
    QTest::newRow("forward slashes") << "C:/work/antenna.kvw" << "antenna.kvw" << "antenna"
                                     << "C:/work/";
    QTest::newRow("bare name") << "antenna.kvw" << "antenna.kvw" << "antenna" << "";
    QTest::newRow("no extension") << "/home/ham/dipole" << "dipole" << "dipole" << "/home/ham/";
    QTest::newRow("mixed separators") << "/a\\b/c.kvw" << "c.kvw" << "c" << "/a\\b/";
    QTest::newRow("dot in folder only") << "/a.b/c" << "c" << "c" << "/a.b/";
    QTest::newRow("empty") << "" << "" << "" << "";
}

void TestUnits::fileNames() {
    QFETCH(QString, path);
    QFETCH(QString, fileName);
    QFETCH(QString, baseName);
    QFETCH(QString, folder);
    QCOMPARE(ExtractFileName(path), fileName);
    QCOMPARE(ExtractBaseName(path), baseName);
    QCOMPARE(ExtractFilePath(path), folder);
}

QTEST_GUILESS_MAIN(TestUnits)
#include "tst_units.moc"
