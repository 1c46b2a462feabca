#include "support/filebytes.h"
#include "support/messagerecorder.h"

#include "core/binaryio.h"
#include "core/rcalculation.h"
#include "core/rfield.h"

#include <QBuffer>
#include <QtTest>

#include <cmath>
#include <limits>

namespace {

RField Field(const QString& text, const QString& imag = QString(), int unitIndex = 0,
             int unitKind = 0) {
    RField field;
    field.SetTexts(text, imag);
    field.unitIndex = unitIndex;
    field.unitKind = unitKind;
    return field;
}

QByteArray Written(const RField& field) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    BinaryWriter writer(buffer);
    field.Write(writer);
    return bytes;
}

} // namespace

class TestRField : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void validate_data();
    void validate();
    void format_data();
    void format();
    void setValues();
    void storeResult_data();
    void storeResult();
    void changeUnit_data();
    void changeUnit();
    void storeSolutionsAllOrNothing();
    void complexArithmetic();
    void recordLayout();
    void solutionsReadInOrder();
    void damagedRecords_data();
    void damagedRecords();
    void allowanceEndsReading();
    void calculationRecord();
    void currentByteAndReservedSurvive();
};

void TestRField::validate_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("imag");
    QTest::addColumn<bool>("allowNegative");
    QTest::addColumn<QString>("warning");

    QTest::newRow("empty is valid") << "" << "" << false << "";
    QTest::newRow("number") << "100" << "" << false << "";
    QTest::newRow("invalid real")
        << "abc" << "" << false << "Error: Real value for R1 did not contain a valid number.";
    QTest::newRow("invalid imaginary")
        << "1" << "x" << false << "Error: Imaginary value for R1 did not contain a valid number.";
    QTest::newRow("both invalid: real first")
        << "abc" << "x" << false << "Error: Real value for R1 did not contain a valid number.";
    QTest::newRow("negative refused") << "-5" << "" << false << "Error: Value for R1 cannot be negative.";
    QTest::newRow("negative allowed") << "-5" << "" << true << "";
    QTest::newRow("negative imaginary") << "5" << "-5" << false << "";
    QTest::newRow("invalid before negative")
        << "-5" << "x" << false << "Error: Imaginary value for R1 did not contain a valid number.";
    QTest::newRow("lone minus") << "-" << "" << true
                                << "Error: Real value for R1 did not contain a valid number.";
}

void TestRField::validate() {
    QFETCH(QString, text);
    QFETCH(QString, imag);
    QFETCH(bool, allowNegative);
    QFETCH(QString, warning);
    MessageRecorder messages;
    const RField field = Field(text, imag);
    QCOMPARE(field.Validate(QStringLiteral("R1"), allowNegative), warning.isEmpty());
    QCOMPARE(messages.warnings, warning.isEmpty() ? QStringList() : QStringList{warning});
    QVERIFY(messages.boxes.isEmpty());
}

void TestRField::format_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("precision");
    QTest::addColumn<QString>("shown");

    QTest::newRow("empty") << "" << 8 << "";
    QTest::newRow("invalid kept") << "abc" << 8 << "abc";
    QTest::newRow("lone minus kept") << "-" << 8 << "-";
    QTest::newRow("third") << "0.333333333333333" << 8 << "0.33333333";
    QTest::newRow("small") << "0.00000015" << 8 << "1.5E-07";
    QTest::newRow("exponent text") << "1e3" << 8 << "1000";
    QTest::newRow("precision 3") << "95.6521739130435" << 3 << "95.7";
}

void TestRField::format() {
    QFETCH(QString, text);
    QFETCH(int, precision);
    QFETCH(QString, shown);
    const RField field = Field(text, text);
    QCOMPARE(field.FormatReal(precision), shown);
    QCOMPARE(field.FormatImag(precision), shown);
}

void TestRField::setValues() {
    RField field = Field(QString(), QString(), 0, 0);
    field.SetReal(1.0 / 3);
    QCOMPARE(field.text, QStringLiteral("0.333333333333333"));
    QCOMPARE(field.unitIndex, 0);

    // A new unit index takes effect before the value is written.
    field.SetComplex(2300.0, -460.0, 1);
    QCOMPARE(field.unitIndex, 1);
    QCOMPARE(field.text, QStringLiteral("2.3"));
    QCOMPARE(field.imagText, QStringLiteral("-0.46"));
    QCOMPARE(field.GetReal(), 2300.0);
    QCOMPARE(field.GetImag(), -460.0);

    // -1 keeps the unit.
    field.SetComplex(5000.0, 0.0, -1);
    QCOMPARE(field.text, QStringLiteral("5"));
    QCOMPARE(field.imagText, QStringLiteral("0"));

    RField capacitance = Field(QStringLiteral("100"), QString(), 0, 1);
    QCOMPARE(capacitance.GetReal(), 100e-12);
    QCOMPARE(Field(QString()).GetReal(), 0.0);
    QCOMPARE(Field(QStringLiteral("abc")).GetReal(), 0.0);
}

