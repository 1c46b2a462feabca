#include "core/calctypes.h"
#include "core/rcalculation.h"
#include "core/rconfig.h"

#include <QtTest>

class TestCalcTypes : public QObject {
    Q_OBJECT

private slots:
    void newCalculation_data();
    void newCalculation();
    void defaultUnitsFollowTheConfiguration();
    void mismatchedFieldsAreDetected();
    void unknownTypes();
    void labelsAndNames_data();
    void labelsAndNames();
};

void TestCalcTypes::newCalculation_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("help");
    QTest::addColumn<QList<int>>("kinds");
    QTest::addColumn<QList<int>>("units");     // with the initial preferences
    QTest::addColumn<QList<int>>("solutions"); // solution count per field

    QTest::newRow("1") << 1 << "Resistor" << "Resistor:" << 3000 << QList<int>{0, 0, 0}
                       << QList<int>{0, 0, 0} << QList<int>{0, 0, 0};
    QTest::newRow("2") << 2 << "Capacitor" << "Capacitor:" << 3100 << QList<int>{1, 1, 1}
                       << QList<int>{0, 0, 0} << QList<int>{0, 0, 0};
    QTest::newRow("3") << 3 << "Inductor" << "Inductor:" << 3200 << QList<int>{2, 2, 2}
                       << QList<int>{0, 0, 0} << QList<int>{0, 0, 0};
    QTest::newRow("4") << 4 << "Impedance" << "Impedance:" << 3300 << QList<int>{0, 0, 0}
                       << QList<int>{0, 0, 0} << QList<int>{0, 0, 0};
    QTest::newRow("5") << 5 << "ReactanceC" << "Reactance with Capacitors:" << 3400
                       << QList<int>{1, 3, 0} << QList<int>{0, 2, 0} << QList<int>{0, 0, 0};
    QTest::newRow("6") << 6 << "ReactanceI" << "Reactance with Inductors:" << 3500
                       << QList<int>{2, 3, 0} << QList<int>{0, 2, 0} << QList<int>{0, 0, 0};
    QTest::newRow("7") << 7 << "LNetwork" << "L Network:" << 3600 << QList<int>{0, 0, 0, 0}
                       << QList<int>{0, 0, 0, 0} << QList<int>{0, 2, 2, 0};
    QTest::newRow("8") << 8 << "PiNetwork" << "Pi Network:" << 3700 << QList<int>{0, 0, 0, 0, 0}
                       << QList<int>{0, 0, 0, 0, 0} << QList<int>{0, 0, 0, 0, 0};
    QTest::newRow("9") << 9 << "TNetwork" << "T Network:" << 3800 << QList<int>{0, 0, 0, 0, 0}
                       << QList<int>{0, 0, 0, 0, 0} << QList<int>{0, 0, 0, 0, 0};
    QTest::newRow("10") << 10 << "SWR" << "SWR Calculator:" << 3900 << QList<int>{0, 0, 16}
                        << QList<int>{0, 0, 0} << QList<int>{0, 0, 0};
    QTest::newRow("11") << 11 << "Length" << "Conversions: Length" << 3910 << QList<int>{4, 5}
                        << QList<int>{1, 2} << QList<int>{0, 0};
    QTest::newRow("12") << 12 << "Area" << "Conversions: Area" << 3920 << QList<int>{6, 7}
                        << QList<int>{1, 2} << QList<int>{0, 0};
    QTest::newRow("13") << 13 << "VolDry" << "Conversions: Volume (Dry)" << 3930
                        << QList<int>{8, 9} << QList<int>{1, 2} << QList<int>{0, 0};
    QTest::newRow("14") << 14 << "VolFluid" << "Conversions: Volume (Fluid)" << 3940
                        << QList<int>{10, 11} << QList<int>{0, 0} << QList<int>{0, 0};
    QTest::newRow("15") << 15 << "Weight" << "Weight/Mass" << 3950 << QList<int>{12, 13}
                        << QList<int>{1, 1} << QList<int>{0, 0};
    QTest::newRow("16") << 16 << "Wavelen" << "Wavelength/Frequency" << 3960 << QList<int>{3, 14}
                        << QList<int>{2, 1} << QList<int>{0, 0};
    QTest::newRow("17") << 17 << "Dipole" << "Half-Wave Dipole Length" << 3970
                        << QList<int>{3, 14} << QList<int>{2, 1} << QList<int>{0, 0};
    QTest::newRow("18") << 18 << "Resonant" << "Resonant Frequency" << 3980
                        << QList<int>{2, 1, 3} << QList<int>{0, 0, 2} << QList<int>{0, 0, 0};
    QTest::newRow("19") << 19 << "AirCoil" << "Inductance of an Air Core Coil" << 3990
                        << QList<int>{15, 15, 16, 2} << QList<int>{1, 1, 0, 0}
                        << QList<int>{0, 0, 0, 0};
    QTest::newRow("20") << 20 << "AntImped" << "Antenna Impedance using the Autek RF 1" << 3995
                        << QList<int>{3, 0, 16, 0, 0, 0} << QList<int>{2, 0, 0, 0, 0, 0}
                        << QList<int>{0, 0, 0, 0, 0, 2};
}

