#include "support/formsteps.h"

#include "ui/calculators/converters/rsuperscript.h"
#include "ui/calculators/converters/tformconverter.h"
#include "ui/framework/rschematic.h"

#include <QLabel>
#include <QLayout>
#include <QtTest>

// The five unit converters through their real widgets: typing into either
// edit, the unit radios, bad input, and the controls each form has.
class TestConverters : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void convert_data();
    void convert();
    void controls_data();
    void controls();
    void unitRadioConvertsItsOwnFieldOnly();
    void minusThenDigitShowsBothMessages();
    void clearConvertsNothing();
    void powerFollowsALargerFont();
};

namespace {

// The two value edits of each converter.
const QStringList UsEdit = {"EditUsLen", "EditUsArea", "EditUsVol", "EditUsVol", "EditUsWeight"};
const QStringList MetEdit = {"EditMetLen", "EditMetArea", "EditMetVol", "EditMetVol",
                             "EditMetWeight"};

} // namespace

void TestConverters::convert_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<Steps>("setup");    // done before the last typing
    QTest::addColumn<QString>("typed");  // "EditUsLen=1": the last typing
    QTest::addColumn<QString>("other");  // the other edit afterwards; empty: as it was
    QTest::addColumn<QString>("stored"); // the other field's text; empty: not checked
    QTest::addColumn<QString>("warning");

    const QString none;
    QTest::newRow("1 mile in km") << 11 << Steps{"RadioUsMile", "RadioMetKm"} << "EditUsLen=1"
                                  << "1.6093439"
                                  << "1.60934394850099" << none;
    QTest::newRow("1 m in inches") << 11 << Steps{"RadioUsIn"} << "EditMetLen=1"
                                   << "39.37008"
                                   << "39.37008" << none;
    QTest::newRow("100 ft in m") << 11 << Steps{} << "EditUsLen=100"
                                 << "30.479999"
                                 << "30.47999902464" << none;
    QTest::newRow("1 acre in m²") << 12 << Steps{"RadioUsAcre"} << "EditUsArea=1"
                                  << "4046.8562" << none << none;
    QTest::newRow("1 hectare in acres")
        << 12 << Steps{"RadioMetHectare", "RadioUsAcre"} << "EditMetArea=1"
        << "2.4710539" << none << none;
    QTest::newRow("1 yd³ in m³") << 13 << Steps{"RadioUsYd3"} << "EditUsVol=1"
                                 << "0.76455933" << none << none;
    QTest::newRow("1 US gallon in ml") << 14 << Steps{"RadioUsGallon"} << "EditUsVol=1"
                                       << "3785.4118"
                                       << "3785.41184" << none;
    QTest::newRow("1 US gallon in l") << 14 << Steps{"RadioUsGallon", "RadioMetL"} << "EditUsVol=1"
                                      << "3.7854118" << none << none;
    QTest::newRow("1 US lb in g") << 15 << Steps{"RadioMetG"} << "EditUsWeight=1"
                                  << "453.59248" << none << none;
    QTest::newRow("1 US ton in kg") << 15 << Steps{"RadioUsTon"} << "EditUsWeight=1"
                                    << "907.18496" << none << none;
    QTest::newRow("1 tonne in US oz")
        << 15 << Steps{"RadioMetTonne", "RadioUsOz"} << "EditMetWeight=1"
        << "35273.953" << none << none;
    QTest::newRow("1 tonne in US tons")
        << 15 << Steps{"RadioMetTonne", "RadioUsTon"} << "EditMetWeight=1"
        << "1.102311" << none << none;
    QTest::newRow("an exponent converts") << 11 << Steps{} << "EditMetLen=1e3"
                                          << "3280.84" << none << none;
    QTest::newRow("beyond a double is no solution")
        << 13 << Steps{"EditMetVol=1e30"} << "EditMetVol+=8" << none << none
        << "Error: No solution.";
    QTest::newRow("beyond a double in the shown unit")
        << 13 << Steps{"RadioUsIn3", "EditMetVol=1e30"} << "EditMetVol+=5" << none << none
        << "Error: No solution.";

    // Bad input leaves the other edit as the value typed before gave it.
    const char* const names[] = {"Length", "Area", "Volume", "Volume", "Weight"};
    for (int type = 11; type <= 15; ++type) {
        const int i = type - 11;
        for (int side = 0; side < 2; ++side) {
            const QString edit = side == 0 ? UsEdit[i] : MetEdit[i];
            const QString name =
                (side == 0 ? QStringLiteral("US ") : QStringLiteral("Metric ")) + names[i];
            const Steps setup = {edit + "=3"};
            const Steps huge = {edit + "=1e99"}; // one more 9 is beyond a double
            const QString invalid =
                "Error: Real value for " + name + " did not contain a valid number.";
            const QString tag = QString::number(type) + (side == 0 ? " US " : " metric ");
            QTest::newRow(qPrintable(tag + "abc"))
                << type << setup << edit + "=abc" << none << none << invalid;
            QTest::newRow(qPrintable(tag + "lone minus"))
                << type << setup << edit + "=-" << none << none << invalid;
            QTest::newRow(qPrintable(tag + "1e999"))
                << type << huge << edit + "+=9" << none << none << invalid;
            QTest::newRow(qPrintable(tag + "negative"))
                << type << setup << edit + "=-5" << none << none
                << "Error: Value for " + name + " cannot be negative.";
            // An empty edit is a valid 0: emptying it writes 0 into the other.
            QTest::newRow(qPrintable(tag + "emptied")) << type << setup << edit + "="
                                                       << "0"
                                                       << "0" << none;
        }
    }
}

