#include "support/formsteps.h"

#include "core/rextras.h"
#include "ui/calculators/networks/tformthreeelementnetwork.h"
#include "ui/framework/rschematic.h"

#include <QLabel>
#include <QtTest>

// The Pi and T network calculators through their real widgets.
class TestThreeElementNetworks : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void calculate_data();
    void calculate();
    void design_data();
    void design();
    void designBox();
    void controlsAndTags_data();
    void controlsAndTags();
    void elementEditsKeepTheirLook_data() { controlsAndTags_data(); }
    void elementEditsKeepTheirLook();
    void groundsUnderTheirElements();
};

namespace {

constexpr int Pi = 8;
constexpr int T = 9;

void Run(int type, const Steps& steps, const Steps& checks, const QString& warning) {
    FormFixture<> fixture(type);
    RunSteps(fixture, steps);
    QCOMPARE(fixture.messages.warning, warning);
    RunChecks(fixture, checks);
}

const Steps PiExample = {"EditZin=50", "EditZ1J=-100", "EditZ2J=50", "EditZ3J=-200"};
const Steps TExample = {"EditZin=50", "EditZ1J=30", "EditZ2J=-80", "EditZ3J=20"};

} // namespace

void TestThreeElementNetworks::calculate_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<Steps>("checks");
    QTest::addColumn<QString>("warning");

    QTest::newRow("Pi: 50, -j100, j50, -j200")
        << Pi << Steps{"mark"} + PiExample + Steps{"ButtonCalculate"}
        << Steps{"EditZout=52.459016", "EditZoutJ=22.95082",
                 "field4=52.4590163934426|"
                 "22.9508196721311",
                 "modified=yes"}
        << "";
    QTest::newRow("Pi: the mirror image for Zin")
        << Pi << Steps{"RadioZin",   "EditZout=50",  "EditZ3J=-100",
                       "EditZ2J=50", "EditZ1J=-200", "ButtonCalculate"}
        << Steps{"EditZin=52.459016", "EditZinJ=22.95082"} << "";
    QTest::newRow("Pi: 0.05 K counts as 50 ohms")
        << Pi << Steps{"RadioZin2", "EditZin=0.05"} + PiExample.mid(1) + Steps{"ButtonCalculate"}
        << Steps{"EditZout=52.459016"} << "";
    QTest::newRow("Pi: the result in the unit its radios show")
        << Pi << Steps{"RadioZout2"} + PiExample + Steps{"ButtonCalculate"}
        << Steps{"EditZout=0.052459016", "EditZoutJ=0.02295082", "RadioZout2:checked"} << "";
    QTest::newRow("Pi: all empty, Zout")
        << Pi << Steps{"mark", "ButtonCalculate"} << Steps{"EditZout=", "modified=no"}
        << "Error: Zin and Z1 are both zero.";
    QTest::newRow("Pi: all empty, Zin") << Pi << Steps{"RadioZin", "ButtonCalculate"}
                                        << Steps{"EditZin="} << "Error: Zout and Z3 are both zero.";
    QTest::newRow("Pi: j50 and -j50 sum to zero")
        << Pi << Steps{"EditZinJ=50", "EditZ1J=-50", "EditZ2=10", "ButtonCalculate"} << Steps{}
        << "Error: Zin and Z1 are both zero.";
    QTest::newRow("Pi: Z1 shorts the input")
        << Pi << Steps{"EditZin=50", "EditZ2=100",  "EditZ2J=20",
                       "EditZ3=100", "EditZ3J=-20", "ButtonCalculate"}
        << Steps{"EditZout=52", "EditZoutJ=0"} << "";
    QTest::newRow("Pi: Z3 shorts the output")
        << Pi << Steps{"EditZin=50", "EditZ1J=-100", "EditZ2J=50", "ButtonCalculate"}
        << Steps{"EditZout=0", "EditZoutJ=0"} << "";
    QTest::newRow("Pi: Z2 = -a and Z3 = 0")
        << Pi << Steps{"EditZinJ=100", "EditZ1J=100", "EditZ2J=-50", "mark", "ButtonCalculate"}
        << Steps{"EditZout=", "modified=no"} << "Error: No solution.";
    QTest::newRow("Pi: a negative Zin") << Pi << Steps{"EditZin=-50", "ButtonCalculate"} << Steps{}
                                        << "Error: Value for Zin cannot be negative.";
    QTest::newRow("Pi: 50 - j20 accepted")
        << Pi << Steps{"EditZin=50", "EditZinJ=-20", "EditZ1=50", "ButtonCalculate"}
        << Steps{"EditZout=0"} << "";
    QTest::newRow("Pi: the result's own text does not matter")
        << Pi
        << Steps{"RadioZin", "EditZout=abc", "RadioZout"} + PiExample + Steps{"ButtonCalculate"}
        << Steps{"EditZout=52.459016"} << "";
    QTest::newRow("Pi: checked in the order Zin, Z1, Z2, Z3")
        << Pi << Steps{"EditZ3=x", "EditZ2J=1e999", "EditZ1=-", "ButtonCalculate"} << Steps{}
        << "Error: Real value for Z1 did not contain a valid number.";
    QTest::newRow("Pi: Zin checked in the order Zout, Z1")
        << Pi << Steps{"RadioZin", "EditZ1=abc", "EditZoutJ=abc", "ButtonCalculate"} << Steps{}
        << "Error: Imaginary value for Zout did not contain a valid number.";
    QTest::newRow("Pi: a failure keeps the previous result")
        << Pi << PiExample + Steps{"ButtonCalculate", "EditZ3J=1e999", "mark", "ButtonCalculate"}
        << Steps{"EditZout=52.459016", "modified=no"}
        << "Error: Imaginary value for Z3 did not contain a valid number.";

    QTest::newRow("T: 50, j30, -j80, j20")
        << T << TExample + Steps{"mark", "ButtonCalculate"}
        << Steps{"EditZout=64", "EditZoutJ=4", "field4=64|4", "modified=yes"} << "";
    QTest::newRow("T: the mirror image for Zin")
        << T << Steps{"RadioZin",    "EditZout=50", "EditZ3J=30",
                      "EditZ2J=-80", "EditZ1J=20",  "ButtonCalculate"}
        << Steps{"EditZin=64", "EditZinJ=4"} << "";
    QTest::newRow("T: all empty, Zout")
        << T << Steps{"ButtonCalculate"} << Steps{} << "Error: Z1, Z2, and Zin are all zero.";
    QTest::newRow("T: all empty, Zin") << T << Steps{"RadioZin", "ButtonCalculate"} << Steps{}
                                       << "Error: Z3, Z2, and Zout are all zero.";
    QTest::newRow("T: Zin + Z1 + Z2 cancels")
        << T
        << Steps{"EditZin=0", "EditZ1J=40", "EditZ2J=-40", "EditZ3=5", "mark", "ButtonCalculate"}
        << Steps{"EditZout=", "modified=no"} << "Error: Z1, Z2, and Zin are all zero.";
    QTest::newRow("T: Z2 shorts to ground")
        << T << Steps{"EditZin=50", "EditZ1J=30", "EditZ3=7", "EditZ3J=20", "ButtonCalculate"}
        << Steps{"EditZout=7", "EditZoutJ=20"} << "";
    QTest::newRow("T: a negative resistance refused")
        << T << TExample + Steps{"EditZ3=-1", "ButtonCalculate"} << Steps{"EditZout="}
        << "Error: Value for Z3 cannot be negative.";
    QTest::newRow("T: Zout beyond any number")
        << T << Steps{"RadioZin", "EditZout=1e999", "ButtonCalculate"} << Steps{}
        << "Error: Real value for Zout did not contain a valid number.";
    QTest::newRow("T: a result beyond any number is not stored")
        << T << Steps{"RadioZin2", "EditZin=1e307", "EditZ1=1e307", "mark", "ButtonCalculate"}
        << Steps{"EditZout=", "modified=no"} << "Error: No solution.";
}

