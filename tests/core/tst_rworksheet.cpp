#include "support/filebytes.h"
#include "support/messagerecorder.h"

#include "core/calctypes.h"
#include "core/rconfig.h"
#include "core/rworksheet.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The single-calculation worksheet file of the format description.
QByteArray ExampleBytes() {
    return QByteArray::fromHex("254B5657"
                               "00000000"
                               "01000000"
                               "01000000"
                               "09000000526573697374" "6F7231"
                               "01"
                               "01000000"
                               "00000000"
                               "00000000"
                               "03000000"
                               "03000000313030"
                               "00000000"
                               "000000000000000000000000"
                               "03000000322E32"
                               "00000000"
                               "010000000000000000000000"
                               "0000000000000000000000000000000000000000"
                               "FFFFFFFF"
                               "254B5645");
}

} // namespace

using namespace FileBytes;

class TestRWorksheet : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void workedExampleIsWrittenByteForByte();
    void workedExampleReadsIntoTwentyCalculations();
    void padding_data();
    void padding();
    void paddingDoesNotCheckNames();
    void textsSurviveExactly();
    void readFailures_data();
    void readFailures();
    void failedOpenLeavesWorksheetUnchanged();
    void writeToMissingFolder();
    void overlongTextIsRefusedAndOldFileKept();
    void defaultWorksheet();
    void lookups();
    void insertAndRemove();
    void addAfterTheCurrent();
    void removeSelectsTheNeighbour_data();
    void removeSelectsTheNeighbour();
    void selectAndOneCurrentPerType();

private:
    QString Path(const QString& name) const { return dir_.filePath(name); }

    QTemporaryDir dir_;
    RConfig config_;
    std::unique_ptr<TypeCatalog> catalog_;
};

void TestRWorksheet::initTestCase() {
    QVERIFY(dir_.isValid());
    catalog_ = std::make_unique<TypeCatalog>(config_);
}

void TestRWorksheet::init() { config_ = RConfig(); }

void TestRWorksheet::workedExampleIsWrittenByteForByte() {
    RWorksheet worksheet;
    auto calculation = std::make_unique<RCalculation>();
    calculation->SetName(QStringLiteral("Resistor1"));
    catalog_->InitCalculation(1, *calculation);
    calculation->SetCurrent(true);
    calculation->SetConfiguration(1);
    calculation->Field(0).text = QStringLiteral("100");
    calculation->Field(1).text = QStringLiteral("2.2");
    calculation->Field(1).unitIndex = 1;
    worksheet.Insert(0, std::move(calculation));
    worksheet.CurrentIndex = 0;
    worksheet.FileName = Path(QStringLiteral("example.kvw"));

    MessageRecorder messages;
    worksheet.Modified = true;
    QVERIFY(worksheet.Write());
    QVERIFY(worksheet.Modified); // writing leaves the flag to the caller
    const QByteArray bytes = Load(worksheet.FileName);
    QCOMPARE(bytes.size(), 120);
    QCOMPARE(bytes.toHex(' '), ExampleBytes().toHex(' '));
    QVERIFY(messages.boxes.isEmpty());
    // Nothing but the worksheet is left in the folder.
    QCOMPARE(QDir(dir_.path()).entryList(QDir::Files), QStringList{"example.kvw"});
}

void TestRWorksheet::workedExampleReadsIntoTwentyCalculations() {
    const QString path = Path(QStringLiteral("read-example.kvw"));
    QVERIFY(Save(path, ExampleBytes()));
    RWorksheet worksheet;
    worksheet.FileName = path;
    MessageRecorder messages;
    QVERIFY(worksheet.Read(*catalog_));
    QVERIFY(messages.boxes.isEmpty());
    QCOMPARE(worksheet.Count(), 20);
    QCOMPARE(worksheet.CurrentIndex, 0);
    QVERIFY(!worksheet.Modified);
    const RCalculation& first = *worksheet.At(0);
    QCOMPARE(first.Name(), QStringLiteral("Resistor1"));
    QCOMPARE(first.Configuration(), 1);
    QCOMPARE(first.Field(0).text, QStringLiteral("100"));
    QCOMPARE(first.Field(1).text, QStringLiteral("2.2"));
    QCOMPARE(first.Field(1).unitIndex, 1);
    QCOMPARE(first.Field(2).text, QString());
    const QStringList words = {"Capacitor", "Inductor", "Impedance", "ReactanceC", "ReactanceI",
                               "LNetwork", "PiNetwork", "TNetwork", "SWR", "Length", "Area",
                               "VolDry", "VolFluid", "Weight", "Wavelen", "Dipole", "Resonant",
                               "AirCoil", "AntImped"};
    for (int i = 1; i < 20; ++i) {
        QCOMPARE(worksheet.At(i)->Type(), i + 1);
        QCOMPARE(worksheet.At(i)->Name(), words[i - 1] + "1");
        QVERIFY(worksheet.At(i)->Current());
    }
}

