#include "support/filebytes.h"
#include "support/messagerecorder.h"

#include "core/binaryio.h"
#include "core/calctypes.h"
#include "core/rconfig.h"
#include "core/rworksheet.h"
#include "core/worksheetextras.h"
#include "core/worksheetrepair.h"

#include <QBuffer>
#include <QtTest>

class TestWorksheetExtras : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { catalog_ = std::make_unique<TypeCatalog>(config_); }
    void extras();
    void roundTripWritesTheBlockAfterTheEnd();
    void cutAtTheEndReadsTheSameCalculations();
    void damagedBlock_data();
    void damagedBlock();
    void extrasFollowTheirCalculation();
    void extrasSurvivePaddingAndRepair();

private:
    QByteArray Written(const RWorksheet& worksheet) const;
    bool ReadBytes(QByteArray bytes, RWorksheet& worksheet) const;

    RConfig config_;
    std::unique_ptr<TypeCatalog> catalog_;
};

using namespace FileBytes;

namespace {

// Two calculations without fields, an L and a Pi network.
QByteArray TwoCalculations() {
    return Worksheet({Calculation(7, "L"), Calculation(8, "P")});
}

QStringList AllExtras(const RExtras& extras) {
    QStringList pairs;
    for (int k = 0; k < extras.Count(); ++k)
        pairs << extras.KeyAt(k) + "=" + extras.ValueAt(k);
    return pairs;
}

QList<QStringList> AllExtras(const RWorksheet& worksheet) {
    QList<QStringList> all;
    for (int i = 0; i < worksheet.Count(); ++i)
        all << AllExtras(worksheet.At(i)->Extras());
    return all;
}

} // namespace

QByteArray TestWorksheetExtras::Written(const RWorksheet& worksheet) const {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return worksheet.WriteTo(buffer) ? bytes : QByteArray("failed");
}

bool TestWorksheetExtras::ReadBytes(QByteArray bytes, RWorksheet& worksheet) const {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return worksheet.ReadFrom(buffer, *catalog_);
}

void TestWorksheetExtras::extras() {
    RExtras extras;
    QVERIFY(extras.Set("Q", "5") && extras.Set("a.b-c_9", "x") && extras.Set("Q", "10"));
    QVERIFY(extras.Set(QString(32, 'k'), QString(341, QChar(0x2126)))); // 1023 bytes
    // Refused: no key, a blank, not ASCII, 33 characters, 1026 bytes.
    for (const QString& key : {QString(), QString("two words"), QString("Ω"), QString(33, 'k')})
        QVERIFY(!extras.Set(key, "1"));
    QVERIFY(!extras.Set("Long", QString(342, QChar(0x2126))));
    QCOMPARE(
        AllExtras(extras),
        QStringList({"Q=10", "a.b-c_9=x", QString(32, 'k') + "=" + QString(341, QChar(0x2126))}));
    QVERIFY(extras.Set("Q", QString()));
    extras.Remove(QString(32, 'k'));
    extras.Remove("Absent");
    QCOMPARE(AllExtras(extras), QStringList{"a.b-c_9=x"});
    QVERIFY(extras.Has("a.b-c_9") && !extras.Has("Q"));
    QCOMPARE(extras.Value("a.b-c_9"), QStringLiteral("x"));
    QCOMPARE(extras.Value("Q"), QString());
}

void TestWorksheetExtras::roundTripWritesTheBlockAfterTheEnd() {
    RWorksheet worksheet;
    worksheet.CreateDefault(*catalog_);
    worksheet.CurrentIndex = 6;
    worksheet.At(8)->SetUnknown(2); // the T network's design, from its Q
    const QByteArray documented = Written(worksheet);
    QVERIFY(documented.endsWith("%KVE"));
    // An extra set and emptied again leaves no block.
    worksheet.At(7)->Extras().Set(ExtraKeys::Q, QStringLiteral("5"));
    worksheet.At(7)->Extras().Set(ExtraKeys::Q, QString());
    QCOMPARE(Written(worksheet), documented);
    worksheet.At(6)->Extras().Set(ExtraKeys::DesignFrequency, QStringLiteral("7.1"));
    worksheet.At(6)->Extras().Set(ExtraKeys::DesignFrequencyUnit, QStringLiteral("2"));
    worksheet.At(8)->Extras().Set(ExtraKeys::Q, QStringLiteral("12,5"));
    worksheet.At(8)->Extras().Set(QStringLiteral("Note"), QString::fromUtf8("40 m \xCE\xA9"));

    const QByteArray bytes = Written(worksheet);
    QCOMPARE(bytes,
             documented + ExtrasBlock({Extra(6, "DesignFrequency", "7.1"),
                                       Extra(6, "DesignFrequencyUnit", "2"), Extra(8, "Q", "12,5"),
                                       Extra(8, "Note", "40 m \xCE\xA9")}));
    RWorksheet read;
    MessageRecorder messages;
    QVERIFY(ReadBytes(bytes, read));
    QCOMPARE(AllExtras(read), AllExtras(worksheet));
    QCOMPARE(read.At(8)->Unknown(), 2);
    QVERIFY(messages.warnings.isEmpty());
    QCOMPARE(Written(read), bytes);
}

