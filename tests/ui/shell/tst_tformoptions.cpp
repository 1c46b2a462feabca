#include "support/messagerecorder.h"
#include "support/recordingdialogs.h"
#include "support/testsettings.h"

#include "core/rconfig.h"
#include "core/standardseriessetting.h"
#include "ui/shell/rcolorswatch.h"
#include "ui/shell/tformoptions.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

// Every preference differs from its factory value.
void Customise(RConfig& config) {
    config.Precision = 11;
    config.AutoCalculate = 1;
    config.UnknownForeground = 0x00123456;
    config.UnknownBackground = 0x00ABCDEF;
    config.DefaultUnits = {2, 1, 2, 0, 3, 0, 4, 0, 0, 1, 2, 1, 0, 2, 0, 0};
    config.RecentFiles = QStringList{QStringLiteral("/tmp/a.kvw")};
    config.LastFolder = QStringLiteral("/tmp");
    config.Width = 800;
}

// All members, so that a comparison failure shows what changed.
QString Describe(const RConfig& config) {
    QStringList units;
    for (qint32 unit : config.DefaultUnits)
        units << QString::number(unit);
    return QStringLiteral("precision %1 auto %2 fg %3 bg %4 units %5 recent %6 folder %7 "
                          "placement %8 %9 %10 %11 %12")
        .arg(config.Precision)
        .arg(config.AutoCalculate)
        .arg(config.UnknownForeground, 8, 16, QLatin1Char('0'))
        .arg(config.UnknownBackground, 8, 16, QLatin1Char('0'))
        .arg(units.join(u','), config.RecentFiles.join(u';'), config.LastFolder)
        .arg(config.Maximized)
        .arg(config.Left)
        .arg(config.Top)
        .arg(config.Width)
        .arg(config.Height);
}

} // namespace

class TestFormOptions : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale::c());
        settingsFile = UseTestSettings() + QStringLiteral("/Quillmarsh/Kelvo.conf");
    }
    void init();
    void cleanup();

    void captions_data();
    void captions();
    void structure();
    void unitGroups_data();
    void unitGroups();
    void loadChecksStoredUnit_data() { unitGroups_data(); }
    void loadChecksStoredUnit();
    void okStoresCheckedPosition_data() { unitGroups_data(); }
    void okStoresCheckedPosition();
    void loadShowsGeneralValues();
    void precisionAccepted_data();
    void precisionAccepted();
    void precisionRefused_data();
    void precisionRefused();
    void refusedPrecisionCanBeCorrected();
    void autoCalculateStored_data();
    void autoCalculateStored();
    void resetYesStoresAtOnce();
    void resetNoChangesNothing();
    void swatchChangeThenCancel();
    void swatchDialogCancelled();
    void swatchStoredOnOk_data();
    void swatchStoredOnOk();
    void swatchFromKeyboard_data();
    void swatchFromKeyboard();
    void alwaysOpensOnGeneral();
    void executeRunsModally();
    void outOfRangeUnit_data();
    void outOfRangeUnit();
    void helpButtonAndF1();
    void escapeCancels();
    void enterPressesOk();
    void nothingClipped();
    void standardValues_data();
    void standardValues();

private:
    template <class T> T* Child(const QString& name) const { return form->findChild<T*>(name); }
    void ClickRadio(QRadioButton* radio);
    void SetPrecisionText(const QString& text);
    void ClickOk() {
        QTest::mouseClick(Child<QPushButton>(QStringLiteral("ButtonOK")), Qt::LeftButton);
    }
    void ShowActive();

    std::unique_ptr<RecordingDialogs> dialogs;
    std::unique_ptr<MessageRecorder> sink;
    std::unique_ptr<TFormOptions> form;
    QList<int> helpCalls;
    RConfig config;
    QString settingsFile;
};

void TestFormOptions::init() {
    dialogs = std::make_unique<RecordingDialogs>();
    sink = std::make_unique<MessageRecorder>();
    helpCalls.clear();
    form = std::make_unique<TFormOptions>(*dialogs, [this](int context) { helpCalls << context; });
    config = RConfig();
    QFile::remove(settingsFile);
}

