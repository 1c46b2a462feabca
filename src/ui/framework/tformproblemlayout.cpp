// The controls a calculator declares: its quantities' boxes with their
// edits and unit radios, and its radio groups, tagged and bound to the
// shared handlers.

#include "ui/framework/tformproblem.h"

#include "core/calctypes.h"
#include "core/rcalculation.h"
#include "core/units.h"
#include "ui/framework/rschematic.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int EditWidth = 96;
constexpr int BoxMargin = 8;

} // namespace

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
    grid->setContentsMargins(BoxMargin, 6, BoxMargin, 6);
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

    grid->addLayout(AddUnitRadios(box, wanted), 0, 1);

    box->adjustSize();
    box->move(wanted.position);

    auto* caption = new QLabel(wanted.caption, panel_);
    caption->setObjectName(wanted.labelName);
    caption->adjustSize();
    caption->move(wanted.position.x(), wanted.position.y() - caption->height() - 1);
    captions_.insert(box, caption);
    PartLine& line = partLines_[wanted.field];
    line.box = box;
    line.stem =
        wanted.boxName.startsWith(QLatin1String("Box")) ? wanted.boxName.mid(3) : wanted.boxName;
    return box;
}

QLayout* TFormProblem::AddUnitRadios(QWidget* box, const BoxSpec& wanted) {
    const int base = wanted.field * 10;
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
            connect(picture, &RPicture::Clicked, this,
                    [this, picture] { ImageOhmClick(TagOf(picture)); });
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
    return radios;
}

void TFormProblem::MoveBox(const QString& boxName, int dx, int dy) {
    QWidget* box = panel_->findChild<QWidget*>(boxName);
    if (!box)
        return;
    box->move(box->pos() + QPoint(dx, dy));
    if (QLabel* caption = captions_.value(box))
        caption->move(caption->pos() + QPoint(dx, dy));
}

void TFormProblem::ShowTwoDrawings(int& drawing, const std::function<void(int sign)>& move) {
    RCalculation* calculation = Calculation();
    if (!calculation)
        return;
    const int wanted = calculation->Configuration() == 0 ? 0 : 1;
    if (wanted != drawing) {
        move(wanted == 1 ? 1 : -1);
        drawing = wanted;
    }
    CheckConfigurationRadio(calculation->Configuration());
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

void TFormProblem::CheckUnknownRadio(int position) {
    CheckOnly(unknownGroup_, position);
}

void TFormProblem::CheckConfigurationRadio(int tag) {
    CheckOnly(configurationGroup_, tag);
}

void TFormProblem::CheckSolutionRadio(int tag) {
    CheckOnly(solutionGroup_, tag);
}

// The ohm picture beside a unit radio shows the radio's focus, and a click
// on it is a click on the radio.
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
