#include "ui/framework/tformblank.h"

#include "core/calctypes.h"
#include "core/rconfig.h"
#include "ui/framework/appcontext.h"

#include <QWidget>

TFormBlank::TFormBlank(AppContext& context, int type, QObject* parent)
    : TFormProblem(context, QString::fromLatin1(FindCalcType(type)->formCaption), parent),
      type_(type) {
    FinishLayout(QSize(400, 300));
    for (const char* name : {"ButtonCalculate", "ButtonClear", "ButtonHelp"}) {
        if (QWidget* button = PanelMain()->findChild<QWidget*>(QString::fromLatin1(name)))
            button->hide();
    }
}

QString TFormBlank::GetTypeName() const {
    return QString::fromLatin1(FindCalcType(type_)->typeWord);
}

void TFormBlank::InitCalculation(RCalculation& calculation) const {
    const RConfig defaults;
    InitCalculationOfType(type_, calculation, Context().config ? *Context().config : defaults);
}

void TFormBlank::ShowHelp() {
    if (Context().showHelp)
        Context().showHelp(FindCalcType(type_)->helpContext);
}
