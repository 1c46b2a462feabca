#include "ui/framework/tformproblem.h"

#include "core/calctypes.h"
#include "core/messages.h"
#include "core/numbertext.h"
#include "core/rcalculation.h"
#include "core/rconfig.h"
#include "core/rfield.h"
#include "core/rworksheet.h"
#include "core/units.h"
#include "ui/framework/appcontext.h"
#include "ui/framework/colors.h"
#include "ui/framework/rschematic.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>
#include <functional>

namespace {

constexpr int EditWidth = 96;
constexpr int ButtonWidth = 88;
constexpr int Margin = 8;
const char* const TagProperty = "tag";

// The calculator's panel keeps the three buttons at its lower right and the
// drawing under everything else.
class ProblemPanel final : public QWidget {
public:
    std::function<void(QSize)> onResize;

protected:
    void resizeEvent(QResizeEvent*) override {
        if (onResize)
            onResize(size());
    }
};

int TagOf(const QObject* object) { return object->property(TagProperty).toInt(); }

void SetTag(QObject* object, int tag) { object->setProperty(TagProperty, tag); }

// Restores the loading flag however the scope is left.
class LoadingScope {
public:
    explicit LoadingScope(bool& flag) : flag_(flag), previous_(flag) { flag_ = true; }
    ~LoadingScope() { flag_ = previous_; }

private:
    bool& flag_;
    bool previous_;
};

QPixmap OhmPicture(bool focused, qreal ratio) {
    QPixmap pixmap(QSize(16, 16) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font = painter.font();
    font.setPixelSize(13);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QString(QChar(0x03A9)));
    if (focused) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(QRectF(0.5, 0.5, 15, 15));
    }
    return pixmap;
}

} // namespace

TFormProblem::TFormProblem(AppContext& context, const QString& caption, QObject* parent)
    : QObject(parent), context_(context), caption_(caption) {
    auto* panel = new ProblemPanel;
    panel_ = panel;
    panel_->setObjectName(QStringLiteral("PanelMain"));
    panel_->setAccessibleName(caption);

    schematic_ = new RSchematic(panel_);
    schematic_->setObjectName(QStringLiteral("Schematic"));

    buttonCalculate_ = new QPushButton(QStringLiteral("Calculate"), panel_);
    buttonCalculate_->setObjectName(QStringLiteral("ButtonCalculate"));
    buttonClear_ = new QPushButton(QStringLiteral("Clear"), panel_);
    buttonClear_->setObjectName(QStringLiteral("ButtonClear"));
    buttonHelp_ = new QPushButton(QStringLiteral("Help"), panel_);
    buttonHelp_->setObjectName(QStringLiteral("ButtonHelp"));
    connect(buttonCalculate_, &QPushButton::clicked, this, &TFormProblem::ButtonCalculateClick);
    connect(buttonClear_, &QPushButton::clicked, this, &TFormProblem::ButtonClearClick);
    connect(buttonHelp_, &QPushButton::clicked, this, &TFormProblem::ButtonHelpClick);

    CreatePictures();

    panel->onResize = [this](QSize size) {
        schematic_->setGeometry(0, 0, size.width(), size.height());
        const int height = buttonCalculate_->sizeHint().height();
        const int x = size.width() - Margin - ButtonWidth;
        int y = size.height() - Margin - height;
        for (QPushButton* button : {buttonHelp_, buttonClear_, buttonCalculate_}) {
            button->setGeometry(x, y, ButtonWidth, height);
            y -= height + 6;
        }
    };
    schematic_->lower();
}

TFormProblem::~TFormProblem() {
    // The panel may be hosted by the main window; it is the form's all the same.
    delete panel_;
}

void TFormProblem::CreatePictures() {
    const qreal ratio = 2.0;
    baseOhm_ = OhmPicture(false, ratio);
    selectedOhm_ = OhmPicture(true, ratio);
    imageBaseOhm_ = new QLabel(panel_);
    imageBaseOhm_->setObjectName(QStringLiteral("ImageBaseOhm"));
    imageBaseOhm_->setPixmap(baseOhm_);
    imageBaseOhm_->hide();
    imageSelectedOhm_ = new QLabel(panel_);
    imageSelectedOhm_->setObjectName(QStringLiteral("ImageSelectedOhm"));
    imageSelectedOhm_->setPixmap(selectedOhm_);
    imageSelectedOhm_->hide();
}