void TestThreeElementNetworks::design_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<Steps>("checks");
    QTest::addColumn<QString>("warning");
    const Steps pi = {"RadioDesign", "EditZin=2000", "EditZout=50", "EditQ=10"};
    QTest::newRow("Pi: 2000 to 50 with Q 10")
        << Pi << pi + Steps{"mark", "ButtonCalculate"}
        << Steps{"EditZ1J=-200",      "EditZ1:readonly",     "EditZ3J:readonly", "EditZin:editable",
                 "EditZout:editable", "RadioDesign:checked", "modified=yes"}
        << "";
    QTest::newRow("T: automatic calculation on typing Q")
        << T << Steps{"autocalc", "RadioDesign", "EditZin=50", "EditZout=200", "EditQ=2"}
        << Steps{"EditZ2J=100", "field2=0|100"} << "";
    QTest::newRow("Pi: Q too low keeps the elements")
        << Pi << PiExample + pi.mid(0, 3) + Steps{"EditQ=5", "mark", "ButtonCalculate"}
        << Steps{"EditZ1J=-100", "EditZ3J=-200", "modified=no"}
        << "Error: Q must be greater than 6.245 for these resistances.";
    QTest::newRow("T: Q box only while Design is chosen")
        << T << Steps{"RadioDesign", "RadioZin"}
        << Steps{"EditQ:hidden", "LabelQ:hidden", "EditZ1:editable", "EditZin:readonly"} << "";
}

