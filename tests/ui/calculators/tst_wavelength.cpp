#include "support/formsteps.h"

#include "ui/calculators/rf/tformfrequencylength.h"
#include "ui/framework/rschematic.h"

#include <QLabel>
#include <QtTest>

// The wavelength and the half-wave dipole calculators through their real
// widgets: either edit is the input, the other follows on every keystroke.
class TestWavelength : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void calculate_data();
    void calculate();
    void controls_data();
    void controls();
    void unitRadioConvertsItsOwnFieldOnly();
    void clearConvertsNothing();
};

namespace {

QString LengthEdit(int type) {
    return type == 16 ? QStringLiteral("EditWavelength") : QStringLiteral("EditDipole");
}

} // namespace

void TestWavelength::calculate_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<Steps>("setup");   // done before the last typing
    QTest::addColumn<QString>("typed"); // "EditFreq=7": the last typing
    QTest::addColumn<QString>("other"); // the other edit afterwards; empty: as it was
    QTest::addColumn<QString>("warning");

    const QString none;
    const int wave = 16;
    const int dipole = 17;
    QTest::newRow("14.2 MHz") << wave << Steps{} << "EditFreq=14.2"
                              << "21.112676" << none;
    QTest::newRow("14.2 MHz in ft") << wave << Steps{"RadioFt"} << "EditFreq=14.2"
                                    << "69.267312" << none;
    QTest::newRow("7 MHz") << wave << Steps{} << "EditFreq=7"
                           << "42.828571" << none;
    QTest::newRow("dipole at 7 MHz") << dipole << Steps{} << "EditFreq=7"
                                     << "21.414286" << none;
    QTest::newRow("7000 KHz") << dipole << Steps{"RadioKHz"} << "EditFreq=7000"
                              << "21.414286" << none;
    QTest::newRow("20 m") << wave << Steps{} << "EditWavelength=20"
                          << "14.99" << none;
    QTest::newRow("20 m in KHz") << wave << Steps{"RadioKHz"} << "EditWavelength=20"
                                 << "14990" << none;
    QTest::newRow("149.9 m dipole") << dipole << Steps{} << "EditDipole=149.9"
                                    << "1" << none;
    QTest::newRow("zero frequency")
        << wave << Steps{"EditFreq=7"} << "EditFreq=0" << none << "Error: Invalid frequency.";
    QTest::newRow("emptied frequency")
        << wave << Steps{"EditFreq=7"} << "EditFreq=" << none << "earlier warning";
    QTest::newRow("emptied length")
        << dipole << Steps{"EditDipole=20"} << "EditDipole=" << none << "earlier warning";
    QTest::newRow("zero wavelength") << wave << Steps{"EditWavelength=20"} << "EditWavelength=0"
                                     << none << "Error: Value for Wavelength cannot be zero.";
    QTest::newRow("zero dipole") << dipole << Steps{"EditDipole=20"} << "EditDipole=0.0" << none
                                 << "Error: Value for Dipole Length cannot be zero.";
    for (int type : {wave, dipole}) {
        const QString length = LengthEdit(type);
        const QString name =
            type == wave ? QStringLiteral("Wavelength") : QStringLiteral("Dipole Length");
        const QString tag =
            type == wave ? QStringLiteral("wavelength ") : QStringLiteral("dipole ");
        for (const auto& [edit, quantity] :
             {std::pair<QString, QString>{QStringLiteral("EditFreq"), QStringLiteral("Frequency")},
              {length, name}}) {
            const Steps setup = {edit + "=3"};
            const Steps huge = {edit + "=1e99"}; // one more 9 is beyond a double
            const QString invalid =
                "Error: Real value for " + quantity + " did not contain a valid number.";
            const QString row = tag + quantity + " ";
            QTest::newRow(qPrintable(row + "abc"))
                << type << setup << edit + "=abc" << none << invalid;
            QTest::newRow(qPrintable(row + "lone minus"))
                << type << setup << edit + "=-" << none << invalid;
            QTest::newRow(qPrintable(row + "1e999"))
                << type << huge << edit + "+=9" << none << invalid;
            QTest::newRow(qPrintable(row + "negative"))
                << type << setup << edit + "=-5" << none
                << "Error: Value for " + quantity + " cannot be negative.";
        }
    }
}

void TestWavelength::calculate() {
    QFETCH(int, type);
    QFETCH(Steps, setup);
    QFETCH(QString, typed);
    QFETCH(QString, other);
    QFETCH(QString, warning);

    FormFixture<> fixture(type);
    fixture.config.AutoCalculate = 0; // these calculate all the same
    CheckTypingIntoOneOfTwo(fixture, {QStringLiteral("EditFreq"), LengthEdit(type)}, setup, typed,
                            other);
    QCOMPARE(fixture.messages.warning, warning);
}