void TestRWorksheet::padding_data() {
    QTest::addColumn<QList<int>>("types");
    QTest::addColumn<QList<int>>("expected");

    QList<int> all;
    for (int type = 1; type <= 20; ++type)
        all << type;
    QTest::newRow("no records") << QList<int>{} << all;
    QTest::newRow("three resistors")
        << QList<int>{1, 1, 1} << (QList<int>{1, 1, 1} + all.mid(3));
    QList<int> many;
    for (int i = 0; i < 25; ++i)
        many << (i % 20) + 1;
    QTest::newRow("25 records, no padding") << many << many;
}

void TestRWorksheet::padding() {
    QFETCH(QList<int>, types);
    QFETCH(QList<int>, expected);
    QList<QByteArray> records;
    for (int i = 0; i < types.size(); ++i)
        records << Calculation(types[i], "C" + QByteArray::number(i));
    const QString path = Path(QStringLiteral("padding.kvw"));
    QVERIFY(Save(path, Worksheet(records)));
    RWorksheet worksheet;
    worksheet.FileName = path;
    QVERIFY(worksheet.Read(*catalog_));
    QList<int> read;
    for (int i = 0; i < worksheet.Count(); ++i)
        read << worksheet.At(i)->Type();
    QCOMPARE(read, expected);
}

void TestRWorksheet::paddingDoesNotCheckNames() {
    const QString path = Path(QStringLiteral("names.kvw"));
    QVERIFY(Save(path, Worksheet({Calculation(1, "Area1")})));
    RWorksheet worksheet;
    worksheet.FileName = path;
    QVERIFY(worksheet.Read(*catalog_));
    QCOMPARE(worksheet.At(11)->Type(), 12);
    QCOMPARE(worksheet.At(11)->Name(), QStringLiteral("Area1"));
    QCOMPARE(worksheet.FindByName(QStringLiteral("Area1")), 0);
}

void TestRWorksheet::textsSurviveExactly() {
    RWorksheet worksheet;
    worksheet.CreateDefault(*catalog_);
    worksheet.At(0)->Field(0).text = QStringLiteral("abc");
    worksheet.At(0)->Field(1).text = QStringLiteral("1e3");
    worksheet.At(0)->Field(2).SetTexts(QStringLiteral("  7 "), QStringLiteral("-"));
    worksheet.At(3)->SetName(QString::fromUtf8("Match \xCE\xA9 \xE2\x80\x93 40m"));
    worksheet.CurrentIndex = 3;
    worksheet.FileName = Path(QStringLiteral("texts.kvw"));
    QVERIFY(worksheet.Write());

    RWorksheet read;
    read.FileName = worksheet.FileName;
    QVERIFY(read.Read(*catalog_));
    QCOMPARE(read.CurrentIndex, 3);
    QCOMPARE(read.At(0)->Field(0).text, QStringLiteral("abc"));
    QCOMPARE(read.At(0)->Field(1).text, QStringLiteral("1e3"));
    QCOMPARE(read.At(0)->Field(2).text, QStringLiteral("  7 "));
    QCOMPARE(read.At(0)->Field(2).imagText, QStringLiteral("-"));
    QCOMPARE(read.At(3)->Name(), worksheet.At(3)->Name());
    QCOMPARE(read.At(6)->Field(1).solutions.size(), size_t(2));

    // Writing what was read gives the same bytes again.
    read.FileName = Path(QStringLiteral("texts2.kvw"));
    QVERIFY(read.Write());
    QCOMPARE(Load(read.FileName), Load(worksheet.FileName));
}