void TestFormOptions::cleanup() {
    form.reset();
    QVERIFY(sink->warnings.isEmpty());
    sink.reset();
    // The dialog asks questions and picks colours; nothing else.
    for (const RecordingDialogs::Record& record : dialogs->records)
        QVERIFY(record.call == RecordingDialogs::Call::Question ||
                record.call == RecordingDialogs::Call::Color);
}

// As a user would: bring the radio's page to the front, then click it.
void TestFormOptions::ClickRadio(QRadioButton* radio) {
    form->show();
    auto* pages = Child<QTabWidget>(QStringLiteral("PageControlOptions"));
    for (int i = 0; i < pages->count(); ++i) {
        if (pages->widget(i)->isAncestorOf(radio))
            pages->setCurrentIndex(i);
    }
    // On the indicator: a short caption leaves the middle of the button empty.
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
}

void TestFormOptions::SetPrecisionText(const QString& text) {
    auto* edit = Child<QLineEdit>(QStringLiteral("EditPrecision"));
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
    QCOMPARE(edit->text(), text);
}

void TestFormOptions::ShowActive() {
    form->show();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
}

void TestFormOptions::captions_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    // clang-format off
    QTest::newRow("ok") << "ButtonOK" << "&OK";
    QTest::newRow("cancel") << "ButtonCancel" << "&Cancel";
    QTest::newRow("help") << "ButtonHelp" << "&Help";
    QTest::newRow("reset") << "ButtonReset" << "&Reset";
    QTest::newRow("calculations") << "GroupCalculations" << "Calculations";
    QTest::newRow("precision") << "LabelPrecision" << "Precision:";
    QTest::newRow("auto") << "CheckAutoCalculate" << "Always Calculate";
    QTest::newRow("colors") << "GroupColor" << "Colors";
    // clang-format on
}

void TestFormOptions::captions() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    auto* widget = Child<QWidget>(name);
    QVERIFY2(widget, qPrintable(name));
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        QCOMPARE(button->text(), text);
    else if (auto* label = qobject_cast<QLabel*>(widget))
        QCOMPARE(label->text(), text);
    else if (auto* group = qobject_cast<QGroupBox*>(widget))
        QCOMPARE(group->title(), text);
    else
        QFAIL("unexpected control class");
}

void TestFormOptions::structure() {
    auto* pages = Child<QTabWidget>(QStringLiteral("PageControlOptions"));
    QVERIFY(pages);
    const QStringList names{"TabGeneral", "TabUnits", "TabUSUnits", "TabMetricUnits"};
    const QStringList texts{"General", "Default Units", "US Units", "Metric Units"};
    QCOMPARE(pages->count(), 4);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(pages->widget(i)->objectName(), names[i]);
        QCOMPARE(pages->tabText(i), texts[i]);
    }
    QVERIFY(Child<QWidget>(QStringLiteral("PanelBottom"))
                ->isAncestorOf(Child<QWidget>(QStringLiteral("ButtonOK"))));
    QVERIFY(Child<QWidget>(QStringLiteral("TabGeneral"))
                ->isAncestorOf(Child<QWidget>(QStringLiteral("ButtonReset"))));
    QCOMPARE(form->windowTitle(), QStringLiteral("Preferences"));

    // Each swatch sits to the right of its label, on the label's row.
    form->show();
    auto* colors = Child<QGroupBox>(QStringLiteral("GroupColor"));
    const QList<QLabel*> labels = colors->findChildren<QLabel*>();
    QCOMPARE(labels.size(), 2);
    const QStringList swatches{"ShapeUnknownForeground", "ShapeUnknownBackground"};
    const QStringList captions{"Unknown Variable Foreground Color:",
                               "Unknown Variable Background Color:"};
    for (int i = 0; i < 2; ++i) {
        auto* swatch = Child<RColorSwatch>(swatches[i]);
        QVERIFY(swatch);
        QCOMPARE(labels[i]->text(), captions[i]);
        QCOMPARE(labels[i]->buddy(), swatch);
        QVERIFY(swatch->geometry().left() > labels[i]->geometry().right());
        QVERIFY(qAbs(swatch->geometry().center().y() - labels[i]->geometry().center().y()) <= 2);
    }
}