void TestThreeElementNetworks::design() {
    QFETCH(int, type);
    QFETCH(Steps, steps);
    QFETCH(Steps, checks);
    QFETCH(QString, warning);
    FormFixture<> fixture(type);
    RunChecks(fixture, {"EditQ:hidden", "BoxQ:hidden"});
    if (steps.first() == "autocalc") {
        fixture.config.AutoCalculate = 1;
        steps.removeFirst();
    }
    RunSteps(fixture, steps);
    QCOMPARE(fixture.messages.warning, warning);
    RunChecks(fixture, checks);
}

// The Q box: named for assistive technology, right of the Unknown group and
// inside the panel; its text kept as typed among the calculation's extras,
// shown again with the calculation and emptied by Clear.
void TestThreeElementNetworks::designBox() {
    FormFixture<> fixture(Pi);
    RunSteps(fixture, {"RadioDesign", "mark", "EditQ=1e1"});
    QCOMPARE(fixture.Calculation().Extras().Value(ExtraKeys::Q), QStringLiteral("1e1"));
    QVERIFY(fixture.worksheet.Modified);
    QLineEdit* q = fixture.Edit("EditQ");
    QCOMPARE(q->accessibleName(), QStringLiteral("Q"));
    const QRect box = fixture.Find("BoxQ")->geometry();
    const QRect group = fixture.Find("GroupUnknown")->geometry();
    QVERIFY(box.left() > group.right() && box.left() - group.right() < 20);
    QVERIFY(fixture.form->PanelMain()->rect().contains(box));
    fixture.Calculation().Extras().Set(ExtraKeys::Q, QStringLiteral("4"));
    fixture.form->ShowCalculation();
    QCOMPARE(q->text(), QStringLiteral("4"));
    fixture.Click("ButtonClear");
    QCOMPARE(q->text(), QString());
    QVERIFY(!fixture.Calculation().Extras().Has(ExtraKeys::Q));
}

void TestThreeElementNetworks::calculate() {
    QFETCH(int, type);
    QFETCH(Steps, steps);
    QFETCH(Steps, checks);
    QFETCH(QString, warning);
    Run(type, steps, checks, warning);
}

void TestThreeElementNetworks::controlsAndTags_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("typeWord");
    QTest::newRow("Pi") << Pi << "Pi Network:"
                        << "PiNetwork";
    QTest::newRow("T") << T << "T Network:"
                       << "TNetwork";
}