TFormProblem::TFormProblem(AppContext& context, int type, QObject* parent)
    : TFormProblem(context, QString::fromLatin1(FindCalcType(type)->formCaption), parent) {
    type_ = type;
}

QString TFormProblem::GetTypeName() const {
    const CalcTypeInfo* info = TypeInfo();
    return info ? QString::fromLatin1(info->typeWord) : QStringLiteral("Unknown");
}

void TFormProblem::InitCalculation(RCalculation& calculation) const {
    if (!TypeInfo())
        return;
    const RConfig defaults;
    InitCalculationOfType(type_, calculation, context_.config ? *context_.config : defaults);
}

void TFormProblem::ShowHelp() {
    const CalcTypeInfo* info = TypeInfo();
    if (info && context_.showHelp)
        context_.showHelp(info->helpContext);
}

QWidget* TFormProblem::GetControl(int tag) const { return controls_.value(tag, nullptr); }

RCalculation* TFormProblem::Calculation() const { return context_.calculation; }

const CalcTypeInfo* TFormProblem::TypeInfo() const { return FindCalcType(type_); }

int TFormProblem::Precision() const { return context_.config ? context_.config->Precision : 8; }

void TFormProblem::SetModified() {
    if (context_.worksheet)
        context_.worksheet->Modified = true;
    context_.NotifyCalculationChanged();
}

TFormProblem::BoxSpec TFormProblem::StandardBox(int field, const QString& caption,
                                                const QString& stem, int unitKind, bool complex,
                                                QPoint position, const QString& ohmName,
                                                bool result) {
    BoxSpec wanted;
    wanted.field = field;
    wanted.caption = caption;
    wanted.boxName = QStringLiteral("Box") + stem;
    wanted.labelName = QStringLiteral("Label") + stem;
    wanted.editName = QStringLiteral("Edit") + stem;
    if (complex)
        wanted.imagName = QStringLiteral("Edit") + stem + QStringLiteral("J");
    for (int unit = 0; unit < UnitCount(unitKind); ++unit)
        wanted.radioNames << QStringLiteral("Radio") + stem + QString::number(unit + 1);
    wanted.ohmName = ohmName;
    wanted.unitKind = unitKind;
    wanted.result = result;
    wanted.position = position;
    return wanted;
}

TFormProblem::BoxSpec TFormProblem::TypeBox(int field, const QString& stem, QPoint position,
                                             const QString& ohmName, bool result) const {
    const CalcTypeInfo* info = TypeInfo();
    if (!info || field < 0 || field >= int(info->fields.size()))
        return StandardBox(field, stem, stem, 0, false, position, ohmName, result);
    const FieldSpec& entry = info->fields[size_t(field)];
    return StandardBox(field, FieldLabel(*info, field), stem, entry.unitKind, entry.complex,
                       position, ohmName, result);
}

