// What a calculator shows beyond its quantities: the design frequency of a
// network and, beneath the boxes, the parts to build each value with.

#include "ui/framework/tformproblem.h"

#include "core/calctypes.h"
#include "core/componentlines.h"
#include "core/messages.h"
#include "core/rcalculation.h"
#include "core/rfield.h"
#include "core/units.h"
#include "ui/framework/appcontext.h"
#include "ui/framework/rdesignfrequencybox.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace {

// A piece wider than the width, broken where it reads best (after "=" or
// ":", before "(") into parts packed as full as the width lets them be; a
// part still too wide is broken at its spaces.
QStringList Broken(const QString& piece, const QFontMetrics& metrics, int width) {
    if (metrics.horizontalAdvance(piece) <= width)
        return {piece};
    QStringList words;
    int start = 0;
    for (int i = 1; i + 1 < piece.size(); ++i) {
        if (piece[i] == u' ' &&
            (piece[i - 1] == u'=' || piece[i - 1] == u':' || piece[i + 1] == u'(')) {
            words << piece.mid(start, i - start);
            start = i + 1;
        }
    }
    words << piece.mid(start);
    QStringList parts;
    for (const QString& word : words) {
        if (!parts.isEmpty() && metrics.horizontalAdvance(parts.back() + u' ' + word) <= width)
            parts.back() += u' ' + word;
        else if (metrics.horizontalAdvance(word) > width && word.contains(u' '))
            parts << word.split(u' ');
        else
            parts << word;
    }
    return parts;
}

// The pieces of a line ("C = 1 pF", "E12: 1.0 pF (0 %)") on one row while
// they fit the width, else each row as full as it can be; a piece that is
// wider than the width on its own is broken at its spaces.
QString Rows(const QString& line, const QFontMetrics& metrics, int width) {
    const QString separator = QStringLiteral("  ");
    QStringList rows;
    for (const QString& whole : line.split(separator)) {
        const QStringList parts = Broken(whole, metrics, width);
        for (int i = 0; i < parts.size(); ++i) {
            const QString join = i == 0 ? separator : QStringLiteral(" ");
            if (!rows.isEmpty() &&
                metrics.horizontalAdvance(rows.back() + join + parts[i]) <= width)
                rows.back() += join + parts[i];
            else
                rows << parts[i];
        }
    }
    return rows.join(u'\n');
}

} // namespace

RDesignFrequencyBox* TFormProblem::AddDesignFrequencyBox(QPoint position) {
    designFrequency_ = new RDesignFrequencyBox(panel_);
    designFrequency_->move(position);
    connect(designFrequency_, &RDesignFrequencyBox::TextChanged, this,
            &TFormProblem::DesignFrequencyChange);
    connect(designFrequency_, &RDesignFrequencyBox::UnitClicked, this,
            &TFormProblem::DesignFrequencyUnitClick);
    return designFrequency_;
}

void TFormProblem::PlacePartLine(int field, QPoint offset, int width, PartSide side, bool oneRow) {
    PartLine& line = partLines_[field];
    line.offset = offset;
    line.width = width;
    line.side = side;
    line.oneRow = oneRow;
    if (line.label && line.label->isVisibleTo(panel_))
        ShowPartLine(field, line.label->accessibleName());
}

void TFormProblem::ShowDesignFrequency() {
    const RCalculation* calculation = Calculation();
    if (!designFrequency_ || !calculation)
        return;
    const bool loading = context_.loading;
    context_.loading = true;
    designFrequency_->Show(GetDesignFrequency(calculation->Extras()));
    context_.loading = loading;
}

void TFormProblem::DesignFrequencyChange() {
    RCalculation* calculation = Calculation();
    if (context_.loading || !calculation || !designFrequency_)
        return;
    // A calculation without a design frequency takes the unit its box shows.
    if (!SetDesignFrequency(calculation->Extras(), designFrequency_->Shown())) {
        ShowDesignFrequency();
        return;
    }
    SetModified();
    DesignFrequencyChanged();
}