void TestThreeElementNetworks::controlsAndTags() {
    QFETCH(int, type);
    QFETCH(QString, caption);
    QFETCH(QString, typeWord);
    FormFixture<> fixture(type);
    TFormProblem& form = *fixture.form;
    QCOMPARE(form.Caption(), caption);
    QCOMPARE(form.GetTypeName(), typeWord);
    const QStringList stems = {"Zin", "Z1", "Z2", "Z3", "Zout"};
    QList<int> tags;
    for (int field = 0; field < 5; ++field) {
        const int base = field * 10;
        const QString stem = stems[field];
        QCOMPARE(form.GetControl(base + 1), fixture.Edit("Edit" + stem));
        QCOMPARE(form.GetControl(base + 2), fixture.Edit("Edit" + stem + "J"));
        QCOMPARE(fixture.Edit("Edit" + stem)->accessibleName(), stem);
        QCOMPARE(fixture.Edit("Edit" + stem + "J")->accessibleName(), stem + " +j");
        QCOMPARE(fixture.template Find<QLabel>("Label" + stem)->text(), stem);
        const QStringList captions = {"", "K", "M"};
        for (int unit = 0; unit < 3; ++unit) {
            QRadioButton* radio = fixture.Radio("Radio" + stem + QString::number(unit + 1));
            QCOMPARE(form.GetControl(base + 5 + unit), radio);
            QCOMPARE(radio->text(), captions[unit]);
        }
        QCOMPARE(form.GetControl(1000 + base + 5),
                 fixture.Find(QStringLiteral("ImageOhm%1").arg(field + 1)));
        QCOMPARE(fixture.Field(field).solutions.size(), size_t(0));
        tags << base + 1 << base + 2 << base + 5 << base + 6 << base + 7 << 1000 + base + 5;
    }
    for (int tag = -5; tag < 1100; ++tag)
        QCOMPARE(form.GetControl(tag) != nullptr, tags.contains(tag));
    QCOMPARE(fixture.Radio("RadioZout")->text(), QStringLiteral("Zout"));
    QCOMPARE(fixture.Radio("RadioZin")->text(), QStringLiteral("Zin"));
    QCOMPARE(fixture.Radio("RadioDesign")->text(), QStringLiteral("Design"));
    QVERIFY(fixture.Radio("RadioZout")->isChecked());
    QVERIFY(!fixture.Find("GroupType"));
    QVERIFY(!fixture.Find("GroupSolution"));
    QCOMPARE(form.GetUnknownField(), nullptr);

    fixture.Click(QStringLiteral("RadioZin"));
    QCOMPARE(fixture.Calculation().Unknown(), 1);
    RunChecks(fixture, {"EditZin:readonly", "EditZinJ:readonly", "EditZout:editable",
                        "EditZoutJ:editable", "RadioZin:checked", "RadioZout:unchecked"});
    const QSize size = form.PanelMain()->minimumSize();
    QVERIFY2(size.width() <= 560 && size.height() <= 470,
             qPrintable(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height())));
}

void TestThreeElementNetworks::elementEditsKeepTheirLook() {
    QFETCH(int, type);
    FormFixture<> fixture(type);
    TFormProblem& form = *fixture.form;
    // Whatever look the element edits have, marking the unknown leaves it.
    QLineEdit* element = fixture.Edit(QStringLiteral("EditZ2J"));
    QPalette marked = element->palette();
    marked.setColor(QPalette::Base, Qt::yellow);
    element->setPalette(marked);
    element->setReadOnly(true);
    fixture.Click(QStringLiteral("RadioZin"));
    form.ShowUnknown();
    fixture.Click(QStringLiteral("RadioZout"));
    QCOMPARE(element->palette().color(QPalette::Base), QColor(Qt::yellow));
    QVERIFY(element->isReadOnly());
    QVERIFY(fixture.Edit(QStringLiteral("EditZout"))->isReadOnly());
    QCOMPARE(fixture.Edit(QStringLiteral("EditZin"))->palette().color(QPalette::Base),
             QColor(Qt::white));
}

void TestThreeElementNetworks::groundsUnderTheirElements() {
    // Pi: Z1 and Z3 hang from junctions to ground, Z2 sits on the wire; T the other way round.
    for (int type : {Pi, T}) {
        FormFixture<> fixture(type);
        auto* drawing = fixture.template Find<RSchematic>("Schematic");
        const int wireY = drawing->Find(QStringLiteral("LineMain"))->a.y();
        int grounds = 0;
        for (int element = 1; element <= 3; ++element) {
            QWidget* box = fixture.Find(QStringLiteral("BoxZ%1").arg(element));
            const int centreX = box->x() + box->width() / 2;
            const bool toGround = (type == Pi) != (element == 2);
            const auto* dot = drawing->Find(QStringLiteral("CircleZ%1").arg(element));
            if (!toGround) {
                QCOMPARE(box->y() + box->height() / 2, wireY);
                QVERIFY(!dot);
                continue;
            }
            QVERIFY(box->y() > wireY);
            QVERIFY(dot);
            QCOMPARE(dot->a, QPoint(centreX, wireY));
            for (int stroke = 1; stroke <= 3; ++stroke) {
                const auto* line =
                    drawing->Find(QStringLiteral("LineRes%1").arg(grounds * 3 + stroke));
                QVERIFY(line);
                QCOMPARE((line->a.x() + line->b.x()) / 2, centreX);
                QVERIFY(line->a.y() > box->y() + box->height());
            }
            ++grounds;
        }
        QCOMPARE(grounds, type == Pi ? 2 : 1);
    }
}

QTEST_MAIN(TestThreeElementNetworks)
#include "tst_threeelementnetworks.moc"