void TestWorksheetExtras::cutAtTheEndReadsTheSameCalculations() {
    RWorksheet worksheet;
    worksheet.CreateDefault(*catalog_);
    worksheet.At(0)->Field(0).text = QStringLiteral("100");
    worksheet.At(6)->Extras().Set(ExtraKeys::DesignFrequency, QStringLiteral("14.2"));
    const QByteArray bytes = Written(worksheet);
    const QByteArray cut = bytes.left(bytes.indexOf("%KVE") + 4);
    QVERIFY(cut.size() < bytes.size());

    RWorksheet read;
    MessageRecorder messages;
    QVERIFY(ReadBytes(cut, read));
    QVERIFY(messages.warnings.isEmpty() && messages.boxes.isEmpty());
    QCOMPARE(read.Count(), 20);
    QCOMPARE(read.At(0)->Field(0).text, QStringLiteral("100"));
    QVERIFY(read.At(6)->Extras().IsEmpty());
    QCOMPARE(Written(read), cut);
}

void TestWorksheetExtras::damagedBlock_data() {
    QTest::addColumn<QByteArray>("after"); // what follows "%KVE"
    QTest::addColumn<bool>("dropped");     // false: no block, quietly ignored

    const QByteArray good = ExtrasBlock({Extra(0, "Q", "5"), Extra(1, "DesignFrequency", "7.1")});
    QTest::newRow("sound: read") << good << false;
    QTest::newRow("foreign bytes: ignored") << QByteArray("garbage after the end") << false;
    QTest::newRow("bytes after the end marker: ignored") << good + "more" << false;
    QTest::newRow("magic only") << QByteArray("%KVX") << true;
    QTest::newRow("truncated in an entry") << good.left(good.size() - 8) << true;
    QTest::newRow("no end marker") << good.left(good.size() - 4) << true;
    QTest::newRow("wrong end marker") << good.left(good.size() - 4) + "%KVE" << true;
    QTest::newRow("unknown version") << ExtrasBlock({Extra(0, "Q", "5")}, 2) << true;
    QTest::newRow("negative count") << "%KVX" + Int32(1) + Int32(-1) + "%KXE" << true;
    QTest::newRow("count beyond the bytes")
        << "%KVX" + Int32(1) + Int32(0x7FFFFFFF) + Extra(0, "Q", "5") + "%KXE" << true;
    QTest::newRow("count above the entries")
        << "%KVX" + Int32(1) + Int32(2) + Extra(0, "Q", "5") + "%KXE" + QByteArray(20, 'x') << true;
    QTest::newRow("position beyond the calculations") << ExtrasBlock({Extra(2, "Q", "5")}) << true;
    QTest::newRow("key with a blank") << ExtrasBlock({Extra(0, "Design Frequency", "5")}) << true;
    QTest::newRow("key too long") << ExtrasBlock({Extra(0, QByteArray(33, 'k'), "5")}) << true;
    QTest::newRow("empty value") << ExtrasBlock({Extra(0, "Q", "")}) << true;
    QTest::newRow("value above 1023 bytes")
        << ExtrasBlock({Extra(0, "Q", QByteArray(1024, 'v'))}) << true;
    QTest::newRow("value of 1023 bytes")
        << ExtrasBlock({Extra(0, "Q", QByteArray(1023, 'v'))}) << false;
    QTest::newRow("value not UTF-8, too long decoded")
        << ExtrasBlock({Extra(0, "Q", QByteArray(1000, '\xFF'))}) << true;
    QTest::newRow("key twice") << ExtrasBlock({Extra(0, "Q", "5"), Extra(0, "Q", "6")}) << true;
    QTest::newRow("bad entry after good ones")
        << ExtrasBlock({Extra(0, "Q", "5"), Extra(1, "Q", "6"), Extra(9, "Q", "7")}) << true;
}

