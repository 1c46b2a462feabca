#include "ui/calculators/rf/tformfrequencylength.h"

#include "core/calc/wavelength.h"
#include "core/calctypes.h"
#include "core/rcalculation.h"

#include <QLineEdit>

TFormFrequencyLength::TFormFrequencyLength(AppContext& context, int type, double constant,
                                           const QString& lengthStem, QObject* parent)
    : TFormTwoWay(context, type, parent), constant_(constant) {
    BoxSpec frequency = TypeBox(0, QStringLiteral("Freq"), {}, QString(), true);
    frequency.radioNames = QStringList{QStringLiteral("RadioHz"), QStringLiteral("RadioKHz"),
                                       QStringLiteral("RadioMHz")};
    BoxSpec length = TypeBox(1, lengthStem, {}, QString(), true);
    length.radioNames = QStringList{QStringLiteral("RadioFt"), QStringLiteral("RadioMeters")};
    AddBoxes(frequency, length);
}

void TFormFrequencyLength::Convert(int from) {
    // Unlike the converters, an empty edit is no input at all: the other
    // edit keeps what it shows.
    auto* edit = qobject_cast<QLineEdit*>(GetControl(from * 10 + 1));
    if (!edit || edit->text().isEmpty())
        return;
    if (!ValidateFields({from}, false))
        return;
    const double value = Calculation()->Field(from).GetReal();
    if (from == 0) {
        Finish(1, LengthOfFrequency(constant_, value));
    } else {
        Finish(0, FrequencyOfLength(constant_, value, FieldMessageName(*TypeInfo(), 1)));
    }
}

TFormWavelength::TFormWavelength(AppContext& context, QObject* parent)
    : TFormFrequencyLength(context, 16, WavelengthConstant, QStringLiteral("Wavelength"), parent) {}

TFormDipole::TFormDipole(AppContext& context, QObject* parent)
    : TFormFrequencyLength(context, 17, DipoleConstant, QStringLiteral("Dipole"), parent) {}
