#include "core/designfrequency.h"

#include "core/calc/numbertext.h"
#include "core/rextras.h"
#include "core/units.h"

#include <cmath>

namespace {

const QString Name = QStringLiteral("Design frequency");

DesignFrequencyValue Invalid(const QString& message) {
    return DesignFrequencyValue{DesignFrequencyValue::State::Invalid, 0.0, message};
}

} // namespace

DesignFrequency GetDesignFrequency(const RExtras& extras) {
    DesignFrequency frequency;
    frequency.text = extras.Value(ExtraKeys::DesignFrequency);
    if (!extras.Has(ExtraKeys::DesignFrequencyUnit))
        return frequency;
    // A unit the kind does not list stands for its first unit, as a field's does.
    bool ok = false;
    const int unit = extras.Value(ExtraKeys::DesignFrequencyUnit).toInt(&ok);
    const bool listed = ok && unit >= 0 && unit < UnitCount(KindNumber(UnitKind::Frequency));
    frequency.unitIndex = listed ? unit : 0;
    return frequency;
}

bool SetDesignFrequency(RExtras& extras, const DesignFrequency& frequency) {
    if (frequency.text.isEmpty()) {
        extras.Remove(ExtraKeys::DesignFrequency);
        extras.Remove(ExtraKeys::DesignFrequencyUnit);
        return true;
    }
    if (!extras.Set(ExtraKeys::DesignFrequency, frequency.text))
        return false;
    return extras.Set(ExtraKeys::DesignFrequencyUnit, QString::number(frequency.unitIndex));
}

DesignFrequencyValue EvaluateDesignFrequency(const DesignFrequency& frequency) {
    if (frequency.text.trimmed().isEmpty())
        return DesignFrequencyValue{};
    if (!IsNumber(frequency.text))
        return Invalid(QStringLiteral("Error: Real value for ") + Name +
                       QStringLiteral(" did not contain a valid number."));
    const double number = ToNumber(frequency.text);
    if (number < 0)
        return Invalid(QStringLiteral("Error: Value for ") + Name +
                       QStringLiteral(" cannot be negative."));
    if (number == 0)
        return Invalid(QStringLiteral("Error: Value for ") + Name +
                       QStringLiteral(" cannot be zero."));
    const double hertz = ToBaseUnits(number, frequency.unitIndex, KindNumber(UnitKind::Frequency));
    if (!std::isfinite(hertz) || !(hertz > 0))
        return Invalid(QStringLiteral("Error: Invalid frequency."));
    return DesignFrequencyValue{DesignFrequencyValue::State::Valid, hertz, QString()};
}
