#include "ui/framework/tformtwoway.h"

#include "core/calctypes.h"
#include "ui/framework/rarrows.h"

#include <QApplication>
#include <QWidget>

#include <algorithm>

TFormTwoWay::TFormTwoWay(AppContext& context, int type, QObject* parent)
    : TFormProblem(context, type, parent) {}

void TFormTwoWay::AddBoxes(const BoxSpec& left, const BoxSpec& right) {
    // Declared at the origin first; placed once their sizes are known.
    QWidget* first = AddBox(left);
    QWidget* second = AddBox(right);
    const int height = std::max(first->height(), second->height());
    first->resize(first->width(), height);
    second->resize(second->width(), height);

    const int margin = 16;
    const int top = 36;
    const int gap = 10;
    auto* arrows = new RArrows(PanelMain());
    arrows->setObjectName(QStringLiteral("ImageArrows"));
    arrows->setAccessibleName(QStringLiteral("converts both ways"));
    const int arrowsX = margin + first->width() + gap;
    const int secondX = arrowsX + arrows->width() + gap;
    arrows->move(arrowsX, top + height / 2 - arrows->height() / 2);
    MoveBox(left.boxName, margin, top);
    MoveBox(right.boxName, secondX, top);

    // Room below the boxes for the Clear and Help buttons at the lower right.
    const int buttons = 76;
    FinishLayout(QSize(secondX + second->width() + margin, top + height + 16 + buttons));
}

const SolveSpec* TFormTwoWay::CurrentSolve() const {
    // While the program is not the active one (a paste by the middle mouse
    // button, an assistive tool) the edit that keeps the focus of the
    // calculator's window is the one that has it.
    QWidget* focus = QApplication::focusWidget();
    if (!focus)
        focus = PanelMain()->window()->focusWidget();
    const CalcTypeInfo* info = TypeInfo();
    if (!focus || !info)
        return nullptr;
    for (int field = 0; field < int(info->conversions.size()); ++field) {
        if (focus == GetControl(field * 10 + 1))
            return &info->conversions[size_t(field)];
    }
    return nullptr;
}
