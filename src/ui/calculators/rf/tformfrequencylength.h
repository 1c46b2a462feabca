#pragma once

#include "ui/framework/tformtwoway.h"

// A frequency (field 0, on the left) and the length that belongs to it
// (field 1, on the right), computed either way: the wavelength and the
// half-wave dipole. The length's box is named after the first word of its
// name in messages ("Wavelength", "Dipole").
class TFormFrequencyLength final : public TFormTwoWay {
    Q_OBJECT

public:
    TFormFrequencyLength(AppContext& context, int type, QObject* parent = nullptr);
};