QWidget* TFormProblem::AddBox(const BoxSpec& wanted) {
    const int base = wanted.field * 10;
    auto* box = new RBox(wanted.result, panel_);
    box->setObjectName(wanted.boxName);

    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(Margin, 6, Margin, 6);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(4);

    auto* edits = new QVBoxLayout;
    edits->setSpacing(4);
    edits->addStretch();
    auto* edit = new QLineEdit(box);
    edit->setObjectName(wanted.editName);
    edit->setFixedWidth(EditWidth);
    edit->setAccessibleName(wanted.caption);
    BindEdit(edit, base + 1, false);
    edits->addWidget(edit);
    if (!wanted.imagName.isEmpty()) {
        auto* row = new QHBoxLayout;
        row->setSpacing(4);
        auto* j = new QLabel(QStringLiteral("+j"), box);
        auto* imag = new QLineEdit(box);
        imag->setObjectName(wanted.imagName);
        imag->setFixedWidth(EditWidth - j->sizeHint().width() - 4);
        imag->setAccessibleName(wanted.caption + QStringLiteral(" +j"));
        j->setBuddy(imag);
        BindEdit(imag, base + 2, true);
        row->addWidget(j);
        row->addWidget(imag);
        edits->addLayout(row);
    }
    edits->addStretch();
    grid->addLayout(edits, 0, 0);

    auto* radios = new QVBoxLayout;
    radios->setSpacing(0);
    auto* group = new QButtonGroup(box);
    for (int unit = 0; unit < wanted.radioNames.size(); ++unit) {
        const int tag = base + 5 + unit;
        const bool ohm = unit == 0 && !wanted.ohmName.isEmpty();
        auto* radio = new QRadioButton(ohm ? QString() : UnitCaption(wanted.unitKind, unit), box);
        radio->setObjectName(wanted.radioNames[unit]);
        SetTag(radio, tag);
        controls_.insert(tag, radio);
        group->addButton(radio, unit);
        if (ohm) {
            radio->setAccessibleName(QStringLiteral("ohm"));
            auto* picture = new RPicture(box);
            picture->setObjectName(wanted.ohmName);
            picture->SetPixmap(baseOhm_);
            SetTag(picture, 1000 + tag);
            controls_.insert(1000 + tag, picture);
            connect(picture, &RPicture::Clicked, this, [this, picture] {
                ImageOhmClick(TagOf(picture));
            });
            radio->installEventFilter(this);
            auto* row = new QHBoxLayout;
            row->setSpacing(0);
            row->addWidget(radio);
            row->addWidget(picture);
            row->addStretch();
            radios->addLayout(row);
        } else if (QWidget* beside =
                       wanted.besideRadio ? wanted.besideRadio(unit, radio) : nullptr) {
            auto* row = new QHBoxLayout;
            row->setSpacing(0);
            row->addWidget(radio);
            row->addWidget(beside);
            row->addStretch();
            radios->addLayout(row);
        } else {
            radios->addWidget(radio);
        }
    }
    radios->addStretch();
    connect(group, &QButtonGroup::idClicked, this,
            [this, base](int unit) { RadioClick(base + 5 + unit); });
    grid->addLayout(radios, 0, 1);

    box->adjustSize();
    box->move(wanted.position);

    auto* caption = new QLabel(wanted.caption, panel_);
    caption->setObjectName(wanted.labelName);
    caption->adjustSize();
    caption->move(wanted.position.x(), wanted.position.y() - caption->height() - 1);
    captions_.insert(box, caption);
    return box;
}

void TFormProblem::MoveBox(const QString& boxName, int dx, int dy) {
    QWidget* box = panel_->findChild<QWidget*>(boxName);
    if (!box)
        return;
    box->move(box->pos() + QPoint(dx, dy));
    if (QLabel* caption = captions_.value(box))
        caption->move(caption->pos() + QPoint(dx, dy));
}

void TFormProblem::BindEdit(QLineEdit* edit, int tag, bool imaginary) {
    SetTag(edit, tag);
    controls_.insert(tag, edit);
    if (imaginary)
        connect(edit, &QLineEdit::textChanged, this, [this, tag] { EditImagChange(tag); });
    else
        connect(edit, &QLineEdit::textChanged, this, [this, tag] { EditValueChange(tag); });
}

QWidget* TFormProblem::AddRadioGroup(GroupRole role, const QString& name, const QString& title,
                                     const QStringList& radioNames, const QStringList& captions,
                                     QPoint position) {
    auto* box = new QGroupBox(title, panel_);
    box->setObjectName(name);
    auto* layout = new QVBoxLayout(box);
    layout->setSpacing(2);
    auto* group = new QButtonGroup(box);
    for (int position = 0; position < radioNames.size(); ++position) {
        auto* radio = new QRadioButton(captions.value(position), box);
        radio->setObjectName(radioNames[position]);
        SetTag(radio, position);
        group->addButton(radio, position);
        layout->addWidget(radio);
    }
    switch (role) {
    case GroupRole::Unknown:
        unknownGroup_ = group;
        connect(group, &QButtonGroup::idClicked, this, &TFormProblem::UnknownClick);
        break;
    case GroupRole::Configuration:
        configurationGroup_ = group;
        connect(group, &QButtonGroup::idClicked, this, &TFormProblem::ConfigClick);
        break;
    case GroupRole::Solution:
        solutionGroup_ = group;
        connect(group, &QButtonGroup::idClicked, this, &TFormProblem::SolutionClick);
        break;
    }
    box->adjustSize();
    box->move(position);
    return box;
}

