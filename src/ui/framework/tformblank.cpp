#include "ui/framework/tformblank.h"

#include <QWidget>

TFormBlank::TFormBlank(AppContext& context, int type, QObject* parent)
    : TFormProblem(context, type, parent) {
    FinishLayout(QSize(400, 300));
    for (const char* name : {"ButtonCalculate", "ButtonClear", "ButtonHelp"}) {
        if (QWidget* button = PanelMain()->findChild<QWidget*>(QString::fromLatin1(name)))
            button->hide();
    }
}