void TestCalcTypes::newCalculation() {
    QFETCH(int, type);
    QFETCH(QString, word);
    QFETCH(QString, caption);
    QFETCH(int, help);
    QFETCH(QList<int>, kinds);
    QFETCH(QList<int>, units);
    QFETCH(QList<int>, solutions);

    const CalcTypeInfo* info = FindCalcType(type);
    QVERIFY(info);
    QCOMPARE(QString::fromLatin1(info->typeWord), word);
    QCOMPARE(QString::fromLatin1(info->formCaption), caption);
    QCOMPARE(info->helpContext, help);

    const RConfig config;
    const TypeCatalog catalog(config);
    QCOMPARE(catalog.GetTypeName(type), word);
    RCalculation calculation;
    catalog.InitCalculation(type, calculation);
    QCOMPARE(calculation.Type(), type);
    QCOMPARE(calculation.FieldCount(), kinds.size());
    QCOMPARE(calculation.Solution(), -1);
    QVERIFY(HasFieldsOfType(calculation));
    for (int i = 0; i < kinds.size(); ++i) {
        const RField& field = calculation.Field(i);
        QCOMPARE(field.unitKind, kinds[i]);
        QCOMPARE(field.unitIndex, units[i]);
        QCOMPARE(int(field.solutions.size()), solutions[i]);
        for (const RField& solution : field.solutions) {
            QCOMPARE(solution.unitKind, 0);
            QCOMPARE(solution.unitIndex, 0);
            QVERIFY(solution.text.isEmpty());
        }
        // Only the SWR calculator's line impedance starts with a value.
        QCOMPARE(field.text, type == 10 && i == 1 ? QStringLiteral("50") : QString());
    }
}

void TestCalcTypes::defaultUnitsFollowTheConfiguration() {
    RConfig config;
    config.DefaultUnits[0] = 2; // megohms
    config.DefaultUnits[3] = 1; // kilohertz
    const TypeCatalog catalog(config);
    RCalculation swr;
    catalog.InitCalculation(10, swr);
    QCOMPARE(swr.Field(0).unitIndex, 2);
    QCOMPARE(swr.Field(1).text, QStringLiteral("0.00005"));
    QCOMPARE(swr.Field(2).unitIndex, 2);
    RCalculation antenna;
    catalog.InitCalculation(20, antenna);
    QCOMPARE(antenna.Field(0).unitIndex, 1);
    QCOMPARE(antenna.Field(2).unitIndex, 0);
    QCOMPARE(antenna.Field(5).solutions[0].unitIndex, 0);
}

void TestCalcTypes::mismatchedFieldsAreDetected() {
    const RConfig config;
    RCalculation calculation;
    InitCalculationOfType(1, calculation, config);
    QVERIFY(HasFieldsOfType(calculation));
    calculation.Field(2).unitKind = 1;
    QVERIFY(!HasFieldsOfType(calculation));
    calculation.Field(2).unitKind = 0;
    calculation.Fields().pop_back();
    QVERIFY(!HasFieldsOfType(calculation));
    calculation.SetType(21);
    QVERIFY(!HasFieldsOfType(calculation));
}

void TestCalcTypes::unknownTypes() {
    QVERIFY(!FindCalcType(0));
    QVERIFY(!FindCalcType(21));
    const RConfig config;
    const TypeCatalog catalog(config);
    QCOMPARE(catalog.GetTypeName(0), QStringLiteral("Unknown"));
}

void TestCalcTypes::labelsAndNames_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("configuration");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("name");

    QTest::newRow("resistor result") << 1 << 2 << 0 << "Result" << "Rout";
    QTest::newRow("impedance result") << 4 << 2 << 1 << "Result" << "Zout";
    QTest::newRow("dry volume, US") << 13 << 0 << 0 << "US Volume (Dry)" << "US Volume";
    QTest::newRow("dipole length") << 17 << 1 << 0 << "Total Length of Half-Wave Dipole"
                                   << "Dipole Length";
    QTest::newRow("added capacitor") << 20 << 4 << 1 << "Z of added Capacitor"
                                     << "Z of added Capacitor";
    QTest::newRow("added coil") << 20 << 4 << 2 << "Z of added Coil" << "Z of added Coil";
    QTest::newRow("antenna result, never checked") << 20 << 5 << 0 << "Impedance" << "";
    QTest::newRow("beyond the fields") << 1 << 3 << 0 << "" << "";
}

void TestCalcTypes::labelsAndNames() {
    QFETCH(int, type);
    QFETCH(int, field);
    QFETCH(int, configuration);
    QFETCH(QString, label);
    QFETCH(QString, name);
    const CalcTypeInfo& info = *FindCalcType(type);
    QCOMPARE(FieldLabel(info, field, configuration), label);
    QCOMPARE(FieldMessageName(info, field, configuration), name);
}

QTEST_GUILESS_MAIN(TestCalcTypes)
#include "tst_calctypes.moc"