void TestFormOptions::unitGroups_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("radio");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("units");
    auto row = [](const char* page, const char* group, const char* caption, const char* radio,
                  int kind, const QStringList& units) {
        QTest::newRow(group) << page << group << caption << radio << kind << units;
    };
    row("TabUnits", "GroupOhms", "Ohms", "RadioOhms", 0,
        {"Ohms (Ω)", "Kilohms (K)", "Megohms (M)"});
    row("TabUnits", "GroupFarads", "Farads", "RadioFarads", 1,
        {"Picofarads (pF)", "Microfarads (uF)", "Farads (F)"});
    row("TabUnits", "GroupHenrys", "Henrys", "RadioHenrys", 2,
        {"Microhenrys (uH)", "Millihenrys (mH)", "Henrys (H)"});
    row("TabUnits", "GroupHertz", "Hertz", "RadioHertz", 3,
        {"Hertz (Hz)", "Kilohertz (KHz)", "Megahertz (MHz)"});
    row("TabUnits", "GroupFeetMeters", "Length (ft/m)", "RadioFtM", 14,
        {"Feet (ft)", "Meters (m)"});
    row("TabUnits", "GroupInCm", "Length (in/cm)", "RadioInCm", 15,
        {"Inches (in)", "Centimeters (cm)"});
    row("TabUSUnits", "GroupUSLength", "US Length/Distance", "RadioUSLength", 4,
        {"in", "ft", "yd", "mile"});
    row("TabUSUnits", "GroupUSArea", "US Area", "RadioUSArea", 6,
        {"in²", "ft²", "yd²", "acre", "mi²"});
    row("TabUSUnits", "GroupUSVolDry", "US Volume (Dry)", "RadioUSVolDry", 8,
        {"in³", "ft³", "yd³"});
    row("TabUSUnits", "GroupUSVolFluid", "US Volume (Fluid)", "RadioUSVolFluid", 10,
        {"US fl oz", "US quart", "US gallon"});
    row("TabUSUnits", "GroupUSWeight", "US Weight/Mass", "RadioUSWeight", 12,
        {"US oz", "US lb", "US ton"});
    row("TabMetricUnits", "GroupMetLength", "Metric Length/Distance", "RadioMetLength", 5,
        {"mm", "cm", "m", "km"});
    row("TabMetricUnits", "GroupMetricArea", "Metric Area", "RadioMetricArea", 7,
        {"mm²", "cm²", "m²", "hectare", "km²"});
    row("TabMetricUnits", "GroupMetVolDry", "Metric Volume (Dry)", "RadioMetVolDry", 9,
        {"mm³", "cm³", "m³"});
    row("TabMetricUnits", "GroupMetVolFluid", "Metric Volume (Fluid)", "RadioMetVolFluid", 11,
        {"ml", "l"});
    row("TabMetricUnits", "GroupMetWeight", "Metric Weight/Mass", "RadioMetWeight", 13,
        {"g", "kg", "tonne"});
}

void TestFormOptions::unitGroups() {
    QFETCH(QString, page);
    QFETCH(QString, group);
    QFETCH(QString, caption);
    QFETCH(QString, radio);
    QFETCH(QStringList, units);
    auto* box = Child<QGroupBox>(group);
    QVERIFY(box);
    QCOMPARE(box->title(), caption);
    QVERIFY(Child<QWidget>(page)->isAncestorOf(box));
    QCOMPARE(box->findChildren<QRadioButton*>().size(), units.size());
    for (int i = 0; i < units.size(); ++i) {
        auto* button = box->findChild<QRadioButton*>(radio + QString::number(i + 1));
        QVERIFY2(button, qPrintable(radio + QString::number(i + 1)));
        QCOMPARE(button->text(), units[i]);
        QCOMPARE(button->group()->id(button), i);
    }
}