void TestConverters::convert() {
    QFETCH(int, type);
    QFETCH(Steps, setup);
    QFETCH(QString, typed);
    QFETCH(QString, other);
    QFETCH(QString, stored);
    QFETCH(QString, warning);

    FormFixture<> fixture(type);
    fixture.config.AutoCalculate = 0; // converters convert all the same
    // As in use, the calculator's window is the active one, so the typed
    // edit has the application's focus. (The wavelength tests leave the
    // window inactive: the edit has only its window's focus there.)
    QApplication::setActiveWindow(fixture.form->PanelMain());
    const QStringList edits = {UsEdit[type - 11], MetEdit[type - 11]};
    CheckTypingIntoOneOfTwo(fixture, edits, setup, typed, other);
    const QString edit = typed.section(u'=', 0, 0).remove(u'+');
    QCOMPARE(QApplication::focusWidget(), fixture.Edit(edit));
    QCOMPARE(fixture.messages.warning, warning);
    if (!stored.isEmpty())
        QCOMPARE(fixture.Field(1 - int(edits.indexOf(edit))).text, stored);
    // Typing marks the worksheet modified, whether the conversion worked or not.
    QVERIFY(fixture.worksheet.Modified);
}

void TestConverters::controls_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("typeWord");
    QTest::addColumn<QStringList>("stems");  // US and metric: Edit, Box, Label
    QTest::addColumn<QStringList>("labels"); // US and metric
    QTest::addColumn<QStringList>("usRadios");
    QTest::addColumn<QStringList>("metRadios");
    QTest::addColumn<QStringList>("captions"); // accessible names of the radios, US then metric

    QTest::newRow("length") << 11 << "Conversions: Length"
                            << "Length" << QStringList{"UsLen", "MetLen"}
                            << QStringList{"US Length", "Metric Length"}
                            << QStringList{"RadioUsIn", "RadioUsFt", "RadioUsYd", "RadioUsMile"}
                            << QStringList{"RadioMetMm", "RadioMetCm", "RadioMetM", "RadioMetKm"}
                            << QStringList{"in", "ft", "yd", "mile", "mm", "cm", "m", "km"};
    QTest::newRow("area")
        << 12 << "Conversions: Area"
        << "Area" << QStringList{"UsArea", "MetArea"} << QStringList{"US Area", "Metric Area"}
        << QStringList{"RadioUsIn2", "RadioUsFt2", "RadioUsYd2", "RadioUsAcre", "RadioUsMi2"}
        << QStringList{"RadioMetMm2", "RadioMetCm2", "RadioMetM2", "RadioMetHectare", "RadioMetKm2"}
        << QStringList{"square in", "square ft", "square yd", "acre",    "square mi",
                       "square mm", "square cm", "square m",  "hectare", "square km"};
    QTest::newRow("dry volume") << 13 << "Conversions: Volume (Dry)"
                                << "VolDry" << QStringList{"UsVol", "MetVol"}
                                << QStringList{"US Volume (Dry)", "Metric Volume (Dry)"}
                                << QStringList{"RadioUsIn3", "RadioUsFt3", "RadioUsYd3"}
                                << QStringList{"RadioMetMm3", "RadioMetCm3", "RadioMetM3"}
                                << QStringList{"cubic in", "cubic ft", "cubic yd",
                                               "cubic mm", "cubic cm", "cubic m"};
    QTest::newRow("fluid volume") << 14 << "Conversions: Volume (Fluid)"
                                  << "VolFluid" << QStringList{"UsVol", "MetVol"}
                                  << QStringList{"US Volume (Fluid)", "Metric Volume (Fluid)"}
                                  << QStringList{"RadioUsOz", "RadioUsQuart", "RadioUsGallon"}
                                  << QStringList{"RadioMetMl", "RadioMetL"}
                                  << QStringList{"US fl oz", "US quart", "US gallon", "ml", "l"};
    QTest::newRow("weight") << 15 << "Weight/Mass"
                            << "Weight" << QStringList{"UsWeight", "MetWeight"}
                            << QStringList{"US Weight", "Metric Weight"}
                            << QStringList{"RadioUsOz", "RadioUsLb", "RadioUsTon"}
                            << QStringList{"RadioMetG", "RadioMetKg", "RadioMetTonne"}
                            << QStringList{"US oz", "US lb", "US ton", "g", "kg", "tonne"};
}