void TestRField::complexArithmetic() {
    const Complex a(50, 30);
    const Complex b(20, -40);
    const Complex p = a * b / (a + b);
    QCOMPARE(p.re, 33.6);
    QCOMPARE(p.im, -15.2);
    QCOMPARE(norm(Complex(3, 4)), 25.0);
    QCOMPARE(norm(Complex(0, 100) + Complex(0, -100)), 0.0);
    Complex c(1, 1);
    c *= Complex(1, -1);
    QCOMPARE(c, Complex(2, 0));
    c /= Complex(0, 2);
    QCOMPARE(c, Complex(0, -1));
    c -= Complex(1, 1);
    QCOMPARE(c, Complex(-1, -2));
}

void TestRField::recordLayout() {
    RField field = Field(QStringLiteral("100"), QString(), 1, 0);
    field.solutions.resize(1);
    const QByteArray expected = QByteArray::fromHex("03000000313030"
                                                    "00000000"
                                                    "01000000"
                                                    "00000000"
                                                    "01000000"
                                                    "0000000000000000000000000000000000000000");
    QCOMPARE(Written(field), expected);
}

void TestRField::solutionsReadInOrder() {
    RField field;
    field.solutions.resize(2);
    field.solutions[0].SetTexts(QStringLiteral("1"), QStringLiteral("2"));
    field.solutions[1].SetTexts(QStringLiteral("3"), QStringLiteral("4"));
    field.solutions[1].unitIndex = 2;
    QByteArray bytes = Written(field);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    BinaryReader reader(buffer);
    RField read;
    read.Read(reader);
    QVERIFY(!reader.HasError());
    QCOMPARE(int(read.solutions.size()), 2);
    QCOMPARE(read.solutions[0].text, QStringLiteral("1"));
    QCOMPARE(read.solutions[1].imagText, QStringLiteral("4"));
    QCOMPARE(read.solutions[1].unitIndex, 2);
}

void TestRField::damagedRecords_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("error");
    QTest::addColumn<QString>("text");

    const QByteArray tail = QByteArray::fromHex("00000000" "00000000" "00000000" "00000000");
    QTest::newRow("length -3 is empty and reads nothing more")
        << QByteArray::fromHex("FDFFFFFF") + tail << false << "";
    QTest::newRow("length 0") << QByteArray::fromHex("00000000") + tail << false << "";
    QTest::newRow("length 1023 allowed")
        << QByteArray::fromHex("FF030000") + QByteArray(1023, 'a') + tail << false
        << QString(1023, u'a');
    QTest::newRow("length 1024 refused")
        << QByteArray::fromHex("00040000") + QByteArray(1024, 'a') + tail << true << "";
    QTest::newRow("length beyond the data") << QByteArray::fromHex("FFFF0000") + "abc" << true << "";
    QTest::newRow("truncated") << QByteArray::fromHex("0300000031") << true << "";
    QTest::newRow("negative solution count")
        << QByteArray::fromHex("00000000" "00000000" "00000000" "00000000" "FFFFFFFF") << true
        << "";
    QTest::newRow("impossible solution count")
        << QByteArray::fromHex("00000000" "00000000" "00000000" "00000000" "FFFFFF7F") << true
        << "";
    QByteArray deep;
    for (int level = 0; level < 40; ++level)
        deep += QByteArray::fromHex("00000000" "00000000" "00000000" "00000000" "01000000");
    deep += QByteArray::fromHex("00000000" "00000000" "00000000" "00000000" "00000000");
    QTest::newRow("solutions nested too deep") << deep << true << "";
    const int most = RField::MaxSolutions;
    QTest::newRow("the most solutions a field has")
        << FileBytes::FieldHead(most) + FileBytes::Field().repeated(most) << false << "";
    QTest::newRow("one solution more")
        << FileBytes::FieldHead(most + 1) + FileBytes::Field().repeated(most + 1) << true << "";
}

// Whatever its counts say, a record holds no more than the reader allows.
void TestRField::allowanceEndsReading() {
    const QByteArray text(1000, 'a');
    QByteArray bytes =
        FileBytes::Field(text, text, 0, 0, {FileBytes::Field(text), FileBytes::Field(text)});
    for (const qint64 allowance : {100000, 4000}) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        BinaryReader reader(buffer);
        reader.SetAllowance(allowance);
        RField field;
        field.Read(reader);
        // The field's own two texts alone hold more than 4000 bytes.
        QCOMPARE(reader.HasError(), allowance == 4000);
    }
}

void TestRField::damagedRecords() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, error);
    QFETCH(QString, text);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    BinaryReader reader(buffer);
    RField field;
    field.Read(reader);
    QCOMPARE(reader.HasError(), error);
    if (!error) {
        QCOMPARE(field.text, text);
        QCOMPARE(buffer.pos(), buffer.size());
    }
}

