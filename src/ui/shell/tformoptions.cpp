#include "ui/shell/tformoptions.h"

#include "core/calc/standardvalues.h"
#include "core/messages.h"
#include "core/rconfig.h"
#include "core/standardseriessetting.h"
#include "core/units.h"
#include "ui/framework/colors.h"
#include "ui/framework/userdialogs.h"
#include "ui/shell/rcolorswatch.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

struct UnitGroupDef {
    const char* name;
    const char* caption;
    const char* radioPrefix;
    UnitKind kind;
    std::vector<const char*> units; // UTF-8 captions, in position order
};

struct UnitPageDef {
    const char* name;
    const char* caption;
    std::vector<UnitGroupDef> groups;
};

// The pages in order; reading them group by group gives the order in which
// OK stores the default units.
const std::vector<UnitPageDef>& UnitPages() {
    // clang-format off
    static const std::vector<UnitPageDef> pages{
        {"TabUnits",
         "Default Units",
         {
             {"GroupOhms", "Ohms", "RadioOhms", UnitKind::Resistance,
              {"Ohms (Ω)", "Kilohms (K)", "Megohms (M)"}},
             {"GroupFarads", "Farads", "RadioFarads", UnitKind::Capacitance,
              {"Picofarads (pF)", "Microfarads (uF)", "Farads (F)"}},
             {"GroupHenrys", "Henrys", "RadioHenrys", UnitKind::Inductance,
              {"Microhenrys (uH)", "Millihenrys (mH)", "Henrys (H)"}},
             {"GroupHertz", "Hertz", "RadioHertz", UnitKind::Frequency,
              {"Hertz (Hz)", "Kilohertz (KHz)", "Megahertz (MHz)"}},
             {"GroupFeetMeters", "Length (ft/m)", "RadioFtM", UnitKind::FeetMeters,
              {"Feet (ft)", "Meters (m)"}},
             {"GroupInCm", "Length (in/cm)", "RadioInCm", UnitKind::InchesCentimeters,
              {"Inches (in)", "Centimeters (cm)"}},
         }},
        {"TabUSUnits",
         "US Units",
         {
             {"GroupUSLength", "US Length/Distance", "RadioUSLength", UnitKind::UsLength,
              {"in", "ft", "yd", "mile"}},
             {"GroupUSArea", "US Area", "RadioUSArea", UnitKind::UsArea,
              {"in²", "ft²", "yd²", "acre", "mi²"}},
             {"GroupUSVolDry", "US Volume (Dry)", "RadioUSVolDry", UnitKind::UsVolume,
              {"in³", "ft³", "yd³"}},
             {"GroupUSVolFluid", "US Volume (Fluid)", "RadioUSVolFluid", UnitKind::UsFluid,
              {"US fl oz", "US quart", "US gallon"}},
             {"GroupUSWeight", "US Weight/Mass", "RadioUSWeight", UnitKind::UsWeight,
              {"US oz", "US lb", "US ton"}},
         }},
        {"TabMetricUnits",
         "Metric Units",
         {
             {"GroupMetLength", "Metric Length/Distance", "RadioMetLength",
              UnitKind::MetricLength, {"mm", "cm", "m", "km"}},
             {"GroupMetricArea", "Metric Area", "RadioMetricArea", UnitKind::MetricArea,
              {"mm²", "cm²", "m²", "hectare", "km²"}},
             {"GroupMetVolDry", "Metric Volume (Dry)", "RadioMetVolDry", UnitKind::MetricVolume,
              {"mm³", "cm³", "m³"}},
             {"GroupMetVolFluid", "Metric Volume (Fluid)", "RadioMetVolFluid",
              UnitKind::MetricFluid, {"ml", "l"}},
             {"GroupMetWeight", "Metric Weight/Mass", "RadioMetWeight", UnitKind::MetricWeight,
              {"g", "kg", "tonne"}},
         }},
    };
    // clang-format on
    return pages;
}

constexpr int UnitGroupColumns = 3;