void TestFormOptions::loadChecksStoredUnit() {
    QFETCH(QString, radio);
    QFETCH(int, kind);
    QFETCH(QStringList, units);
    Customise(config);
    form->Load(config);
    for (int i = 0; i < units.size(); ++i) {
        auto* button = Child<QRadioButton>(radio + QString::number(i + 1));
        QCOMPARE(button->isChecked(), i == config.DefaultUnits[size_t(kind)]);
    }
}

void TestFormOptions::okStoresCheckedPosition() {
    QFETCH(QString, radio);
    QFETCH(int, kind);
    QFETCH(QStringList, units);
    for (int position = 0; position < units.size(); ++position) {
        Customise(config);
        RConfig expected = config;
        expected.DefaultUnits[size_t(kind)] = position;
        form->Load(config);
        ClickRadio(Child<QRadioButton>(radio + QString::number(position + 1)));
        ClickOk();
        QCOMPARE(form->result(), int(QDialog::Accepted));
        QCOMPARE(Describe(config), Describe(expected));
    }
}

void TestFormOptions::loadShowsGeneralValues() {
    Customise(config);
    form->Load(config);
    QCOMPARE(Child<QLineEdit>(QStringLiteral("EditPrecision"))->text(), QStringLiteral("11"));
    QVERIFY(Child<QCheckBox>(QStringLiteral("CheckAutoCalculate"))->isChecked());
    QCOMPARE(Child<RColorSwatch>(QStringLiteral("ShapeUnknownForeground"))->Color(),
             QColor(0x56, 0x34, 0x12));
    QCOMPARE(Child<RColorSwatch>(QStringLiteral("ShapeUnknownBackground"))->Color(),
             QColor(0xEF, 0xCD, 0xAB));

    config = RConfig();
    form->Load(config);
    QCOMPARE(Child<QLineEdit>(QStringLiteral("EditPrecision"))->text(), QStringLiteral("8"));
    QVERIFY(!Child<QCheckBox>(QStringLiteral("CheckAutoCalculate"))->isChecked());
    QCOMPARE(Child<RColorSwatch>(QStringLiteral("ShapeUnknownBackground"))->Color(),
             QColor(0, 0, 0x80));
}

void TestFormOptions::precisionAccepted_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("precision");
    QTest::newRow("lowest") << "1" << 1;
    QTest::newRow("highest") << "15" << 15;
    QTest::newRow("blanks around") << "  12 " << 12;
    QTest::newRow("plus sign") << "+9" << 9;
    QTest::newRow("leading zeros") << "008" << 8;
}

void TestFormOptions::precisionAccepted() {
    QFETCH(QString, text);
    QFETCH(int, precision);
    form->Load(config);
    form->show();
    SetPrecisionText(text);
    ClickOk();
    QCOMPARE(sink->boxes, QStringList());
    QCOMPARE(config.Precision, precision);
    QCOMPARE(form->result(), int(QDialog::Accepted));
    QVERIFY(!form->isVisible());
}

void TestFormOptions::precisionRefused_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << "0";
    QTest::newRow("sixteen") << "16";
    QTest::newRow("empty") << "";
    QTest::newRow("blanks only") << "   ";
    QTest::newRow("decimal") << "8.5";
    QTest::newRow("negative") << "-3";
    QTest::newRow("letters") << "abc";
    QTest::newRow("exponent") << "1e1";
    QTest::newRow("inner blank") << "1 2";
    QTest::newRow("sign only") << "+";
    QTest::newRow("too large for an integer") << "99999999999";
}