void TestConverters::controls() {
    QFETCH(int, type);
    QFETCH(QString, caption);
    QFETCH(QString, typeWord);
    QFETCH(QStringList, stems);
    QFETCH(QStringList, labels);
    QFETCH(QStringList, usRadios);
    QFETCH(QStringList, metRadios);
    QFETCH(QStringList, captions);

    FormFixture<> fixture(type);
    TFormProblem* form = fixture.form.get();
    QCOMPARE(form->Caption(), caption);
    QCOMPARE(form->GetTypeName(), typeWord);
    QVERIFY(form->AlwaysCalculates());

    QList<int> tags;
    int spoken = 0;
    for (int field = 0; field < 2; ++field) {
        const QStringList& radios = field == 0 ? usRadios : metRadios;
        QLineEdit* edit = fixture.Edit("Edit" + stems[field]);
        QVERIFY(edit);
        QCOMPARE(form->GetControl(field * 10 + 1), edit);
        QCOMPARE(edit->accessibleName(), labels[field]);
        QCOMPARE(fixture.template Find<QLabel>("Label" + stems[field])->text(), labels[field]);
        auto* box = fixture.template Find<RBox>("Box" + stems[field]);
        QVERIFY(box && box->IsResult()); // silver with a dotted outline
        tags << field * 10 + 1;
        for (int unit = 0; unit < radios.size(); ++unit) {
            QRadioButton* radio = fixture.Radio(radios[unit]);
            QVERIFY2(radio, qPrintable(radios[unit]));
            QCOMPARE(form->GetControl(field * 10 + 5 + unit), radio);
            tags << field * 10 + 5 + unit;
            const QString name = captions[spoken++];
            QCOMPARE(radio->accessibleName().isEmpty() ? radio->text() : radio->accessibleName(),
                     name);
            // A square or cubic unit: the bare symbol and its power beside it.
            auto* power = fixture.template Find<RSuperscript>("Image" + radios[unit].mid(5));
            const bool powered = name.startsWith(QStringLiteral("square ")) ||
                                 name.startsWith(QStringLiteral("cubic "));
            QCOMPARE(power != nullptr, powered);
            if (powered) {
                QCOMPARE(radio->text(), name.section(u' ', 1));
                QCOMPARE(power->Digit(), name.startsWith(u's') ? "2" : "3");
                QCOMPARE(power->parentWidget(), radio->parentWidget());
                QCOMPARE(power->x(), radio->geometry().right() + 1);
                QVERIFY(power->isVisible());
            }
        }
    }
    QCOMPARE(spoken, captions.size());
    for (int tag = 0; tag < 1100; ++tag)
        QCOMPARE(form->GetControl(tag) != nullptr, tags.contains(tag));

    // No Calculate button; the arrows stand between the two boxes.
    QVERIFY(!fixture.Find("ButtonCalculate")->isVisible());
    QVERIFY(fixture.Find("ButtonClear")->isVisible());
    QWidget* arrows = fixture.Find("ImageArrows");
    QVERIFY(arrows && arrows->isVisible());
    const QRect us = fixture.Find("Box" + stems[0])->geometry();
    const QRect metric = fixture.Find("Box" + stems[1])->geometry();
    QVERIFY(us.right() < arrows->x() && arrows->geometry().right() < metric.left());
    QCOMPARE(us.top(), metric.top());
    QCOMPARE(us.height(), metric.height());
    QVERIFY(qAbs(arrows->geometry().center().y() - us.center().y()) <= 1);
    const QSize size = form->PanelMain()->minimumSize();
    QVERIFY2(size.width() <= 560 && size.height() <= 470,
             qPrintable(QStringLiteral("%1x%2").arg(size.width()).arg(size.height())));
}