// The precision as typed: an optional sign and decimal digits, blanks around
// them allowed as in every other number box; anything else is -1.
int PrecisionFromText(const QString& text) {
    int begin = 0;
    int end = text.size();
    while (begin < end && (text[begin] == u' ' || text[begin] == u'\t'))
        ++begin;
    while (end > begin && (text[end - 1] == u' ' || text[end - 1] == u'\t'))
        --end;
    const QString trimmed = text.mid(begin, end - begin);
    int i = 0;
    if (i < trimmed.size() && (trimmed[i] == u'+' || trimmed[i] == u'-'))
        ++i;
    if (i == trimmed.size())
        return -1;
    for (int j = i; j < trimmed.size(); ++j) {
        if (trimmed[j] < u'0' || trimmed[j] > u'9')
            return -1;
    }
    bool ok = false;
    const int value = trimmed.toInt(&ok, 10);
    return ok ? value : -1;
}

QGroupBox* NewGroup(const char* name, const char* caption, QWidget* parent) {
    auto* group = new QGroupBox(QString::fromUtf8(caption), parent);
    group->setObjectName(QString::fromLatin1(name));
    return group;
}

} // namespace

TFormOptions::TFormOptions(UserDialogs& dialogs, std::function<void(int context)> showHelp,
                           QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), showHelp_(std::move(showHelp)) {
    setObjectName(QStringLiteral("FormOptions"));
    setWindowTitle(QStringLiteral("Preferences"));

    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("PageControlOptions"));
    pages_->addTab(BuildGeneralPage(), QStringLiteral("General"));
    for (int page = 0; page < int(UnitPages().size()); ++page)
        pages_->addTab(BuildUnitPage(page), QString::fromUtf8(UnitPages()[size_t(page)].caption));

    EqualizeUnitGroupWidths();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addWidget(BuildBottomPanel());
    // A fixed dialog border, as large as its content needs.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, &TFormOptions::ButtonHelpClick);
}

QWidget* TFormOptions::BuildGeneralPage() {
    tabGeneral_ = new QWidget;
    tabGeneral_->setObjectName(QStringLiteral("TabGeneral"));

    auto* calculations = NewGroup("GroupCalculations", "Calculations", tabGeneral_);
    auto* labelPrecision = new QLabel(QStringLiteral("Precision:"), calculations);
    labelPrecision->setObjectName(QStringLiteral("LabelPrecision"));
    editPrecision_ = new QLineEdit(calculations);
    editPrecision_->setObjectName(QStringLiteral("EditPrecision"));
    // Room for a few digits; the box only ever holds 1 to 15.
    editPrecision_->setFixedWidth(
        editPrecision_->fontMetrics().horizontalAdvance(QStringLiteral("00000")) +
        2 * editPrecision_->fontMetrics().averageCharWidth());
    editPrecision_->setToolTip(QStringLiteral("Significant digits shown, 1 to 15"));
    labelPrecision->setBuddy(editPrecision_);
    checkAutoCalculate_ = new QCheckBox(QStringLiteral("Always Calculate"), calculations);
    checkAutoCalculate_->setObjectName(QStringLiteral("CheckAutoCalculate"));
    auto* calculationsLayout = new QGridLayout(calculations);
    calculationsLayout->addWidget(labelPrecision, 0, 0);
    calculationsLayout->addWidget(editPrecision_, 0, 1);
    calculationsLayout->addWidget(checkAutoCalculate_, 1, 0, 1, 2);
    calculationsLayout->setColumnStretch(2, 1);
    AddStandardValues(calculationsLayout, calculations);

    auto* colors = NewGroup("GroupColor", "Colors", tabGeneral_);
    auto* colorsLayout = new QGridLayout(colors);
    colorsLayout->setColumnStretch(2, 1);
    auto addSwatch = [&](int row, const char* name, const QString& caption) {
        auto* label = new QLabel(caption, colors);
        auto* swatch = new RColorSwatch(colors);
        swatch->setObjectName(QString::fromLatin1(name));
        swatch->setToolTip(QStringLiteral("Click to choose the color"));
        swatch->setAccessibleName(caption);
        label->setBuddy(swatch);
        colorsLayout->addWidget(label, row, 0);
        colorsLayout->addWidget(swatch, row, 1);
        return swatch;
    };
    shapeForeground_ = addSwatch(0, "ShapeUnknownForeground",
                                 QStringLiteral("Unknown Variable Foreground Color:"));
    shapeBackground_ = addSwatch(1, "ShapeUnknownBackground",
                                 QStringLiteral("Unknown Variable Background Color:"));
    connect(shapeForeground_, &RColorSwatch::Pressed, this,
            &TFormOptions::ShapeUnknownForegroundMouseDown);
    connect(shapeBackground_, &RColorSwatch::Pressed, this,
            &TFormOptions::ShapeUnknownBackgroundMouseDown);

    auto* reset = new QPushButton(QStringLiteral("&Reset"), tabGeneral_);
    reset->setObjectName(QStringLiteral("ButtonReset"));
    reset->setToolTip(QStringLiteral("Restore the factory preferences"));
    connect(reset, &QPushButton::clicked, this, &TFormOptions::ButtonResetClick);

    auto* layout = new QVBoxLayout(tabGeneral_);
    layout->addWidget(calculations);
    layout->addWidget(colors);
    layout->addStretch(1);
    auto* resetRow = new QHBoxLayout;
    resetRow->addStretch(1);
    resetRow->addWidget(reset);
    layout->addLayout(resetRow);
    return tabGeneral_;
}