void TestWavelength::controls_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("typeWord");
    QTest::addColumn<QString>("lengthStem");
    QTest::addColumn<QString>("lengthLabel");

    QTest::newRow("wavelength") << 16 << "Wavelength/Frequency"
                                << "Wavelen"
                                << "Wavelength"
                                << "Wavelength";
    QTest::newRow("dipole") << 17 << "Half-Wave Dipole Length"
                            << "Dipole"
                            << "Dipole"
                            << "Total Length of Half-Wave Dipole";
}

void TestWavelength::controls() {
    QFETCH(int, type);
    QFETCH(QString, caption);
    QFETCH(QString, typeWord);
    QFETCH(QString, lengthStem);
    QFETCH(QString, lengthLabel);

    FormFixture<> fixture(type);
    TFormProblem* form = fixture.form.get();
    QCOMPARE(form->Caption(), caption);
    QCOMPARE(form->GetTypeName(), typeWord);
    QVERIFY(form->AlwaysCalculates());
    const QMap<int, QString> names = {
        {1, "EditFreq"},           {5, "RadioHz"},  {6, "RadioKHz"},    {7, "RadioMHz"},
        {11, "Edit" + lengthStem}, {15, "RadioFt"}, {16, "RadioMeters"}};
    for (int tag = 0; tag < 1100; ++tag) {
        QWidget* control = form->GetControl(tag);
        QCOMPARE(control ? control->objectName() : QString(), names.value(tag));
    }
    const QStringList units = {"Hz", "KHz", "MHz"};
    for (int unit = 0; unit < 3; ++unit)
        QCOMPARE(qobject_cast<QRadioButton*>(form->GetControl(5 + unit))->text(), units[unit]);
    QCOMPARE(fixture.Radio(QStringLiteral("RadioFt"))->text(), QStringLiteral("ft"));
    QCOMPARE(fixture.Radio(QStringLiteral("RadioMeters"))->text(), QStringLiteral("meters"));
    QCOMPARE(fixture.Edit(QStringLiteral("EditFreq"))->accessibleName(),
             QStringLiteral("Frequency"));
    QCOMPARE(fixture.Edit("Edit" + lengthStem)->accessibleName(), lengthLabel);
    QCOMPARE(fixture.template Find<QLabel>("Label" + lengthStem)->text(), lengthLabel);
    auto* box = fixture.template Find<RBox>("Box" + lengthStem);
    QVERIFY(box && box->IsResult());
    QVERIFY(fixture.template Find<RBox>(QStringLiteral("BoxFreq"))->IsResult());
    // New calculations take the default units: MHz and meters.
    QVERIFY(fixture.Radio(QStringLiteral("RadioMHz"))->isChecked());
    QVERIFY(fixture.Radio(QStringLiteral("RadioMeters"))->isChecked());

    QVERIFY(!fixture.Find("ButtonCalculate")->isVisible());
    QWidget* arrows = fixture.Find("ImageArrows");
    QVERIFY(arrows && arrows->isVisible());
    QVERIFY(fixture.Find("BoxFreq")->geometry().right() < arrows->x());
    QVERIFY(arrows->geometry().right() < box->x());
    // The long caption of the dipole's box stays inside the panel.
    const QRect label = fixture.Find("Label" + lengthStem)->geometry();
    QVERIFY(label.right() < form->PanelMain()->minimumWidth());
}

void TestWavelength::unitRadioConvertsItsOwnFieldOnly() {
    FormFixture<TFormFrequencyLength> fixture(16);
    fixture.Type(QStringLiteral("EditFreq"), QStringLiteral("14.2"));
    QCOMPARE(fixture.Text("EditWavelength"), QStringLiteral("21.112676"));
    fixture.Click(QStringLiteral("RadioFt"));
    QCOMPARE(fixture.Text("EditWavelength"), QStringLiteral("69.267312"));
    QCOMPARE(fixture.Text("EditFreq"), QStringLiteral("14.2"));
    fixture.Click(QStringLiteral("RadioKHz"));
    QCOMPARE(fixture.Text("EditFreq"), QStringLiteral("14200"));
    QCOMPARE(fixture.Text("EditWavelength"), QStringLiteral("69.267312"));
    // Typing feet gives the frequency in the unit its box shows.
    fixture.Type(QStringLiteral("EditWavelength"), QStringLiteral("65.6168"));
    QCOMPARE(fixture.Text("EditFreq"), QStringLiteral("14990"));
}

void TestWavelength::clearConvertsNothing() {
    FormFixture<TFormFrequencyLength> fixture(17);
    fixture.Type(QStringLiteral("EditFreq"), QStringLiteral("7"));
    fixture.Edit(QStringLiteral("EditFreq"))->setFocus();
    fixture.Click(QStringLiteral("ButtonClear"));
    QCOMPARE(fixture.Text("EditFreq"), QString());
    QCOMPARE(fixture.Text("EditDipole"), QString());
    QCOMPARE(fixture.Field(1).text, QString());
}

QTEST_MAIN(TestWavelength)
#include "tst_wavelength.moc"