void TestFormOptions::precisionRefused() {
    QFETCH(QString, text);
    Customise(config);
    const RConfig before = config;
    form->Load(config);
    form->show();
    // Changes on every page, none of which may be stored.
    QTest::mouseClick(Child<QCheckBox>(QStringLiteral("CheckAutoCalculate")), Qt::LeftButton);
    dialogs->colors << QColor(Qt::red);
    QTest::mouseClick(Child<RColorSwatch>(QStringLiteral("ShapeUnknownForeground")),
                      Qt::LeftButton);
    ClickRadio(Child<QRadioButton>(QStringLiteral("RadioOhms1")));
    ClickRadio(Child<QRadioButton>(QStringLiteral("RadioMetWeight1")));
    SetPrecisionText(text);
    Child<QTabWidget>(QStringLiteral("PageControlOptions"))->setCurrentIndex(2);

    ClickOk();

    QCOMPARE(sink->boxes, QStringList{QStringLiteral("Error: Invalid precision value.")});
    QCOMPARE(sink->kinds, QList<MessageBoxKind>{MessageBoxKind::Error});
    QCOMPARE(Describe(config), Describe(before));
    QVERIFY(form->isVisible());
    QCOMPARE(form->result(), int(QDialog::Rejected));
    // The user is taken to the box to correct.
    QCOMPARE(Child<QTabWidget>(QStringLiteral("PageControlOptions"))->currentWidget(),
             Child<QWidget>(QStringLiteral("TabGeneral")));
}

void TestFormOptions::refusedPrecisionCanBeCorrected() {
    form->Load(config);
    form->show();
    SetPrecisionText(QStringLiteral("16"));
    ClickOk();
    QCOMPARE(sink->boxes.size(), 1);
    SetPrecisionText(QStringLiteral("15"));
    ClickOk();
    QCOMPARE(sink->boxes.size(), 1);
    QCOMPARE(config.Precision, 15);
    QCOMPARE(form->result(), int(QDialog::Accepted));
}

void TestFormOptions::autoCalculateStored_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("expected");
    QTest::newRow("off to on") << 0 << 1;
    QTest::newRow("on to off") << 1 << 0;
    QTest::newRow("any non-zero counts as on") << 7 << 0;
}

void TestFormOptions::autoCalculateStored() {
    QFETCH(int, stored);
    QFETCH(int, expected);
    config.AutoCalculate = stored;
    form->Load(config);
    QTest::mouseClick(Child<QCheckBox>(QStringLiteral("CheckAutoCalculate")), Qt::LeftButton);
    ClickOk();
    QCOMPARE(config.AutoCalculate, expected);
}

void TestFormOptions::resetYesStoresAtOnce() {
    Customise(config);
    RConfig expected = config;
    expected.ResetPreferences();
    form->Load(config);
    SetPrecisionText(QStringLiteral("3"));
    dialogs->answers << UserDialogs::Answer::Yes;

    QTest::mouseClick(Child<QPushButton>(QStringLiteral("ButtonReset")), Qt::LeftButton);

    QCOMPARE(dialogs->Questions(),
             QStringList{QStringLiteral("Do you wish to reset all options?")});
    QVERIFY(!dialogs->records.first().withCancel);
    QCOMPARE(Describe(config), Describe(expected));
    QCOMPARE(Child<QLineEdit>(QStringLiteral("EditPrecision"))->text(), QStringLiteral("8"));
    QVERIFY(Child<QRadioButton>(QStringLiteral("RadioHertz3"))->isChecked());
    QVERIFY(Child<QRadioButton>(QStringLiteral("RadioMetricArea3"))->isChecked());
    QCOMPARE(Child<RColorSwatch>(QStringLiteral("ShapeUnknownForeground"))->Color(),
             QColor(Qt::white));

    QTest::mouseClick(Child<QPushButton>(QStringLiteral("ButtonCancel")), Qt::LeftButton);
    QCOMPARE(form->result(), int(QDialog::Rejected));
    QCOMPARE(Describe(config), Describe(expected));

    form->Load(config);
    QCOMPARE(Child<QLineEdit>(QStringLiteral("EditPrecision"))->text(), QStringLiteral("8"));
    QVERIFY(!Child<QCheckBox>(QStringLiteral("CheckAutoCalculate"))->isChecked());
    QVERIFY(Child<QRadioButton>(QStringLiteral("RadioOhms1"))->isChecked());
    QCOMPARE(sink->boxes, QStringList());
}