// The series of the standard parts, on the precision's row at the right,
// where it moves no other control.
void TFormOptions::AddStandardValues(QGridLayout* layout, QWidget* group) {
    auto* label = new QLabel(QStringLiteral("Standard &values:"), group);
    label->setObjectName(QStringLiteral("LabelStandardValues"));
    comboStandardValues_ = new QComboBox(group);
    comboStandardValues_->setObjectName(QStringLiteral("ComboStandardValues"));
    comboStandardValues_->setAccessibleName(QStringLiteral("Standard values"));
    comboStandardValues_->setToolTip(
        QStringLiteral("The series the standard parts beneath the results come from"));
    // The tolerance each series is made for.
    const QStringList tolerances{"20", "10", "5", "2", "1", "0.5"};
    for (size_t i = 0; i < AllESeries().size(); ++i) {
        const QString name = ESeriesName(AllESeries()[i]);
        comboStandardValues_->addItem(
            name + QStringLiteral(" (") + tolerances.value(int(i)) + QStringLiteral(" %)"), name);
    }
    label->setBuddy(comboStandardValues_);
    layout->addWidget(label, 0, 3);
    layout->addWidget(comboStandardValues_, 0, 4);
}

QWidget* TFormOptions::BuildUnitPage(int page) {
    const UnitPageDef& def = UnitPages()[size_t(page)];
    auto* tab = new QWidget;
    tab->setObjectName(QString::fromLatin1(def.name));
    auto* layout = new QGridLayout(tab);

    int position = 0;
    for (const UnitGroupDef& groupDef : def.groups) {
        QGroupBox* group = NewGroup(groupDef.name, groupDef.caption, tab);
        auto* radios = new QButtonGroup(group);
        auto* groupLayout = new QVBoxLayout(group);
        for (int unit = 0; unit < int(groupDef.units.size()); ++unit) {
            auto* radio = new QRadioButton(QString::fromUtf8(groupDef.units[size_t(unit)]), group);
            radio->setObjectName(QString::fromLatin1(groupDef.radioPrefix) +
                                 QString::number(unit + 1));
            radios->addButton(radio, unit);
            groupLayout->addWidget(radio);
        }
        groupLayout->addStretch(1);
        layout->addWidget(group, position / UnitGroupColumns, position % UnitGroupColumns);
        unitGroups_.push_back({KindNumber(groupDef.kind), group, radios});
        ++position;
    }
    for (int column = 0; column < UnitGroupColumns; ++column)
        layout->setColumnStretch(column, 1);
    layout->setRowStretch((position + UnitGroupColumns - 1) / UnitGroupColumns, 1);
    return tab;
}

// The unit pages share one column width, so that switching between them
// does not shift the groups around.
void TFormOptions::EqualizeUnitGroupWidths() {
    int width = 0;
    for (const UnitGroup& group : unitGroups_)
        width = std::max(width, group.box->sizeHint().width());
    for (const UnitGroup& group : unitGroups_)
        group.box->setMinimumWidth(width);
}