void TestRWorksheet::readFailures_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message"); // %1 stands for the path; empty: read succeeds

    const QString invalid = QStringLiteral("Error: The file '%1' did not contain a valid worksheet.");
    const QString reading = QStringLiteral("Error: Error reading the file '%1'.");
    const QByteArray good = Worksheet({Calculation(1, "R")});

    QTest::newRow("empty file") << QByteArray() << invalid;
    QTest::newRow("two bytes") << QByteArray("%K") << invalid;
    QTest::newRow("wrong magic") << QByteArray("%CF2") + good.mid(4) << invalid;
    QTest::newRow("lower-case magic") << QByteArray("%kvw") + good.mid(4) << invalid;
    QTest::newRow("ends after magic") << QByteArray("%KVW") << reading;
    QTest::newRow("ends in the header") << QByteArray("%KVW") + Int32(0) + "\x01" << reading;
    QTest::newRow("no end magic") << good.left(good.size() - 4) << reading;
    QTest::newRow("wrong end magic") << good.left(good.size() - 4) + "%KVX" << reading;
    QTest::newRow("truncated record") << good.left(20) << reading;
    QTest::newRow("negative count") << "%KVW" + Int32(0) + Int32(-1) + "%KVE" << reading;
    QTest::newRow("impossible count")
        << "%KVW" + Int32(0) + Int32(0x7FFFFFFF) + Calculation(1, "R") + "%KVE" << reading;
    QTest::newRow("count above records")
        << "%KVW" + Int32(0) + Int32(2) + Calculation(1, "R") + "%KVE" << reading;
    QTest::newRow("negative field count")
        << "%KVW" + Int32(0) + Int32(1) + Int32(1) + Text("R") + '\x01' + Int32(0) + Int32(0) +
               Int32(0) + Int32(-2) + Int32(-1) + "%KVE"
        << reading;
    QTest::newRow("impossible field count")
        << "%KVW" + Int32(0) + Int32(1) + Int32(1) + Text("R") + '\x01' + Int32(0) + Int32(0) +
               Int32(0) + Int32(100000000) + Int32(-1) + "%KVE"
        << reading;
    QTest::newRow("name above 1023 bytes")
        << Worksheet({Calculation(1, QByteArray(1024, 'n'))}) << reading;
    QTest::newRow("name of 1023 bytes")
        << Worksheet({Calculation(1, QByteArray(1023, 'n'))}) << QString();
    QTest::newRow("negative text length")
        << "%KVW" + Int32(0) + Int32(1) + Int32(1) + Int32(-5) + '\x01' + Int32(0) + Int32(0) +
               Int32(0) + Int32(0) + Int32(-1) + "%KVE"
        << QString();
    QTest::newRow("bytes after the end magic") << good + "garbage after the end" << QString();

    // Counts no real worksheet has, though the file holds the records.
    const QByteArray empty = Calculation(0, "");
    const int most = RWorksheet::MaxCalculations;
    QTest::newRow("the most calculations a worksheet holds")
        << WorksheetHead(most) + empty.repeated(most) + "%KVE" << QString();
    QTest::newRow("one calculation more")
        << WorksheetHead(most + 1) + empty.repeated(most + 1) + "%KVE" << reading;
    QTest::newRow("the most fields a calculation has")
        << Worksheet({CalculationHead(1, "R", RCalculation::MaxFields) +
                      Field().repeated(RCalculation::MaxFields) + Int32(-1)})
        << QString();
    QTest::newRow("one field more")
        << Worksheet({CalculationHead(1, "R", RCalculation::MaxFields + 1) +
                      Field().repeated(RCalculation::MaxFields + 1) + Int32(-1)})
        << reading;
}

void TestRWorksheet::readFailures() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const QString path = Path(QStringLiteral("damaged.kvw"));
    QVERIFY(Save(path, bytes));
    RWorksheet worksheet;
    worksheet.CreateDefault(*catalog_);
    worksheet.CurrentIndex = 7;
    worksheet.FileName = path;
    MessageRecorder messages;
    QCOMPARE(worksheet.Read(*catalog_), message.isEmpty());
    if (message.isEmpty()) {
        QVERIFY(messages.boxes.isEmpty());
        QVERIFY(worksheet.Count() >= 20);
    } else {
        QCOMPARE(messages.boxes, QStringList{message.arg(path)});
        QCOMPARE(messages.kinds.first(), MessageBoxKind::Error);
        // A damaged file leaves the worksheet as it was.
        QCOMPARE(worksheet.Count(), 20);
        QCOMPARE(worksheet.At(19)->Name(), QStringLiteral("AntImped1"));
        QCOMPARE(worksheet.CurrentIndex, 7);
    }
    QVERIFY(!worksheet.Modified);
}

void TestRWorksheet::failedOpenLeavesWorksheetUnchanged() {
    RWorksheet worksheet;
    worksheet.CreateDefault(*catalog_);
    worksheet.CurrentIndex = 5;
    MessageRecorder messages;

    worksheet.FileName = Path(QStringLiteral("does-not-exist.kvw"));
    QVERIFY(!worksheet.Read(*catalog_));
    QCOMPARE(messages.boxes,
             QStringList{QStringLiteral("Error: Could not read the file '%1'.").arg(worksheet.FileName)});
    QCOMPARE(worksheet.Count(), 20);
    QCOMPARE(worksheet.CurrentIndex, 5);

    const QString foreign = Path(QStringLiteral("foreign.kvw"));
    QVERIFY(Save(foreign, "not a worksheet at all"));
    worksheet.FileName = foreign;
    QVERIFY(!worksheet.Read(*catalog_));
    QCOMPARE(worksheet.Count(), 20);
    QCOMPARE(worksheet.CurrentIndex, 5);
}