void TestFormOptions::resetNoChangesNothing() {
    Customise(config);
    const RConfig before = config;
    form->Load(config);
    SetPrecisionText(QStringLiteral("3"));
    dialogs->answers << UserDialogs::Answer::No;
    QTest::mouseClick(Child<QPushButton>(QStringLiteral("ButtonReset")), Qt::LeftButton);
    QCOMPARE(dialogs->Questions().size(), 1);
    // Enter must not reset everything.
    QCOMPARE(dialogs->records.first().defaultAnswer, UserDialogs::Answer::No);
    QCOMPARE(Describe(config), Describe(before));
    QCOMPARE(Child<QLineEdit>(QStringLiteral("EditPrecision"))->text(), QStringLiteral("3"));
    QVERIFY(Child<QRadioButton>(QStringLiteral("RadioOhms3"))->isChecked());
}

void TestFormOptions::swatchChangeThenCancel() {
    Customise(config);
    const RConfig before = config;
    form->Load(config);
    auto* swatch = Child<RColorSwatch>(QStringLiteral("ShapeUnknownBackground"));
    dialogs->colors << QColor(Qt::red);
    QTest::mouseClick(swatch, Qt::LeftButton);
    QCOMPARE(dialogs->records.size(), 1);
    QCOMPARE(dialogs->records.first().color, QColor(0xEF, 0xCD, 0xAB));
    QCOMPARE(swatch->Color(), QColor(Qt::red));
    QCOMPARE(Describe(config), Describe(before));

    QTest::mouseClick(Child<QPushButton>(QStringLiteral("ButtonCancel")), Qt::LeftButton);
    QCOMPARE(Describe(config), Describe(before));
    form->Load(config);
    QCOMPARE(swatch->Color(), QColor(0xEF, 0xCD, 0xAB));
}

void TestFormOptions::swatchDialogCancelled() {
    form->Load(config);
    auto* swatch = Child<RColorSwatch>(QStringLiteral("ShapeUnknownForeground"));
    QTest::mouseClick(swatch, Qt::LeftButton);
    QCOMPARE(dialogs->records.size(), 1);
    QCOMPARE(swatch->Color(), QColor(Qt::white));
    ClickOk();
    QCOMPARE(config.UnknownForeground, 0x00FFFFFFu);
}

void TestFormOptions::swatchStoredOnOk_data() {
    QTest::addColumn<QString>("swatch");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<quint32>("stored");
    QTest::newRow("red") << "ShapeUnknownForeground" << QColor(255, 0, 0) << 0x000000FFu;
    QTest::newRow("green") << "ShapeUnknownForeground" << QColor(0, 255, 0) << 0x0000FF00u;
    QTest::newRow("blue") << "ShapeUnknownBackground" << QColor(0, 0, 255) << 0x00FF0000u;
    QTest::newRow("mixed") << "ShapeUnknownBackground" << QColor(0x12, 0x34, 0x56) << 0x00563412u;
    QTest::newRow("black") << "ShapeUnknownBackground" << QColor(0, 0, 0) << 0x00000000u;
}

void TestFormOptions::swatchStoredOnOk() {
    QFETCH(QString, swatch);
    QFETCH(QColor, color);
    QFETCH(quint32, stored);
    const bool foreground = swatch == QStringLiteral("ShapeUnknownForeground");
    form->Load(config);
    dialogs->colors << color;
    QTest::mouseClick(Child<RColorSwatch>(swatch), Qt::LeftButton);
    ClickOk();
    QCOMPARE(foreground ? config.UnknownForeground : config.UnknownBackground, stored);
    QCOMPARE(foreground ? config.UnknownBackground : config.UnknownForeground,
             foreground ? 0x00800000u : 0x00FFFFFFu);
}

void TestFormOptions::swatchFromKeyboard_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("space") << int(Qt::Key_Space);
    QTest::newRow("return") << int(Qt::Key_Return);
    QTest::newRow("enter") << int(Qt::Key_Enter);
}

