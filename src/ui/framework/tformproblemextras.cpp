// Boxes of settings a calculation keeps among its extras rather than in its
// fields: built like a quantity's box, stored as typed.

#include "ui/framework/tformproblem.h"

#include "core/calctypes.h"
#include "core/rcalculation.h"
#include "core/rconfig.h"
#include "ui/framework/appcontext.h"
#include "ui/framework/rschematic.h"
#include "ui/framework/textfromstart.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include <algorithm>

namespace {

constexpr int ExtraEditWidth = 96;

// Whether the calculation's chosen unknown reads the extra.
bool ReadByUnknown(const CalcTypeInfo* info, const RCalculation& calculation, const QString& key) {
    const UnknownSpec* unknown = info ? UnknownOf(*info, calculation) : nullptr;
    if (!unknown)
        return false;
    return std::any_of(unknown->solve.reads.begin(), unknown->solve.reads.end(),
                       [&key](const ReadSpec& read) { return read.extraKey == key; });
}

} // namespace

QWidget* TFormProblem::AddExtraBox(const ExtraBoxSpec& wanted, QPoint position) {
    auto* box = new RBox(false, PanelMain());
    box->setObjectName(QStringLiteral("Box") + wanted.stem);
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(8, 6, 8, 6);
    auto* edit = new QLineEdit(box);
    edit->setObjectName(QStringLiteral("Edit") + wanted.stem);
    edit->setFixedWidth(ExtraEditWidth);
    edit->setAccessibleName(wanted.caption);
    layout->addWidget(edit);
    box->adjustSize();
    box->move(position);

    auto* caption = new QLabel(wanted.caption, PanelMain());
    caption->setObjectName(QStringLiteral("Label") + wanted.stem);
    caption->setBuddy(edit);
    caption->adjustSize();
    caption->move(position.x(), position.y() - caption->height() - 1);
    captions_.insert(box, caption);

    const int index = extraBoxes_.size();
    extraBoxes_ << ExtraBox{wanted, box, edit};
    connect(edit, &QLineEdit::textChanged, this, [this, index] { EditExtraChange(index); });
    return box;
}

void TFormProblem::ShowExtraBoxes() {
    const RCalculation* calculation = Calculation();
    if (!calculation)
        return;
    for (const ExtraBox& extra : extraBoxes_) {
        const QString text = calculation->Extras().Value(extra.declared.key);
        if (extra.edit->text() != text) {
            const QSignalBlocker quiet(extra.edit);
            SetTextFromStart(extra.edit, text);
        }
        const bool shown = !extra.declared.onlyWhileRead ||
                           ReadByUnknown(TypeInfo(), *calculation, extra.declared.key);
        extra.box->setVisible(shown);
        if (QLabel* caption = captions_.value(extra.box))
            caption->setVisible(shown);
    }
}

void TFormProblem::EditExtraChange(int box) {
    RCalculation* calculation = Calculation();
    if (context_.loading || !calculation || box < 0 || box >= extraBoxes_.size())
        return;
    const ExtraBox& extra = extraBoxes_[box];
    // A text longer than a file holds is refused: the box shows what is kept.
    if (!calculation->Extras().Set(extra.declared.key, extra.edit->text())) {
        ShowExtraBoxes();
        return;
    }
    SetModified();
    if (CalculatesAsTyped())
        Calculate();
}
