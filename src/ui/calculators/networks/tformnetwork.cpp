#include "ui/calculators/networks/tformnetwork.h"

#include "core/calctypes.h"
#include "core/rcalculation.h"
#include "ui/framework/rdesignfrequencybox.h"
#include "ui/framework/rschematic.h"

#include <QWidget>

#include <algorithm>

namespace {

constexpr int Gap = 30;         // between a box and the next junction or terminal
constexpr int CaptionRoom = 32; // above a box, for its caption
constexpr int GroundDrop = 12;  // from a dropped box down to the ground symbol
constexpr int ButtonColumn = 88 + 8 + 12;
constexpr int WideLine = 1000; // as wide as the panel lets it be

} // namespace

TFormNetwork::TFormNetwork(AppContext& context, int type, QObject* parent)
    : TFormProblem(context, type, parent) {}

void TFormNetwork::BuildNetwork(int columns, const QString& wireName) {
    const CalcTypeInfo* info = TypeInfo();
    if (!info || info->fields.size() < 2)
        return;
    const int fields = int(info->fields.size());
    QList<QWidget*> boxes;
    for (int field = 0; field < fields; ++field) {
        const bool port = field == 0 || field == fields - 1;
        boxes << AddBox(TypeBox(field, FieldLabel(*info, field), {},
                                QStringLiteral("ImageOhm%1").arg(field + 1), port));
    }
    for (QWidget* box : boxes)
        box_ = box_.expandedTo(box->size());
    const int w = box_.width();
    const int h = box_.height();

    // The columns stand far enough apart for a junction between two boxes,
    // and the two port boxes above them must not meet.
    const int last = std::max(columns - 1, 1);
    columnStep_ = std::max(w / 2 + Gap, (w + Gap + last - 1) / last);
    firstColumnX_ = inputX_ + 12 + w / 2;
    outputX_ = ColumnX(columns - 1) + w / 2 + 12;
    const int portY = 28;
    wireY_ = portY + h + CaptionRoom + h / 2;
    dropY_ = wireY_ + h / 2 + CaptionRoom + h / 2;
    groupsY_ = dropY_ + h / 2 + GroundDrop + 10 + 14;

    const QString zin = FieldLabel(*info, 0);
    const QString zout = FieldLabel(*info, fields - 1);
    MoveBox(QStringLiteral("Box") + zin, inputX_, portY);
    MoveBox(QStringLiteral("Box") + zout, outputX_ - w, portY);

    RSchematic* drawing = Schematic();
    drawing->AddTerminal(QStringLiteral("TerminalIn"), {inputX_, wireY_});
    drawing->AddTerminal(QStringLiteral("TerminalOut"), {outputX_, wireY_});
    drawing->AddLine(wireName, {inputX_ + 5, wireY_}, {outputX_ - 5, wireY_});
    // A port's line keeps to one row: the element beneath has its caption
    // there. Only the port solved for has one, so Zout's may grow leftwards
    // up to Zin's box.
    PlacePartLine(0, {0, 1}, WideLine, PartSide::Beneath, true);
    PlacePartLine(fields - 1, {0, 1}, outputX_ - inputX_ - 2 * w - 8, PartSide::MovingLeft, true);
}

int TFormNetwork::FieldOfStem(const QString& stem) const {
    const CalcTypeInfo* info = TypeInfo();
    for (int field = 0; info && field < int(info->fields.size()); ++field) {
        if (FieldLabel(*info, field) == stem)
            return field;
    }
    return -1;
}

void TFormNetwork::PlaceElementLine(int field, bool onDrop, int room) {
    // Beneath a dropped box the ground stands: its line starts right of it
    // and stops short of the next column's ground. A line on the wire keeps
    // to one row: the captions of the dropped boxes stand right under it.
    if (onDrop)
        PlacePartLine(field, {DroppedLineOffset(), 1}, room > 0 ? room : 2 * columnStep_ - 40);
    else
        PlacePartLine(field, {0, 1}, room > 0 ? room : WideLine, PartSide::Beneath, true);
}

int TFormNetwork::PlaceDesignFrequency(int column) {
    RDesignFrequencyBox* box = DesignFrequencyBox();
    if (!box)
        box = AddDesignFrequencyBox({});
    const QWidget* frame = box->findChild<QWidget*>(QStringLiteral("BoxDesignFrequency"));
    const int x = column == 0 ? ColumnX(0) - frame->width() / 2
                              : PanelMain()->minimumWidth() - 12 - frame->width();
    box->move(x, dropY_ - box_.height() / 2 + 6 - frame->y());
    return x;
}

namespace {

// The move that puts the named box's centre on the point (boxes are
// declared at the origin).
QPoint CentreOn(const QWidget* panel, const QString& boxName, QPoint centre) {
    const QWidget* box = panel->findChild<QWidget*>(boxName);
    return box ? centre - box->pos() - QPoint(box->width() / 2, box->height() / 2) : QPoint();
}

} // namespace

void TFormNetwork::PlaceOnWire(const QString& stem, int column) {
    const QString name = QStringLiteral("Box") + stem;
    const QPoint step = CentreOn(PanelMain(), name, {ColumnX(column), wireY_});
    MoveBox(name, step.x(), step.y());
    PlaceElementLine(FieldOfStem(stem), false);
}

void TFormNetwork::PlaceOnDrop(const QString& stem, int column, const QString& dotName,
                               const QString& dropName, const QStringList& groundNames) {
    const int x = ColumnX(column);
    const QString name = QStringLiteral("Box") + stem;
    const QPoint step = CentreOn(PanelMain(), name, {x, dropY_});
    MoveBox(name, step.x(), step.y());
    PlaceElementLine(FieldOfStem(stem), true);
    const int groundY = dropY_ + box_.height() / 2 + GroundDrop;
    RSchematic* drawing = Schematic();
    drawing->AddDot(dotName, {x, wireY_});
    drawing->AddLine(dropName, {x, wireY_}, {x, groundY});
    // Three strokes of decreasing width.
    const int halfWidths[3] = {12, 7, 2};
    for (int stroke = 0; stroke < 3 && stroke < groundNames.size(); ++stroke) {
        const int y = groundY + stroke * 5;
        drawing->AddLine(groundNames[stroke], {x - halfWidths[stroke], y},
                         {x + halfWidths[stroke], y});
    }
}

void TFormNetwork::FinishNetwork(int groupsRight, int groupsBottom) {
    const int width = std::max(outputX_ + inputX_, groupsRight + ButtonColumn);
    FinishLayout(QSize(width, groupsBottom + 12));
}