QWidget* TFormProblem::AddUnknownGroup(const QStringList& radioNames, QPoint position) {
    QStringList captions;
    if (const CalcTypeInfo* info = TypeInfo()) {
        for (const UnknownSpec& unknown : info->unknowns)
            captions << QString::fromLatin1(unknown.caption);
    }
    return AddRadioGroup(GroupRole::Unknown, QStringLiteral("GroupUnknown"),
                         QStringLiteral("Unknown"), radioNames, captions, position);
}

QWidget* TFormProblem::AddConfigurationGroup(const QString& name, const QString& title,
                                             const QStringList& radioNames, QPoint position) {
    QStringList captions;
    if (const CalcTypeInfo* info = TypeInfo()) {
        for (const char* caption : info->configurations)
            captions << QString::fromLatin1(caption);
    }
    return AddRadioGroup(GroupRole::Configuration, name, title, radioNames, captions, position);
}

void TFormProblem::FinishLayout(QSize size) {
    panel_->setMinimumSize(size);
    panel_->resize(size);
}

namespace {

void CheckOnly(QButtonGroup* group, int id) {
    if (!group)
        return;
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons())
        button->setChecked(group->id(button) == id);
    group->setExclusive(true);
}

} // namespace

void TFormProblem::CheckUnknownRadio(int position) { CheckOnly(unknownGroup_, position); }

void TFormProblem::CheckConfigurationRadio(int tag) { CheckOnly(configurationGroup_, tag); }

void TFormProblem::CheckSolutionRadio(int tag) { CheckOnly(solutionGroup_, tag); }

std::vector<int> TFormProblem::UnknownFields() const {
    const RCalculation* calculation = Calculation();
    const CalcTypeInfo* info = TypeInfo();
    const UnknownSpec* unknown =
        calculation && info ? FindUnknown(*info, calculation->Unknown()) : nullptr;
    return unknown ? unknown->fields : std::vector<int>();
}

RField* TFormProblem::FirstUnknownField() const {
    RCalculation* calculation = Calculation();
    const std::vector<int> fields = UnknownFields();
    if (fields.empty() || fields.front() >= calculation->FieldCount())
        return nullptr;
    return &calculation->Field(fields.front());
}

void TFormProblem::MarkUnknownFields() {
    const RCalculation* calculation = Calculation();
    const CalcTypeInfo* info = TypeInfo();
    if (!calculation || !info)
        return;
    const int unknown = calculation->Unknown();
    QList<int> marked;
    QList<int> others;
    for (int choice = 0; choice < int(info->unknowns.size()); ++choice) {
        for (int field : info->unknowns[size_t(choice)].fields)
            (choice == unknown ? marked : others) << field * 10 + 1 << field * 10 + 2;
    }
    MarkEdits(marked, others);
    CheckUnknownRadio(unknown);
}

void TFormProblem::MarkEdits(const QList<int>& unknownTags, const QList<int>& otherTags) {
    const QColor foreground =
        context_.config ? ColorFromConfig(context_.config->UnknownForeground) : QColor(Qt::white);
    const QColor background = context_.config ? ColorFromConfig(context_.config->UnknownBackground)
                                              : QColor(0, 0, 0x80);
    auto paint = [this](int tag, const QColor& base, const QColor& text, bool readOnly) {
        auto* edit = qobject_cast<QLineEdit*>(GetControl(tag));
        if (!edit)
            return;
        QPalette palette = edit->palette();
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            palette.setColor(group, QPalette::Base, base);
            palette.setColor(group, QPalette::Text, text);
        }
        edit->setPalette(palette);
        edit->setReadOnly(readOnly);
    };
    for (int tag : otherTags)
        paint(tag, Qt::white, Qt::black, false);
    for (int tag : unknownTags)
        paint(tag, background, foreground, true);
}

