#pragma once

#include "ui/framework/tformtwoway.h"

// A frequency (field 0, on the left) and the length that belongs to it
// (field 1, on the right) by length = K / f, computed either way. The
// wavelength and the half-wave dipole differ only in K, their type and the
// name of the length's box.
class TFormFrequencyLength : public TFormTwoWay {
    Q_OBJECT

public:
    TFormFrequencyLength(AppContext& context, int type, double constant, const QString& lengthStem,
                         QObject* parent = nullptr);

protected:
    void Convert(int from) override;

private:
    double constant_; // metres times megahertz
};

class TFormWavelength final : public TFormFrequencyLength {
    Q_OBJECT
public:
    explicit TFormWavelength(AppContext& context, QObject* parent = nullptr);
};

class TFormDipole final : public TFormFrequencyLength {
    Q_OBJECT
public:
    explicit TFormDipole(AppContext& context, QObject* parent = nullptr);
};