void TestConverters::unitRadioConvertsItsOwnFieldOnly() {
    FormFixture<TFormConverter> fixture(12);
    fixture.Type(QStringLiteral("EditUsArea"), QStringLiteral("1"));
    QCOMPARE(fixture.Text("EditMetArea"), QStringLiteral("0.092903035"));
    // The power beside "in" is part of its radio: a click on it chooses square inches.
    auto* power = fixture.Find<RSuperscript>(QStringLiteral("ImageUsIn2"));
    QTest::mouseClick(power, Qt::LeftButton, {}, QPoint(1, power->height() / 2));
    QVERIFY(fixture.Radio(QStringLiteral("RadioUsIn2"))->isChecked());
    QCOMPARE(fixture.form->PanelMain()->focusWidget(), fixture.Radio(QStringLiteral("RadioUsIn2")));
    QCOMPARE(fixture.Text("EditUsArea"), QStringLiteral("144"));
    QCOMPARE(fixture.Text("EditMetArea"), QStringLiteral("0.092903035"));
    QCOMPARE(fixture.Field(1).unitIndex, 2);

    fixture.Click(QStringLiteral("RadioMetCm2"));
    QCOMPARE(fixture.Text("EditMetArea"), QStringLiteral("929.03035"));
    QCOMPARE(fixture.Text("EditUsArea"), QStringLiteral("144"));
    // With the focus on a radio a calculation recomputes nothing.
    const QString stored = fixture.Field(1).text;
    fixture.Field(0).text = QStringLiteral("5");
    fixture.form->Calculate();
    QCOMPARE(fixture.Field(1).text, stored);
}

void TestConverters::minusThenDigitShowsBothMessages() {
    FormFixture<TFormConverter> fixture(15);
    fixture.Type(QStringLiteral("EditMetWeight"), QStringLiteral("2"));
    const QString before = fixture.Text("EditUsWeight");
    fixture.messages.Reset();
    fixture.Type(QStringLiteral("EditMetWeight"), QStringLiteral("-5"));
    QCOMPARE(fixture.messages.warnings,
             QStringList({"Error: Real value for Metric Weight did not contain a valid number.",
                          "Error: Value for Metric Weight cannot be negative."}));
    QCOMPARE(fixture.Text("EditUsWeight"), before);
    fixture.Type(QStringLiteral("EditMetWeight"), QStringLiteral("2"));
    QCOMPARE(fixture.messages.warning, QString());
    QCOMPARE(fixture.Text("EditUsWeight"), before);
}

void TestConverters::clearConvertsNothing() {
    FormFixture<TFormConverter> fixture(11);
    fixture.Type(QStringLiteral("EditUsLen"), QStringLiteral("12"));
    fixture.Click(QStringLiteral("RadioUsIn"));
    fixture.Edit(QStringLiteral("EditUsLen"))->setFocus();
    fixture.Click(QStringLiteral("ButtonClear"));
    QCOMPARE(fixture.Text("EditUsLen"), QString());
    QCOMPARE(fixture.Text("EditMetLen"), QString());
    QCOMPARE(fixture.Field(0).text, QString());
    QCOMPARE(fixture.Field(1).text, QString());
    QVERIFY(fixture.Radio(QStringLiteral("RadioUsFt"))->isChecked()); // the default unit again
}

void TestConverters::powerFollowsALargerFont() {
    FormFixture<TFormConverter> fixture(13);
    QRadioButton* radio = fixture.Radio(QStringLiteral("RadioMetMm3"));
    auto* power = fixture.Find<RSuperscript>(QStringLiteral("ImageMetMm3"));
    const int narrow = radio->width();
    QWidget* box = fixture.Find(QStringLiteral("BoxMetVol"));
    QFont font = box->font();
    font.setPointSizeF(font.pointSizeF() * 2);
    box->setFont(font);
    QCoreApplication::processEvents();
    box->layout()->activate();
    box->adjustSize();
    // The whole caption still fits its radio, and the power follows it.
    QVERIFY(radio->width() > narrow);
    QVERIFY(radio->width() >= QFontMetrics(font).horizontalAdvance(QStringLiteral("mm")));
    QCOMPARE(power->x(), radio->geometry().right() + 1);
    QCOMPARE(power->height(), radio->sizeHint().height());
}

QTEST_MAIN(TestConverters)
#include "tst_converters.moc"
