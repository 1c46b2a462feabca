#include "core/calctypes.h"
#include "core/rconfig.h"
#include "core/rworksheet.h"
#include "core/worksheetrepair.h"

#include <QtTest>

class TestWorksheetRepair : public QObject {
    Q_OBJECT

private slots:
    void defaultWorksheetNeedsNothing();
    void missingTypesGainACalculation();
    void typeWithoutCurrentGetsItsFirstFlagged();
    void currentIndexOutsideIsZero_data();
    void currentIndexOutsideIsZero();
    void fieldsAreCompleted();
    void extraFieldsAreKept();
    void unknownTypesAreLeftAlone();

private:
    RConfig config_;
};

namespace {

std::unique_ptr<RCalculation> Calculation(const CalculatorCatalog& catalog, int type,
                                          const QString& name, bool current = true) {
    auto calculation = std::make_unique<RCalculation>();
    catalog.InitCalculation(type, *calculation);
    calculation->SetName(name);
    calculation->SetCurrent(current);
    return calculation;
}

} // namespace

void TestWorksheetRepair::defaultWorksheetNeedsNothing() {
    const TypeCatalog catalog(config_);
    RWorksheet worksheet;
    worksheet.CreateDefault(catalog);
    worksheet.CurrentIndex = 0;
    QVERIFY(!RepairWorksheet(worksheet, catalog));
    QCOMPARE(worksheet.Count(), 20);
}

void TestWorksheetRepair::missingTypesGainACalculation() {
    const TypeCatalog catalog(config_);
    RWorksheet worksheet;
    // Three resistors, padded as a file of three records is: types 4 to 20.
    for (int i = 0; i < 3; ++i)
        worksheet.Insert(i, Calculation(catalog, 1, "Resistor" + QString::number(i + 1), i == 0));
    // Someone already uses the first capacitor name.
    worksheet.At(2)->SetName(QStringLiteral("Capacitor1"));
    for (int type = 4; type <= 20; ++type)
        worksheet.Insert(worksheet.Count(),
                         Calculation(catalog, type, catalog.GetTypeName(type) + "1"));
    worksheet.CurrentIndex = 0;

    QVERIFY(RepairWorksheet(worksheet, catalog));
    QCOMPARE(worksheet.Count(), 22);
    const int capacitor = worksheet.FindSelected(2);
    const int inductor = worksheet.FindSelected(3);
    QVERIFY(capacitor >= 20 && inductor >= 20);
    QCOMPARE(worksheet.At(capacitor)->Name(), QStringLiteral("Capacitor2"));
    QCOMPARE(worksheet.At(inductor)->Name(), QStringLiteral("Inductor1"));
    QVERIFY(HasFieldsOfType(*worksheet.At(capacitor)));
    for (int type = 1; type <= 20; ++type)
        QVERIFY2(worksheet.FindSelected(type) >= 0, qPrintable(QString::number(type)));
}

void TestWorksheetRepair::typeWithoutCurrentGetsItsFirstFlagged() {
    const TypeCatalog catalog(config_);
    RWorksheet worksheet;
    worksheet.CreateDefault(catalog);
    worksheet.Insert(1, Calculation(catalog, 1, QStringLiteral("Second"), false));
    worksheet.At(0)->SetCurrent(false);
    worksheet.CurrentIndex = 0;
    QVERIFY(RepairWorksheet(worksheet, catalog));
    QCOMPARE(worksheet.FindSelected(1), 0);
    QVERIFY(!worksheet.At(1)->Current());
    QCOMPARE(worksheet.Count(), 21);
}

void TestWorksheetRepair::currentIndexOutsideIsZero_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("repaired");
    QTest::newRow("inside") << 5 << 5;
    QTest::newRow("last") << 19 << 19;
    QTest::newRow("one past") << 20 << 0;
    QTest::newRow("negative") << -1 << 0;
    QTest::newRow("huge") << 99 << 0;
}

void TestWorksheetRepair::currentIndexOutsideIsZero() {
    QFETCH(int, stored);
    QFETCH(int, repaired);
    const TypeCatalog catalog(config_);
    RWorksheet worksheet;
    worksheet.CreateDefault(catalog);
    worksheet.CurrentIndex = stored;
    RepairWorksheet(worksheet, catalog);
    QCOMPARE(worksheet.CurrentIndex, repaired);
}

void TestWorksheetRepair::fieldsAreCompleted() {
    config_.DefaultUnits[0] = 1;
    const TypeCatalog catalog(config_);
    RWorksheet worksheet;
    worksheet.CreateDefault(catalog);
    worksheet.CurrentIndex = 0;
    RCalculation& resistor = *worksheet.At(0);
    resistor.Fields().resize(1);
    resistor.Field(0).text = QStringLiteral("kept");
    RCalculation& capacitor = *worksheet.At(1);
    capacitor.Field(1).unitKind = 7;
    capacitor.Field(1).text = QStringLiteral("wrong kind");
    capacitor.Field(2).text = QStringLiteral("kept too");
    RCalculation& network = *worksheet.At(6);
    network.Field(1).solutions.clear();
    network.Field(2).solutions.resize(1);
    network.Field(2).solutions[0].text = QStringLiteral("solution kept");

    QVERIFY(RepairWorksheet(worksheet, catalog));
    QVERIFY(HasFieldsOfType(resistor));
    QCOMPARE(resistor.Field(0).text, QStringLiteral("kept"));
    QCOMPARE(resistor.Field(1).text, QString());
    QCOMPARE(resistor.Field(2).unitIndex, 1);
    QVERIFY(HasFieldsOfType(capacitor));
    QCOMPARE(capacitor.Field(1).unitKind, 1);
    QCOMPARE(capacitor.Field(1).text, QString());
    QCOMPARE(capacitor.Field(2).text, QStringLiteral("kept too"));
    QCOMPARE(network.Field(1).solutions.size(), size_t(2));
    QCOMPARE(network.Field(2).solutions.size(), size_t(2));
    QCOMPARE(network.Field(2).solutions[0].text, QStringLiteral("solution kept"));
    config_ = RConfig();
}

void TestWorksheetRepair::extraFieldsAreKept() {
    const TypeCatalog catalog(config_);
    RWorksheet worksheet;
    worksheet.CreateDefault(catalog);
    worksheet.CurrentIndex = 0;
    RField extra;
    extra.text = QStringLiteral("extra");
    extra.unitKind = 9;
    worksheet.At(0)->Fields().push_back(extra);
    QVERIFY(!RepairWorksheet(worksheet, catalog));
    QCOMPARE(worksheet.At(0)->FieldCount(), 4);
    QCOMPARE(worksheet.At(0)->Field(3).text, QStringLiteral("extra"));
}

void TestWorksheetRepair::unknownTypesAreLeftAlone() {
    const TypeCatalog catalog(config_);
    RWorksheet worksheet;
    worksheet.CreateDefault(catalog);
    worksheet.CurrentIndex = 0;
    auto stranger = std::make_unique<RCalculation>();
    stranger->SetType(42);
    stranger->SetName(QStringLiteral("Stranger"));
    worksheet.Insert(20, std::move(stranger));
    QVERIFY(!RepairWorksheet(worksheet, catalog));
    QCOMPARE(worksheet.At(20)->FieldCount(), 0);
}

QTEST_GUILESS_MAIN(TestWorksheetRepair)
#include "tst_worksheetrepair.moc"
