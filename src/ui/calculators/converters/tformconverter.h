#pragma once

#include "ui/framework/tformtwoway.h"

// A conversion between a US quantity (field 0, on the left) and a metric
// one (field 1, on the right): length, area, dry and fluid volume, weight.
// The captions, units and arithmetic come from the type table; the names of
// a side's controls follow its unit kind. Square and cubic units show their
// power as a small raised digit beside the radio's caption.
class TFormConverter final : public TFormTwoWay {
    Q_OBJECT

public:
    TFormConverter(AppContext& context, int type, QObject* parent = nullptr);

private:
    BoxSpec SideBox(int field) const;
};