void TestRField::calculationRecord() {
    RCalculation calculation;
    QCOMPARE(calculation.Solution(), -1);
    QCOMPARE(calculation.Type(), 0);
    QCOMPARE(calculation.Current(), false);
    calculation.SetName(QStringLiteral("Resistor1"));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    BinaryWriter writer(buffer);
    calculation.Write(writer);
    QCOMPARE(bytes.size(), 29 + 9);
    QCOMPARE(bytes.right(4), QByteArray::fromHex("FFFFFFFF"));
}

void TestRField::currentByteAndReservedSurvive() {
    // type 1, name "A", current byte 7, configuration 1, unknown 2, reserved 12345,
    // no fields, solution -1
    QByteArray bytes = QByteArray::fromHex("01000000" "0100000041" "07" "01000000" "02000000"
                                           "39300000" "00000000" "FFFFFFFF");
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    BinaryReader reader(in);
    RCalculation calculation;
    calculation.Read(reader);
    QVERIFY(!reader.HasError());
    QVERIFY(calculation.Current());
    QCOMPARE(calculation.Reserved(), 12345);
    QCOMPARE(calculation.Unknown(), 2);

    QByteArray again;
    QBuffer out(&again);
    out.open(QIODevice::WriteOnly);
    BinaryWriter writer(out);
    calculation.Write(writer);
    QCOMPARE(again, bytes);

    calculation.SetCurrent(true);
    again.clear();
    out.seek(0);
    calculation.Write(writer);
    QCOMPARE(again.at(9), char(1));
}

void TestRField::storeResult_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("unit"); // -1 keeps the field's
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QString>("text"); // afterwards, of a capacitance in uF
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("in its unit") << 3e-6 << -1 << true << "3";
    QTest::newRow("in another unit") << 3e-6 << 0 << true << "3000000";
    QTest::newRow("no number") << inf << -1 << false << "old";
    QTest::newRow("beyond the unit") << 1e300 << 0 << false << "old";
}

void TestRField::storeResult() {
    QFETCH(double, value);
    QFETCH(int, unit);
    QFETCH(bool, stored);
    QFETCH(QString, text);
    RField field = Field(QStringLiteral("old"), QString(), 1, 1);
    QCOMPARE(field.StoreResult(Complex(value), unit), stored);
    QCOMPARE(field.text, text);
    QCOMPARE(field.unitIndex, stored && unit >= 0 ? unit : 1);
}

void TestRField::changeUnit_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("imag");
    QTest::addColumn<int>("unit");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QString>("after"); // "text|imag|unit index"
    QTest::newRow("1500 ohms in K") << "1500"
                                    << "-3000" << 1 << true << "1.5|-3|1";
    QTest::newRow("the unit it has") << "1e3"
                                     << "" << 0 << false << "1e3||0";
    QTest::newRow("no number moves the unit only") << "abc"
                                                   << "" << 2 << true << "abc||2";
}

void TestRField::changeUnit() {
    QFETCH(QString, text);
    QFETCH(QString, imag);
    QFETCH(int, unit);
    QFETCH(bool, changed);
    QFETCH(QString, after);
    RField field = Field(text, imag);
    QCOMPARE(field.ChangeUnit(unit), changed);
    QCOMPARE(field.text + u'|' + field.imagText + u'|' + QString::number(field.unitIndex), after);
    // A capacitance of 1e300 F cannot be written in pF: it keeps its unit.
    RField farads = Field(QStringLiteral("1e300"), QString(), 2, 1);
    QVERIFY(!farads.ChangeUnit(0));
    QCOMPARE(farads.text + QString::number(farads.unitIndex), QStringLiteral("1e3002"));
}

// Alternative answers are stored whole or not at all.
void TestRField::storeSolutionsAllOrNothing() {
    RCalculation calculation;
    calculation.Fields() = {Field("1"), Field("2", QString(), 1)};
    QVERIFY(!calculation.StoreSolutions(
        {0, 1}, {{Complex(1), Complex(2)}, {Complex(3), Complex(std::nan(""))}}));
    QCOMPARE(calculation.Field(0).text + calculation.Field(1).text, QStringLiteral("12"));
    QVERIFY(calculation.Field(0).solutions.empty());
    QCOMPARE(calculation.Solution(), -1);
    QVERIFY(calculation.StoreSolutions({1}, {{Complex(5000)}, {Complex(7)}}));
    QCOMPARE(calculation.Field(1).text, QStringLiteral("5"));
    QCOMPARE(calculation.Field(1).solutions[1].text, QStringLiteral("7"));
    QCOMPARE(calculation.Solution(), 0);
}

QTEST_GUILESS_MAIN(TestRField)
#include "tst_rfield.moc"