void TestRWorksheet::writeToMissingFolder() {
    RWorksheet worksheet;
    worksheet.CreateDefault(*catalog_);
    worksheet.Modified = true;
    worksheet.FileName = Path(QStringLiteral("missing/folder/w.kvw"));
    MessageRecorder messages;
    QVERIFY(!worksheet.Write());
    QCOMPARE(messages.boxes,
             QStringList{QStringLiteral("Error: Could not open file '%1' for writing.")
                             .arg(worksheet.FileName)});
    QVERIFY(worksheet.Modified);
}

void TestRWorksheet::overlongTextIsRefusedAndOldFileKept() {
    const QString path = Path(QStringLiteral("keep.kvw"));
    RWorksheet worksheet;
    worksheet.CreateDefault(*catalog_);
    worksheet.FileName = path;
    QVERIFY(worksheet.Write());
    const QByteArray before = Load(path);

    // 342 three-byte characters are 1026 bytes of UTF-8.
    worksheet.At(0)->Field(0).text = QString(342, QChar(0x2126));
    MessageRecorder messages;
    QVERIFY(!worksheet.Write());
    QCOMPARE(messages.boxes,
             QStringList{QStringLiteral("Error: Error writing to file file '%1'. The disk could be full.")
                             .arg(path)});
    QCOMPARE(Load(path), before);
    QCOMPARE(QDir(dir_.path()).entryList({"keep*"}, QDir::Files), QStringList{"keep.kvw"});

    // 341 of them (1023 bytes) are still written and read back.
    worksheet.At(0)->Field(0).text = QString(341, QChar(0x2126));
    QVERIFY(worksheet.Write());
    RWorksheet read;
    read.FileName = path;
    QVERIFY(read.Read(*catalog_));
    QCOMPARE(read.At(0)->Field(0).text, worksheet.At(0)->Field(0).text);

    // Nor is a worksheet of more calculations than a reader takes written.
    while (worksheet.Count() <= RWorksheet::MaxCalculations)
        worksheet.Insert(worksheet.Count(), std::make_unique<RCalculation>());
    QVERIFY(!worksheet.Write());
    QVERIFY(read.Read(*catalog_));
    QCOMPARE(read.Count(), 20);
}

void TestRWorksheet::defaultWorksheet() {
    config_.DefaultUnits[0] = 1; // ohms in K
    RWorksheet worksheet;
    worksheet.CreateDefault(*catalog_);
    QCOMPARE(worksheet.Count(), 20);
    QCOMPARE(worksheet.CurrentIndex, -1);
    QVERIFY(!worksheet.Modified);
    for (int i = 0; i < 20; ++i) {
        const RCalculation& calculation = *worksheet.At(i);
        QCOMPARE(calculation.Type(), i + 1);
        QVERIFY(calculation.Current());
        QCOMPARE(calculation.Solution(), -1);
        QCOMPARE(calculation.Unknown(), 0);
        QCOMPARE(calculation.Configuration(), 0);
        QVERIFY(HasFieldsOfType(calculation));
    }
    QCOMPARE(worksheet.At(0)->Field(0).unitIndex, 1);
    // The SWR calculator's line impedance: 50 ohms, written in the default unit.
    QCOMPARE(worksheet.At(9)->Field(1).text, QStringLiteral("0.05"));
    QCOMPARE(worksheet.At(9)->Field(2).unitIndex, 1);
}

void TestRWorksheet::lookups() {
    RWorksheet worksheet;
    worksheet.CreateDefault(*catalog_);
    auto extra = std::make_unique<RCalculation>();
    catalog_->InitCalculation(3, *extra);
    extra->SetName(QStringLiteral("resistor1"));
    worksheet.Insert(3, std::move(extra));

    QCOMPARE(worksheet.FindByName(QStringLiteral("Resistor1")), 0);
    QCOMPARE(worksheet.FindByName(QStringLiteral("resistor1")), 3);
    QCOMPARE(worksheet.FindByName(QStringLiteral("RESISTOR1")), -1);
    QCOMPARE(worksheet.FindByTypeAndName(3, QStringLiteral("resistor1")), 3);
    QCOMPARE(worksheet.FindByTypeAndName(1, QStringLiteral("resistor1")), -1);
    QCOMPARE(worksheet.CountOfType(3), 2);
    QCOMPARE(worksheet.FindSelected(3), 2);
    worksheet.At(2)->SetCurrent(false);
    QCOMPARE(worksheet.FindSelected(3), -1);
    QCOMPARE(worksheet.IndexOf(worksheet.At(7)), 7);
    RCalculation stranger;
    QCOMPARE(worksheet.IndexOf(&stranger), -1);
}