void TFormProblem::ShowField(int fieldIndex) {
    RCalculation* calculation = Calculation();
    if (!calculation || fieldIndex < 0 || fieldIndex >= calculation->FieldCount())
        return;
    LoadingScope loading(context_.loading);
    const RField* field = &calculation->Field(fieldIndex);
    const int solution = calculation->Solution();
    if (solution >= 0 && solution < int(field->solutions.size()))
        field = &field->solutions[size_t(solution)];

    const int base = fieldIndex * 10;
    if (auto* edit = qobject_cast<QLineEdit*>(GetControl(base + 1)))
        edit->setText(field->FormatReal(Precision()));
    if (auto* edit = qobject_cast<QLineEdit*>(GetControl(base + 2)))
        edit->setText(field->FormatImag(Precision()));
    if (auto* first = qobject_cast<QAbstractButton*>(GetControl(base + 5))) {
        QButtonGroup* group = first->group();
        if (group)
            group->setExclusive(false);
        for (int k = 5; k <= 9; ++k) {
            if (auto* radio = qobject_cast<QAbstractButton*>(GetControl(base + k)))
                radio->setChecked(field->unitIndex == k - 5);
        }
        if (group)
            group->setExclusive(true);
    }
}

void TFormProblem::ShowCalculation() {
    RCalculation* calculation = Calculation();
    if (!calculation)
        return;
    for (int i = 0; i < calculation->FieldCount(); ++i)
        ShowField(i);
    ShowUnknown();
    ShowConfiguration();
    ShowSolutions();
    if (AlwaysCalculates())
        buttonCalculate_->hide();
    context_.NotifyCalculationChanged();
}

void TFormProblem::ClearCalculation() {
    RCalculation* calculation = Calculation();
    if (!calculation)
        return;
    for (RField& field : calculation->Fields()) {
        field.SetTexts(QString(), QString());
        const int unit = context_.config ? context_.config->DefaultUnit(field.unitKind)
                                         : FactoryDefaultUnit(field.unitKind);
        field.unitIndex = unit < 0 ? 0 : unit;
    }
    calculation->SetSolution(-1);
    ShowCalculation();
}

void TFormProblem::EditValueChange(int tag) {
    if (context_.loading)
        return;
    RCalculation* calculation = Calculation();
    auto* edit = qobject_cast<QLineEdit*>(GetControl(tag));
    const int index = tag / 10;
    if (!calculation || !edit || index >= calculation->FieldCount())
        return;
    // Only the form itself writes into the unknown's read-only box, and always
    // under the loading flag. Whatever else changed it (a programmatic cut or
    // paste, an assistive tool setting the text) is undone, so that the field
    // keeps what the calculation stored.
    if (edit->isReadOnly()) {
        ShowField(index);
        return;
    }
    RField& field = calculation->Field(index);
    if (tag % 10 == 2)
        field.imagText = edit->text();
    else
        field.text = edit->text();
    SetModified();
    if (!field.solutions.empty() && calculation->Solution() != -1) {
        calculation->SetSolution(-1);
        ShowSolutions();
    }
    if ((context_.config && context_.config->AutoCalculate != 0) || AlwaysCalculates())
        Calculate();
}

void TFormProblem::EditImagChange(int tag) { EditValueChange(tag); }

void TFormProblem::RadioClick(int tag) {
    RCalculation* calculation = Calculation();
    const int index = tag / 10;
    const int unit = tag % 10 - 5;
    if (!calculation || index >= calculation->FieldCount())
        return;
    RField& field = calculation->Field(index);
    if (unit == field.unitIndex)
        return;
    // The same quantity in the new unit; a text that is empty or no number
    // stays as it is.
    auto converted = [&field, unit](const QString& text, double value, QString& out) {
        if (text.isEmpty() || !IsNumber(text))
            return true;
        const double inUnit = FromBaseUnits(value, unit, field.unitKind);
        out = StoredNumberText(inUnit);
        return std::isfinite(inUnit);
    };
    QString real = field.text;
    QString imag = field.imagText;
    // A quantity the new unit cannot hold (1e300 F in pF) keeps its unit.
    if (!converted(field.text, field.GetReal(), real) ||
        !converted(field.imagText, field.GetImag(), imag)) {
        ShowField(index);
        return;
    }
    field.SetTexts(real, imag);
    field.unitIndex = unit;
    ShowField(index);
    SetModified();
}

