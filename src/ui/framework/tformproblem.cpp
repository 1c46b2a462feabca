#include "ui/framework/tformproblem.h"

#include "core/calctypes.h"
#include "core/calculationsolver.h"
#include "core/rcalculation.h"
#include "core/rconfig.h"
#include "core/rfield.h"
#include "core/rworksheet.h"
#include "core/units.h"
#include "ui/framework/appcontext.h"
#include "ui/framework/colors.h"
#include "ui/framework/rschematic.h"
#include "ui/framework/textfromstart.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include <functional>

namespace {

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

int TFormProblem::TagOf(const QObject* object) {
    return object->property(TagProperty).toInt();
}

void TFormProblem::SetTag(QObject* object, int tag) {
    object->setProperty(TagProperty, tag);
}

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

QWidget* TFormProblem::GetControl(int tag) const {
    return controls_.value(tag, nullptr);
}

RCalculation* TFormProblem::Calculation() const {
    return context_.calculation;
}

const CalcTypeInfo* TFormProblem::TypeInfo() const {
    return FindCalcType(type_);
}

int TFormProblem::Precision() const {
    return context_.config ? context_.config->Precision : 8;
}

void TFormProblem::SetModified() {
    if (context_.worksheet)
        context_.worksheet->Modified = true;
    context_.NotifyCalculationChanged();
}

bool TFormProblem::CalculatesAsTyped() const {
    return (context_.config && context_.config->AutoCalculate != 0) || AlwaysCalculates();
}

const SolveSpec* TFormProblem::CurrentSolve() const {
    const RCalculation* calculation = Calculation();
    const CalcTypeInfo* info = TypeInfo();
    const UnknownSpec* unknown = calculation && info ? UnknownOf(*info, *calculation) : nullptr;
    return unknown ? &unknown->solve : nullptr;
}

RField* TFormProblem::GetUnknownField() const {
    // Only a change of configuration asks for it, to empty the result.
    RCalculation* calculation = Calculation();
    const CalcTypeInfo* info = TypeInfo();
    if (!calculation || !info || info->configurations.empty())
        return nullptr;
    const UnknownSpec* unknown = UnknownOf(*info, *calculation);
    if (!unknown || unknown->solve.writes.empty() ||
        unknown->solve.writes.front() >= calculation->FieldCount())
        return nullptr;
    return &calculation->Field(unknown->solve.writes.front());
}

void TFormProblem::ShowUnknown() {
    const RCalculation* calculation = Calculation();
    const CalcTypeInfo* info = TypeInfo();
    if (!calculation || !info)
        return;
    const int unknown = calculation->Unknown();
    // The first time every field an unknown writes gets its look; after that
    // only the edits marked before go back to the normal look, so that an
    // edit no choice of unknown marked keeps whatever look it has.
    QList<int> marked;
    QList<int> others = markedTags_;
    for (int choice = 0; choice < int(info->unknowns.size()); ++choice) {
        for (int field : info->unknowns[size_t(choice)].solve.writes) {
            if (choice == unknown)
                marked << field * 10 + 1 << field * 10 + 2;
            else if (!markedOnce_)
                others << field * 10 + 1 << field * 10 + 2;
        }
    }
    MarkEdits(marked, others);
    markedTags_ = marked;
    markedOnce_ = true;
    CheckUnknownRadio(unknown);
    ShowExtraBoxes();
}

void TFormProblem::Calculate() {
    RCalculation* calculation = Calculation();
    const SolveSpec* solve = CurrentSolve();
    if (calculation && solve)
        ShowResult(*solve, SolveCalculation(*calculation, *TypeInfo(), *solve));
    else
        RefreshComponentLines();
}

void TFormProblem::ShowResult(const SolveSpec& solve, const SolveResult& result) {
    RCalculation* calculation = Calculation();
    switch (result.kind) {
    case SolveResult::Kind::Nothing:
        RefreshComponentLines(); // an input's own line follows what was typed
        return;
    case SolveResult::Kind::Refused:
        MarkFailed(solve, true);
        RefreshComponentLines();
        return;
    case SolveResult::Kind::Advice:
        ShowAdvice(result);
        RefreshComponentLines();
        return;
    case SolveResult::Kind::Stored:
    case SolveResult::Kind::Emptied:
        break;
    }
    // Several solutions are offered once stored. A design that shows the
    // quantities first draws them as they are, as if no solution were chosen.
    const bool several = result.solutions > 1;
    for (int field : solve.writes)
        ShowField(field, several && solve.showsQuantityFirst ? -1 : calculation->Solution());
    if (several || result.kind == SolveResult::Kind::Emptied)
        ShowSolutions();
    MarkFailed(solve, result.kind == SolveResult::Kind::Emptied);
    RefreshComponentLines();
    // Success cleared the status bar; a design frequency that is no
    // frequency still says why there are no parts.
    ReportDesignFrequency(false);
    SetModified();
}

void TFormProblem::MarkEdits(const QList<int>& unknownTags, const QList<int>& otherTags) {
    const QColor foreground =
        context_.config ? ColorFromConfig(context_.config->UnknownForeground) : QColor(Qt::white);
    const QColor background =
        context_.config ? ColorFromConfig(context_.config->UnknownBackground) : QColor(0, 0, 0x80);
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
    if (const RCalculation* calculation = Calculation())
        ShowField(fieldIndex, calculation->Solution());
}

void TFormProblem::ShowField(int fieldIndex, int solution) {
    RCalculation* calculation = Calculation();
    if (!calculation || fieldIndex < 0 || fieldIndex >= calculation->FieldCount())
        return;
    const bool ofSolution =
        solution >= 0 && solution < int(calculation->Field(fieldIndex).solutions.size());
    shownSolutions_[fieldIndex] = ofSolution ? solution : -1;
    const RField* field = ShownField(fieldIndex);
    LoadingScope loading(context_.loading);
    const int base = fieldIndex * 10;
    auto show = [](QLineEdit* edit, const QString& text) {
        if (edit)
            SetTextFromStart(edit, text);
    };
    show(qobject_cast<QLineEdit*>(GetControl(base + 1)), field->FormatReal(Precision()));
    show(qobject_cast<QLineEdit*>(GetControl(base + 2)), field->FormatImag(Precision()));
    if (auto* first = qobject_cast<QAbstractButton*>(GetControl(base + 5))) {
        QButtonGroup* group = first->group();
        if (group)
            group->setExclusive(false);
        for (int k = 5; k <= 9; ++k) {
            if (auto* radio = qobject_cast<QAbstractButton*>(GetControl(base + k)))
                radio->setChecked(field->Unit() == k - 5);
        }
        if (group)
            group->setExclusive(true);
    }
}

RField* TFormProblem::ShownField(int fieldIndex) const {
    RCalculation* calculation = Calculation();
    if (!calculation || fieldIndex < 0 || fieldIndex >= calculation->FieldCount())
        return nullptr;
    RField* field = &calculation->Field(fieldIndex);
    const int solution = shownSolutions_.value(fieldIndex, -1);
    if (solution >= 0 && solution < int(field->solutions.size()))
        field = &field->solutions[size_t(solution)];
    return field;
}

void TFormProblem::TakeShownSolution(int editedField) {
    RCalculation* calculation = Calculation();
    std::vector<int> shown;
    for (int i = 0; i < calculation->FieldCount(); ++i) {
        RField& field = calculation->Field(i);
        const RField* chosen = ShownField(i);
        if (chosen == &field)
            continue;
        field.SetTexts(chosen->text, chosen->imagText);
        field.unitIndex = chosen->unitIndex;
        shown.push_back(i);
    }
    calculation->SetSolution(-1);
    // The edited box keeps the user's typing; the others are drawn again
    // from what they now hold, which is what they showed.
    for (int i : shown) {
        if (i != editedField)
            ShowField(i);
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
    ShowDesignFrequency();
    RefreshComponentLines();
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
        field.unitIndex = ListedUnit(field.unitKind, unit);
    }
    for (const ExtraBox& extra : extraBoxes_)
        calculation->Extras().Remove(extra.declared.key);
    calculation->SetSolution(-1);
    failedFields_.clear();
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
    // Typing into a box that shows a solution starts from what the boxes
    // show: the shown solution becomes the value of every field that has one.
    const bool leavesSolution = !field.solutions.empty() && calculation->Solution() != -1;
    if (leavesSolution)
        TakeShownSolution(index);
    if (tag % 10 == 2)
        field.imagText = edit->text();
    else
        field.text = edit->text();
    SetModified();
    if (leavesSolution)
        ShowSolutions();
    // A calculation draws the lines once it has shown its outcome.
    if (CalculatesAsTyped())
        Calculate();
    else
        RefreshComponentLines();
}

void TFormProblem::EditImagChange(int tag) {
    EditValueChange(tag);
}

void TFormProblem::RadioClick(int tag) {
    RCalculation* calculation = Calculation();
    const int index = tag / 10;
    const int unit = tag % 10 - 5;
    if (!calculation || index >= calculation->FieldCount())
        return;
    // The click acts on what the box shows: a solution or the field itself.
    RField& field = *ShownField(index);
    if (unit == field.Unit())
        return;
    // A quantity the new unit cannot hold keeps its unit; the radios go
    // back to what the field has.
    const bool changed = field.ChangeUnit(unit);
    ShowField(index);
    RefreshComponentLines();
    if (changed)
        SetModified();
}

void TFormProblem::UnknownClick(int position) {
    RCalculation* calculation = Calculation();
    if (!calculation || position == calculation->Unknown())
        return;
    calculation->SetUnknown(position);
    // The previous result stays as an ordinary input, with its parts.
    failedFields_.clear();
    ShowUnknown();
    SetModified();
    if (context_.config && context_.config->AutoCalculate != 0)
        Calculate();
    else
        RefreshComponentLines();
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