void TFormProblem::DesignFrequencyUnitClick(int unit) {
    RCalculation* calculation = Calculation();
    if (!calculation || !designFrequency_)
        return;
    DesignFrequency frequency = GetDesignFrequency(calculation->Extras());
    if (frequency.text.isEmpty() || unit == frequency.unitIndex)
        return; // nothing stored: the radio only says what typing will take
    // The same frequency in the new unit, as any quantity's box converts.
    RField converted;
    converted.unitKind = KindNumber(UnitKind::Frequency);
    converted.unitIndex = frequency.unitIndex;
    converted.text = frequency.text;
    if (converted.ChangeUnit(unit)) {
        frequency.text = converted.text;
        frequency.unitIndex = unit;
    }
    const bool changed = SetDesignFrequency(calculation->Extras(), frequency);
    ShowDesignFrequency();
    if (!changed)
        return;
    SetModified();
    DesignFrequencyChanged();
}

void TFormProblem::DesignFrequencyChanged() {
    RefreshComponentLines();
    ReportDesignFrequency(true);
}

void TFormProblem::ReportDesignFrequency(bool clearOwnWarning) {
    const RCalculation* calculation = Calculation();
    if (!designFrequency_ || !calculation)
        return;
    const DesignFrequencyValue value =
        EvaluateDesignFrequency(GetDesignFrequency(calculation->Extras()));
    if (value.state == DesignFrequencyValue::State::Invalid) {
        ShowWarning(value.message);
        designWarningShown_ = true;
    } else if (designWarningShown_) {
        if (clearOwnWarning)
            ClearWarning();
        designWarningShown_ = false;
    }
}

void TFormProblem::MarkFailed(const SolveSpec& solve, bool failed) {
    if (failedOf_ != Calculation())
        failedFields_.clear();
    failedOf_ = Calculation();
    for (int field : solve.writes) {
        failedFields_.removeAll(field);
        if (failed)
            failedFields_ << field;
    }
}

void TFormProblem::RefreshComponentLines() {
    const RCalculation* calculation = Calculation();
    if (!calculation || partLines_.isEmpty())
        return;
    if (failedOf_ != calculation)
        failedFields_.clear();
    const ComponentLines lines =
        ComponentLinesOf(*calculation, context_.standardSeries, Precision());
    for (auto it = partLines_.begin(); it != partLines_.end(); ++it) {
        const int field = it.key();
        int shown = shownSolutions_.value(field, -1);
        // A design draws its answer as the quantity before Solution 1 is
        // chosen; the line is that of the solution stored in it.
        if (shown < 0)
            shown = ShownSolution(*calculation, field);
        const ComponentLine* line = lines.Find(field, shown);
        ShowPartLine(field, line && !failedFields_.contains(field) ? line->text : QString());
    }
}

void TFormProblem::ShowPartLine(int field, const QString& text) {
    PartLine& line = partLines_[field];
    if (!line.box || (text.isEmpty() && !line.label))
        return;
    if (!line.label) {
        // Made when first needed, beside the box in whatever holds it now.
        line.label = new QLabel(line.box->parentWidget());
        line.label->setObjectName(QStringLiteral("LabelPart") + line.stem);
        line.label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    QLabel* label = line.label;
    const QWidget* box = line.box;
    const bool beside = line.side == PartSide::Beside;
    const QFontMetrics metrics = label->fontMetrics();
    QPoint corner(box->x() + line.offset.x(), box->y() + box->height() + line.offset.y());
    const int edge = label->parentWidget()->width() - 4;
    if (line.side == PartSide::MovingLeft) {
        corner.rx() = std::max(corner.x() - line.width,
                               std::min(corner.x(), edge - metrics.horizontalAdvance(text) - 2));
    }
    // Rightwards up to the panel's edge; leftwards from the panel's left.
    const int room = beside ? corner.x() - 4 : edge - corner.x();
    const int width = line.side == PartSide::MovingLeft
                          ? room
                          : std::min(line.width > 0 ? line.width : box->width(), room);
    const bool cut = line.oneRow && metrics.horizontalAdvance(text) > width;
    label->setText(line.oneRow ? metrics.elidedText(text, Qt::ElideRight, width)
                               : Rows(text, metrics, width));
    label->setToolTip(cut ? text : QString());
    label->setAccessibleName(text);
    label->setAlignment(beside ? Qt::AlignRight : Qt::AlignLeft);
    label->adjustSize();
    label->move(beside ? corner - QPoint(label->width(), label->height()) : corner);
    label->setVisible(!text.isEmpty());
}