void TestFormOptions::swatchFromKeyboard() {
    QFETCH(int, key);
    form->Load(config);
    ShowActive();
    auto* swatch = Child<RColorSwatch>(QStringLiteral("ShapeUnknownForeground"));
    QCOMPARE(swatch->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
    swatch->setFocus();
    dialogs->colors << QColor(Qt::yellow);
    QTest::keyClick(swatch, Qt::Key(key));
    QCOMPARE(dialogs->records.size(), 1);
    QCOMPARE(swatch->Color(), QColor(Qt::yellow));
    // The key picked a colour; it did not also press the default button.
    QVERIFY(form->isVisible());
    QCOMPARE(config.UnknownForeground, 0x00FFFFFFu);
    QCOMPARE(swatch->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(!swatch->toolTip().isEmpty());
}

void TestFormOptions::alwaysOpensOnGeneral() {
    auto* pages = Child<QTabWidget>(QStringLiteral("PageControlOptions"));
    for (int page = 1; page < pages->count(); ++page) {
        form->Load(config);
        pages->setCurrentIndex(page);
        QTest::mouseClick(Child<QPushButton>(QStringLiteral("ButtonCancel")), Qt::LeftButton);
        form->Load(config);
        QCOMPARE(pages->currentWidget(), Child<QWidget>(QStringLiteral("TabGeneral")));
    }
}

void TestFormOptions::executeRunsModally() {
    Child<QTabWidget>(QStringLiteral("PageControlOptions"))->setCurrentIndex(3);
    QString shownPage;
    QTimer::singleShot(0, form.get(), [&] {
        shownPage =
            Child<QTabWidget>(QStringLiteral("PageControlOptions"))->currentWidget()->objectName();
        QVERIFY(form->isModal() && form->isVisible());
        SetPrecisionText(QStringLiteral("4"));
        ClickOk();
    });
    QCOMPARE(form->Execute(config), int(QDialog::Accepted));
    QCOMPARE(shownPage, QStringLiteral("TabGeneral"));
    QCOMPARE(config.Precision, 4);

    QTimer::singleShot(0, form.get(), [&] {
        SetPrecisionText(QStringLiteral("5"));
        QTest::mouseClick(Child<QPushButton>(QStringLiteral("ButtonCancel")), Qt::LeftButton);
    });
    QCOMPARE(form->Execute(config), int(QDialog::Rejected));
    QCOMPARE(config.Precision, 4);
}

void TestFormOptions::outOfRangeUnit_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("radio");
    QTest::addColumn<int>("stored");
    QTest::newRow("one past the ohms") << 0 << "RadioOhms" << 3;
    QTest::newRow("negative") << 7 << "RadioMetricArea" << -1;
    QTest::newRow("far out") << 11 << "RadioMetVolFluid" << 99;
}

void TestFormOptions::outOfRangeUnit() {
    QFETCH(int, kind);
    QFETCH(QString, radio);
    QFETCH(int, stored);
    // Shown before with another unit checked.
    config.DefaultUnits[size_t(kind)] = 1;
    form->Load(config);
    config.DefaultUnits[size_t(kind)] = stored;
    form->Load(config);
    // The index stands for the kind's first unit, as in every form; OK keeps it.
    auto* first = Child<QRadioButton>(radio + QLatin1Char('1'));
    QCOMPARE(first->group()->checkedId(), 0);
    ClickOk();
    QCOMPARE(config.DefaultUnits[size_t(kind)], stored);

    // Another unit picked is stored.
    form->Load(config);
    ClickRadio(Child<QRadioButton>(radio + QLatin1Char('2')));
    QVERIFY(!first->isChecked());
    ClickOk();
    QCOMPARE(config.DefaultUnits[size_t(kind)], 1);
}

void TestFormOptions::helpButtonAndF1() {
    form->Load(config);
    ShowActive();
    QTest::mouseClick(Child<QPushButton>(QStringLiteral("ButtonHelp")), Qt::LeftButton);
    QCOMPARE(helpCalls, QList<int>{2500});

    auto* edit = Child<QLineEdit>(QStringLiteral("EditPrecision"));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_F1);
    QCOMPARE(helpCalls, QList<int>({2500, 2500}));

    auto* radio = Child<QRadioButton>(QStringLiteral("RadioUSArea2"));
    ClickRadio(radio);
    radio->setFocus();
    QTest::keyClick(radio, Qt::Key_F1);
    QCOMPARE(helpCalls, QList<int>({2500, 2500, 2500}));
    QVERIFY(form->isVisible());
    QCOMPARE(sink->boxes, QStringList());
}

