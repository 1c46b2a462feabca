#pragma once

#include "ui/framework/tformproblem.h"

#include <QPoint>

// Two like quantities in series or in parallel, solved for any one of the
// three values. Resistors, capacitors, inductors and complex impedances
// differ only in their letter, unit kind, which configuration adds the values
// directly, and whether the values are complex.
class TFormCombination : public TFormProblem {
    Q_OBJECT

public:
    struct Family {
        int type;
        QString letter;    // "R", "C", "L", "Z"
        bool parallelAdds; // capacitors add in parallel
        // Pictures beside the ohm radios of the first, second and result
        // box; empty when the unit is not the ohm.
        QStringList ohmNames;
        // Complex values that may have a negative real part; in series the
        // first part stands at the input end.
        bool impedance = false;
    };

    TFormCombination(AppContext& context, const Family& family, QObject* parent = nullptr);

    void Calculate() override;
    void ShowUnknown() override;
    void ShowConfiguration() override;
    RField* GetUnknownField() const override;

    // Which drawing the form shows: 0 parallel, 1 series.
    int Drawing() const { return drawing_; }

private:
    void BuildSchematic();

    Family family_;
    int drawing_ = 0;
    // How far each component box moves between the two drawings.
    QPoint firstStep_;
    QPoint secondStep_;
    QPoint seriesWireFrom_;
    QPoint seriesWireTo_;
    QPoint parallelWireTo_;
};

class TFormResistor final : public TFormCombination {
    Q_OBJECT
public:
    explicit TFormResistor(AppContext& context, QObject* parent = nullptr);
};

class TFormCapacitor final : public TFormCombination {
    Q_OBJECT
public:
    explicit TFormCapacitor(AppContext& context, QObject* parent = nullptr);
};

class TFormInductor final : public TFormCombination {
    Q_OBJECT
public:
    explicit TFormInductor(AppContext& context, QObject* parent = nullptr);
};

class TFormImpedance final : public TFormCombination {
    Q_OBJECT
public:
    explicit TFormImpedance(AppContext& context, QObject* parent = nullptr);
};