void TFormProblem::UnknownClick(int position) {
    RCalculation* calculation = Calculation();
    if (!calculation || position == calculation->Unknown())
        return;
    calculation->SetUnknown(position);
    ShowUnknown();
    SetModified();
    if (context_.config && context_.config->AutoCalculate != 0)
        Calculate();
}

void TFormProblem::ConfigClick(int tag) {
    RCalculation* calculation = Calculation();
    if (!calculation || tag == calculation->Configuration())
        return;
    calculation->SetConfiguration(tag);
    if (RField* unknown = GetUnknownField())
        unknown->SetTexts(QString(), QString());
    calculation->SetSolution(-1);
    ShowConfiguration();
    ShowCalculation();
    SetModified();
    if (context_.config && context_.config->AutoCalculate != 0)
        Calculate();
}

void TFormProblem::SolutionClick(int tag) {
    RCalculation* calculation = Calculation();
    if (!calculation || tag == calculation->Solution())
        return;
    calculation->SetSolution(tag);
    ShowSolutions();
    ShowCalculation();
    SetModified();
}

void TFormProblem::RadioEnter(int tag) {
    if (auto* picture = qobject_cast<RPicture*>(GetControl(tag + 1000)))
        picture->SetPixmap(selectedOhm_);
}

void TFormProblem::RadioExit(int tag) {
    if (auto* picture = qobject_cast<RPicture*>(GetControl(tag + 1000)))
        picture->SetPixmap(baseOhm_);
}

void TFormProblem::ImageOhmClick(int tag) {
    auto* radio = qobject_cast<QAbstractButton*>(GetControl(tag - 1000));
    if (!radio)
        return;
    RadioClick(tag - 1000);
    radio->setFocus(Qt::MouseFocusReason);
}

bool TFormProblem::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn)
        RadioEnter(TagOf(watched));
    else if (event->type() == QEvent::FocusOut)
        RadioExit(TagOf(watched));
    return QObject::eventFilter(watched, event);
}

bool TFormProblem::ValidateFields(std::initializer_list<int> fields, bool allowNegative) const {
    const RCalculation* calculation = Calculation();
    const CalcTypeInfo* info = TypeInfo();
    if (!calculation || !info)
        return false;
    for (int field : fields) {
        if (field < 0 || field >= calculation->FieldCount())
            return false;
        const QString name = FieldMessageName(*info, field, calculation->Configuration());
        if (!calculation->Field(field).Validate(name, allowNegative))
            return false;
    }
    return true;
}

bool TFormProblem::Finish(int fieldIndex, const Solved& solved, int unitIndex) {
    if (!solved.ok) {
        ShowWarning(solved.message);
        return false;
    }
    return StoreResult(fieldIndex, solved.value, unitIndex);
}

bool TFormProblem::StoreResult(int fieldIndex, const Complex& value, int unitIndex) {
    RCalculation* calculation = Calculation();
    if (!calculation || fieldIndex >= calculation->FieldCount())
        return false;
    RField& field = calculation->Field(fieldIndex);
    // A value that is finite in the base unit may still overflow in a small
    // unit (1e300 F written in pF).
    const int unit = unitIndex == -1 ? field.unitIndex : unitIndex;
    const Complex written(FromBaseUnits(value.re, unit, field.unitKind),
                          FromBaseUnits(value.im, unit, field.unitKind));
    if (!IsFinite(value) || !IsFinite(written)) {
        ShowWarning(NoSolutionMessage());
        return false;
    }
    field.SetComplex(value.re, value.im, unitIndex);
    ShowField(fieldIndex);
    SetModified();
    ClearWarning();
    return true;
}