void TestFormOptions::escapeCancels() {
    Customise(config);
    const RConfig before = config;
    form->Load(config);
    ShowActive();
    SetPrecisionText(QStringLiteral("3"));
    QTest::keyClick(Child<QLineEdit>(QStringLiteral("EditPrecision")), Qt::Key_Escape);
    QVERIFY(!form->isVisible());
    QCOMPARE(form->result(), int(QDialog::Rejected));
    QCOMPARE(Describe(config), Describe(before));
}

void TestFormOptions::enterPressesOk() {
    form->Load(config);
    ShowActive();
    SetPrecisionText(QStringLiteral("6"));
    QTest::keyClick(Child<QLineEdit>(QStringLiteral("EditPrecision")), Qt::Key_Return);
    QCOMPARE(form->result(), int(QDialog::Accepted));
    QCOMPARE(config.Precision, 6);
    QVERIFY(Child<QPushButton>(QStringLiteral("ButtonOK"))->isDefault());
}

void TestFormOptions::nothingClipped() {
    form->Load(config);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    // A fixed dialog border: the size is what the content asks for.
    QCOMPARE(form->minimumSize(), form->maximumSize());
    auto* pages = Child<QTabWidget>(QStringLiteral("PageControlOptions"));
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        QCoreApplication::processEvents();
        QWidget* tab = pages->widget(page);
        for (QWidget* widget : tab->findChildren<QWidget*>()) {
            const QString what = tab->objectName() + QLatin1Char('/') + widget->objectName();
            QVERIFY2(widget->isVisible(), qPrintable(what));
            QVERIFY2(widget->parentWidget()->rect().contains(widget->geometry()), qPrintable(what));
            if (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLabel*>(widget))
                QVERIFY2(widget->width() >= widget->sizeHint().width(), qPrintable(what));
        }
    }
}

void TestFormOptions::standardValues_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("steps"); // down the list from the stored series
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("expected");
    QTest::newRow("OK stores") << int(ESeries::E12) << 3 << "ButtonOK" << int(ESeries::E96);
    QTest::newRow("Cancel keeps") << int(ESeries::E24) << 2 << "ButtonCancel" << int(ESeries::E24);
    QTest::newRow("Reset stores E12 at once, past Cancel")
        << int(ESeries::E48) << 1 << "ButtonReset" << int(ESeries::E12);
}

// The series of the standard parts beside the precision: loaded from the
// user's settings, stored by OK alone.
void TestFormOptions::standardValues() {
    QFETCH(int, stored);
    QFETCH(int, steps);
    QFETCH(QString, button);
    QFETCH(int, expected);
    auto* combo = Child<QComboBox>(QStringLiteral("ComboStandardValues"));
    QCOMPARE(combo->accessibleName(), QStringLiteral("Standard values"));
    form->Load(config);
    QCOMPARE(combo->currentText(), QStringLiteral("E12 (10 %)")); // nothing stored yet
    StoreStandardSeries(ESeries(stored));
    form->Load(config);
    ShowActive();
    combo->setFocus();
    for (int i = 0; i < steps; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(combo->currentIndex(), stored + steps);
    dialogs->answers << UserDialogs::Answer::Yes;
    QTest::mouseClick(Child<QPushButton>(button), Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>(QStringLiteral("ButtonCancel")), Qt::LeftButton);
    QCOMPARE(int(ReadStandardSeries()), expected);
    form->Load(config);
    QCOMPARE(combo->currentIndex(), expected);
}

QTEST_MAIN(TestFormOptions)
#include "tst_tformoptions.moc"
