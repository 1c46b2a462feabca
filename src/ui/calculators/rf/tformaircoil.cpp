#include "ui/calculators/rf/tformaircoil.h"

#include "ui/framework/rschematic.h"

#include <QLabel>
#include <QWidget>

#include <algorithm>

TFormAirCoil::TFormAirCoil(AppContext& context, int type, QObject* parent)
    : TFormProblem(context, type, parent) {
    BuildLayout();
}

void TFormAirCoil::BuildLayout() {
    auto box = [this](int field, const QString& stem, const QStringList& radios, bool result) {
        BoxSpec wanted = TypeBox(field, stem, {}, QString(), result);
        if (!radios.isEmpty())
            wanted.radioNames = radios;
        return AddBox(wanted);
    };
    QWidget* diameter =
        box(0, QStringLiteral("Diameter"),
            {QStringLiteral("RadioDiameterIn"), QStringLiteral("RadioDiameterCm")}, false);
    QWidget* length =
        box(1, QStringLiteral("Length"),
            {QStringLiteral("RadioLengthIn"), QStringLiteral("RadioLengthCm")}, false);
    QWidget* turns = box(2, QStringLiteral("Turns"), {}, false);
    QWidget* inductance = box(3, QStringLiteral("I"), {}, true);

    // The three dimensions down the left, the coil and its inductance to the
    // right of them.
    const int left = 16;
    const int step = std::max(diameter->height(), length->height()) + 30;
    MoveBox(QStringLiteral("BoxDiameter"), left, 28);
    MoveBox(QStringLiteral("BoxLength"), left, 28 + step);
    MoveBox(QStringLiteral("BoxTurns"), left, 28 + 2 * step);

    const int column = left + std::max({diameter->width(), length->width(), turns->width()}) + 40;
    MoveBox(QStringLiteral("BoxI"), column, 28);
    const QRect coil(column + 24, 28 + inductance->height() + 40, 160, 44);
    DrawCoil(coil);

    const int groupsY = 28 + 2 * step + turns->height() + 20;
    QWidget* unknown =
        AddUnknownGroup({QStringLiteral("RadioI"), QStringLiteral("RadioDiameter"),
                         QStringLiteral("RadioLength"), QStringLiteral("RadioTurns")},
                        {left, groupsY});
    // Room for the diameter mark right of the coil, and for the buttons
    // right of the Unknown group.
    const int width = std::max(
        {column + inductance->width() + 16, coil.right() + 80, left + unknown->width() + 24 + 104});
    FinishLayout(QSize(width, groupsY + unknown->height() + 12));
}

void TFormAirCoil::DrawCoil(QRect coil) {
    RSchematic* drawing = Schematic();
    const int turns = 8;
    const int pitch = coil.width() / turns;
    const int right = coil.left() + turns * pitch;
    // The side of the winding that faces the viewer: each turn rises across
    // the coil, slanted by half a turn; the leads leave at both ends.
    for (int i = 0; i < turns; ++i) {
        const int x = coil.left() + i * pitch;
        drawing->AddLine(QStringLiteral("LineTurn%1").arg(i), {x, coil.bottom()},
                         {x + pitch / 2, coil.top()});
    }
    drawing->AddLine(QStringLiteral("LineLeadIn"), {coil.left() - 20, coil.bottom()},
                     {coil.left(), coil.bottom()});
    drawing->AddLine(QStringLiteral("LineLeadOut"), {right - pitch / 2, coil.top()},
                     {right + 20, coil.top()});

    // The length below the coil and the diameter beside it, with ticks at
    // their ends and their letters.
    const int lengthY = coil.bottom() + 16;
    drawing->AddLine(QStringLiteral("LineLength"), {coil.left(), lengthY}, {right, lengthY});
    drawing->AddLine(QStringLiteral("LineLengthStart"), {coil.left(), lengthY - 5},
                     {coil.left(), lengthY + 5});
    drawing->AddLine(QStringLiteral("LineLengthEnd"), {right, lengthY - 5}, {right, lengthY + 5});
    const int diameterX = right + 40;
    drawing->AddLine(QStringLiteral("LineDiameter"), {diameterX, coil.top()},
                     {diameterX, coil.bottom()});
    drawing->AddLine(QStringLiteral("LineDiameterTop"), {diameterX - 5, coil.top()},
                     {diameterX + 5, coil.top()});
    drawing->AddLine(QStringLiteral("LineDiameterBottom"), {diameterX - 5, coil.bottom()},
                     {diameterX + 5, coil.bottom()});

    auto letter = [this](const QString& name, const QString& text, const QString& meaning,
                         QPoint centre) {
        auto* label = new QLabel(text, PanelMain());
        label->setObjectName(name);
        label->setAccessibleName(meaning);
        QFont font = label->font();
        font.setItalic(true);
        label->setFont(font);
        label->adjustSize();
        label->move(centre - QPoint(label->width() / 2, label->height() / 2));
    };
    letter(QStringLiteral("LabelSketchLength"), QStringLiteral("l"),
           QStringLiteral("l: coil length"), {(coil.left() + right) / 2, lengthY + 12});
    letter(QStringLiteral("LabelSketchDiameter"), QStringLiteral("d"),
           QStringLiteral("d: coil diameter"), {diameterX + 14, (coil.top() + coil.bottom()) / 2});
}