QWidget* TFormOptions::BuildBottomPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("PanelBottom"));
    auto* ok = new QPushButton(QStringLiteral("&OK"), panel);
    ok->setObjectName(QStringLiteral("ButtonOK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), panel);
    cancel->setObjectName(QStringLiteral("ButtonCancel"));
    auto* help = new QPushButton(QStringLiteral("&Help"), panel);
    help->setObjectName(QStringLiteral("ButtonHelp"));
    connect(ok, &QPushButton::clicked, this, &TFormOptions::ButtonOKClick);
    connect(cancel, &QPushButton::clicked, this, &TFormOptions::ButtonCancelClick);
    connect(help, &QPushButton::clicked, this, &TFormOptions::ButtonHelpClick);

    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(1);
    layout->addWidget(ok);
    layout->addWidget(cancel);
    layout->addWidget(help);
    return panel;
}

int TFormOptions::Execute(RConfig& config) {
    Load(config);
    CenterOnScreen();
    return exec();
}

void TFormOptions::Load(RConfig& config) {
    config_ = &config;
    LoadControls();
    pages_->setCurrentWidget(tabGeneral_);
}

void TFormOptions::LoadControls() {
    editPrecision_->setText(QString::number(config_->Precision));
    checkAutoCalculate_->setChecked(config_->AutoCalculate != 0);
    shapeForeground_->SetColor(ColorFromConfig(config_->UnknownForeground));
    shapeBackground_->SetColor(ColorFromConfig(config_->UnknownBackground));
    comboStandardValues_->setCurrentIndex(
        comboStandardValues_->findData(ESeriesName(ReadStandardSeries())));

    for (const UnitGroup& group : unitGroups_) {
        // An index the group does not offer (a damaged file) stands for the
        // kind's first unit, as everywhere else.
        const int shown = ListedUnit(group.kind, config_->DefaultUnit(group.kind));
        if (QAbstractButton* radio = group.radios->button(shown))
            radio->setChecked(true);
    }
}

void TFormOptions::ButtonOKClick() {
    if (!config_)
        return;
    const int precision = PrecisionFromText(editPrecision_->text());
    if (precision <= 0 || precision > 15) {
        ShowError(QStringLiteral("Invalid precision value."));
        pages_->setCurrentWidget(tabGeneral_);
        editPrecision_->setFocus();
        editPrecision_->selectAll();
        return;
    }

    config_->Precision = precision;
    config_->AutoCalculate = checkAutoCalculate_->isChecked() ? 1 : 0;
    config_->UnknownForeground = ConfigFromColor(shapeForeground_->Color());
    config_->UnknownBackground = ConfigFromColor(shapeBackground_->Color());
    for (const UnitGroup& group : unitGroups_) {
        // An index the group does not offer is kept until the user picks
        // another unit than the one it stands for.
        const int checked = group.radios->checkedId();
        if (checked >= 0 && checked != ListedUnit(group.kind, config_->DefaultUnit(group.kind)))
            config_->DefaultUnits[size_t(group.kind)] = checked;
    }
    ESeries series = DefaultESeries;
    if (ESeriesFromName(comboStandardValues_->currentData().toString(), series))
        StoreStandardSeries(series);
    accept();
}

void TFormOptions::ButtonCancelClick() {
    reject();
}

void TFormOptions::ButtonResetClick() {
    if (!config_)
        return;
    // Yes overwrites every preference at once, past a later Cancel.
    if (dialogs_.Ask(this, QStringLiteral("Do you wish to reset all options?"), false,
                     UserDialogs::Answer::No) != UserDialogs::Answer::Yes)
        return;
    config_->ResetPreferences();
    StoreStandardSeries(DefaultESeries);
    LoadControls();
}

void TFormOptions::ButtonHelpClick() {
    if (showHelp_)
        showHelp_(HelpContext);
}

void TFormOptions::ShapeUnknownForegroundMouseDown() {
    PickColor(*shapeForeground_);
}

void TFormOptions::ShapeUnknownBackgroundMouseDown() {
    PickColor(*shapeBackground_);
}

void TFormOptions::PickColor(RColorSwatch& swatch) {
    QColor color = swatch.Color();
    if (dialogs_.GetColor(this, color) && color.isValid())
        swatch.SetColor(color);
}

void TFormOptions::CenterOnScreen() {
    const QWidget* anchor = parentWidget() ? parentWidget()->window() : this;
    const QScreen* screen = anchor->screen();
    if (!screen)
        return;
    adjustSize();
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}
