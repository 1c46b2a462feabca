#pragma once

#include "support/messagerecorder.h"

#include "core/calctypes.h"
#include "core/rcalculation.h"
#include "core/rconfig.h"
#include "core/rworksheet.h"
#include "ui/calculators/calculatorforms.h"
#include "ui/framework/appcontext.h"
#include "ui/framework/tformproblem.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QWidget>

#include <memory>

// A calculator form on its own: a worksheet with one calculation of the
// type, the configuration, and the form showing that calculation in a
// visible panel. Messages are recorded. FormFixture<> fixture(type) holds the
// form of a type number as a TFormProblem, FormFixture<TFormLNetwork>
// fixture(7) as the class that draws it.
template <typename Form = TFormProblem> class FormFixture {
public:
    explicit FormFixture(int type) {
        Start(qobject_cast<Form*>(CreateCalculatorForm(type, Context())));
    }
    ~FormFixture() {
        context.calculation = nullptr;
        form.reset();
    }

    RCalculation& Calculation() { return *context.calculation; }
    RField& Field(int index) { return Calculation().Field(index); }
    template <typename T = QWidget>
    T* Find(const QString& name) const {
        return form->PanelMain()->template findChild<T*>(name);
    }
    QLineEdit* Edit(const QString& name) const { return Find<QLineEdit>(name); }
    QRadioButton* Radio(const QString& name) const { return Find<QRadioButton>(name); }
    // Puts texts and units into the fields as a file would, then shows them.
    void Set(int field, const QString& text, int unit = -1) {
        Field(field).text = text;
        if (unit >= 0)
            Field(field).unitIndex = unit;
        form->ShowCalculation();
    }

    // As the user does it: focus the edit, select what it holds and type
    // over it (an empty text clears it with Delete).
    void Type(const QString& editName, const QString& text) {
        QLineEdit* edit = Edit(editName);
        QVERIFY2(edit, qPrintable(editName));
        edit->setFocus(Qt::TabFocusReason);
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, text);
    }
    void Click(const QString& buttonName) {
        auto* button = Find<QAbstractButton>(buttonName);
        QVERIFY2(button, qPrintable(buttonName));
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
    }
    QString Text(const QString& editName) const {
        QLineEdit* edit = Edit(editName);
        return edit ? edit->text() : QStringLiteral("<no %1>").arg(editName);
    }

    MessageRecorder messages;
    RWorksheet worksheet;
    RConfig config;
    AppContext context;
    std::unique_ptr<Form> form;

private:
    AppContext& Context() {
        context.worksheet = &worksheet;
        context.config = &config;
        return context;
    }
    void Start(Form* created) {
        form.reset(created);
        auto calculation = std::make_unique<RCalculation>();
        form->InitCalculation(*calculation);
        calculation->SetName(form->GetTypeName() + QStringLiteral("1"));
        calculation->SetCurrent(true);
        context.calculation = calculation.get();
        context.calculator = form.get();
        worksheet.Insert(0, std::move(calculation));
        form->PanelMain()->show();
        form->ShowCalculation();
    }
};