void TestWorksheetExtras::damagedBlock() {
    QFETCH(QByteArray, after);
    QFETCH(bool, dropped);
    RWorksheet plain;
    QVERIFY(ReadBytes(TwoCalculations(), plain));

    RWorksheet read;
    MessageRecorder messages;
    QVERIFY(ReadBytes(TwoCalculations() + after, read));
    QVERIFY(messages.boxes.isEmpty());
    // The calculations are those of the file without the block.
    RWorksheet withoutExtras;
    QVERIFY(ReadBytes(Written(read), withoutExtras));
    for (int i = 0; i < withoutExtras.Count(); ++i)
        withoutExtras.At(i)->Extras().Clear();
    QCOMPARE(Written(withoutExtras), Written(plain));
    if (dropped) {
        QCOMPARE(messages.warnings, QStringList{ExtrasDroppedMessage()});
        QVERIFY(ExtrasDroppedMessage().startsWith(QStringLiteral("Warning: ")));
        QCOMPARE(AllExtras(read), AllExtras(plain));
    } else {
        QVERIFY(messages.warnings.isEmpty());
    }
}

void TestWorksheetExtras::extrasFollowTheirCalculation() {
    RWorksheet worksheet;
    worksheet.CreateDefault(*catalog_);
    worksheet.At(6)->Extras().Set(ExtraKeys::DesignFrequency, QStringLiteral("3.6"));
    worksheet.At(8)->Extras().Set(ExtraKeys::Q, QStringLiteral("4"));
    // A new calculation in front, one removed before them, the T network
    // moved to the front and the Pi network renamed.
    auto fresh = std::make_unique<RCalculation>();
    catalog_->InitCalculation(1, *fresh);
    fresh->SetName(QStringLiteral("Resistor2"));
    worksheet.Insert(0, std::move(fresh));
    auto removed = worksheet.Remove(3);
    QCOMPARE(removed->Name(), QStringLiteral("Inductor1"));
    worksheet.Insert(0, worksheet.Remove(worksheet.FindByName(QStringLiteral("TNetwork1"))));
    worksheet.At(worksheet.FindByName(QStringLiteral("PiNetwork1")))->SetName("Match");

    RWorksheet read;
    QVERIFY(ReadBytes(Written(worksheet), read));
    QCOMPARE(read.At(0)->Extras().Value(ExtraKeys::Q), QStringLiteral("4"));
    const RCalculation& network = *read.At(read.FindByName(QStringLiteral("LNetwork1")));
    QCOMPARE(network.Extras().Value(ExtraKeys::DesignFrequency), QStringLiteral("3.6"));
    int withExtras = 0;
    for (int i = 0; i < read.Count(); ++i)
        withExtras += read.At(i)->Extras().IsEmpty() ? 0 : 1;
    QCOMPARE(withExtras, 2);
}

void TestWorksheetExtras::extrasSurvivePaddingAndRepair() {
    RWorksheet read;
    QVERIFY(ReadBytes(TwoCalculations() +
                          ExtrasBlock({Extra(0, "DesignFrequency", "7.1"), Extra(1, "Q", "3")}),
                      read));
    QCOMPARE(read.Count(), 20);
    QVERIFY(RepairWorksheet(read, *catalog_)); // the fields of both, the missing types
    QVERIFY(HasFieldsOfType(*read.At(0)));
    QCOMPARE(read.At(0)->Extras().Value(ExtraKeys::DesignFrequency), QStringLiteral("7.1"));
    QCOMPARE(read.At(1)->Extras().Value(ExtraKeys::Q), QStringLiteral("3"));
    for (int i = 2; i < read.Count(); ++i)
        QVERIFY(read.At(i)->Extras().IsEmpty());
}

QTEST_GUILESS_MAIN(TestWorksheetExtras)
#include "tst_worksheetextras.moc"