void TestRWorksheet::insertAndRemove() {
    RWorksheet worksheet;
    worksheet.CreateDefault(*catalog_);
    RCalculation* second = worksheet.At(1);
    auto removed = worksheet.Remove(0);
    QCOMPARE(removed->Name(), QStringLiteral("Resistor1"));
    QCOMPARE(worksheet.Count(), 19);
    QCOMPARE(worksheet.At(0), second);
    worksheet.Insert(1, std::move(removed));
    QCOMPARE(worksheet.At(1)->Name(), QStringLiteral("Resistor1"));
    worksheet.Clear();
    QCOMPARE(worksheet.Count(), 0);
    QCOMPARE(worksheet.CurrentIndex, -1);
}

void TestRWorksheet::addAfterTheCurrent() {
    RWorksheet worksheet;
    worksheet.CreateDefault(*catalog_);
    worksheet.CurrentIndex = 5;
    RCalculation* first = worksheet.At(2);
    auto calculation = std::make_unique<RCalculation>();
    calculation->SetType(3);
    RCalculation* added = worksheet.AddAfter(first, std::move(calculation));
    QCOMPARE(worksheet.IndexOf(added), 3);
    QVERIFY(added->Current());
    QVERIFY(!first->Current());
    QVERIFY(worksheet.Modified);
    QCOMPARE(worksheet.CurrentIndex, 5); // left for the main window to set
}

void TestRWorksheet::removeSelectsTheNeighbour_data() {
    QTest::addColumn<QList<int>>("types"); // of the calculations, in order
    QTest::addColumn<int>("removed");
    QTest::addColumn<int>("selected"); // its index afterwards, -1 none
    QTest::newRow("the first: the next") << QList<int>{1, 3, 3, 3} << 1 << 1;
    QTest::newRow("a later one: the one before") << QList<int>{1, 3, 3, 3} << 3 << 2;
    QTest::newRow("type apart: the first of it") << QList<int>{3, 1, 3} << 2 << 0;
    QTest::newRow("the last of its type") << QList<int>{1, 3} << 1 << -1;
}

void TestRWorksheet::removeSelectsTheNeighbour() {
    QFETCH(QList<int>, types);
    QFETCH(int, removed);
    QFETCH(int, selected);
    RWorksheet worksheet;
    for (int type : types) {
        auto calculation = std::make_unique<RCalculation>();
        calculation->SetType(type);
        worksheet.Insert(worksheet.Count(), std::move(calculation));
    }
    RCalculation* neighbour = worksheet.RemoveAndSelectNeighbour(worksheet.At(removed));
    QCOMPARE(worksheet.Count(), types.size() - 1);
    QCOMPARE(worksheet.IndexOf(neighbour), selected);
    if (neighbour) {
        QVERIFY(neighbour->Current());
        QCOMPARE(worksheet.CurrentIndex, selected);
    }
    QVERIFY(worksheet.Modified);
}

void TestRWorksheet::selectAndOneCurrentPerType() {
    RWorksheet worksheet;
    for (int type : {2, 2, 2, 5}) {
        auto calculation = std::make_unique<RCalculation>();
        calculation->SetType(type);
        calculation->SetCurrent(true);
        worksheet.Insert(worksheet.Count(), std::move(calculation));
    }
    worksheet.Select(worksheet.At(1));
    QCOMPARE(worksheet.CurrentIndex, 1);
    QCOMPARE(worksheet.FindSelected(2), 1);
    QVERIFY(!worksheet.At(0)->Current() && !worksheet.At(2)->Current());
    QVERIFY(worksheet.At(3)->Current());
    QVERIFY(!worksheet.KeepOneCurrentPerType());
    worksheet.At(1)->SetCurrent(false);
    worksheet.At(2)->SetCurrent(true);
    worksheet.At(3)->SetCurrent(false);
    QVERIFY(worksheet.KeepOneCurrentPerType());
    QCOMPARE(worksheet.FindSelected(2), 2);
    QVERIFY(worksheet.At(3)->Current());
    QVERIFY(!worksheet.Modified);
}

QTEST_GUILESS_MAIN(TestRWorksheet)
#include "tst_rworksheet.moc"
