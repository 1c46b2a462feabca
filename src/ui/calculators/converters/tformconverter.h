#pragma once

#include "core/calc/converters.h"
#include "ui/framework/tformtwoway.h"

// A conversion between a US quantity (field 0, on the left) and a metric
// one (field 1, on the right). The five converters differ only in the data
// of their Family: the type, the cross factor and the names of the controls;
// the captions and units come from the type table. Square and cubic units
// show their power as a small raised digit beside the radio's caption.
class TFormConverter : public TFormTwoWay {
    Q_OBJECT

public:
    struct Side {
        QString stem;       // "UsLen": EditUsLen in BoxUsLen, captioned by LabelUsLen
        QStringList radios; // the unit radios, in unit order
    };
    struct Family {
        int type;
        Converter converter;
        Side us;
        Side metric;
    };

    TFormConverter(AppContext& context, const Family& family, QObject* parent = nullptr);

protected:
    void Convert(int from) override;

private:
    BoxSpec SideBox(int field, const Side& side) const;

    Converter converter_;
};

class TFormConvLength final : public TFormConverter {
    Q_OBJECT
public:
    explicit TFormConvLength(AppContext& context, QObject* parent = nullptr);
};

class TFormConvArea final : public TFormConverter {
    Q_OBJECT
public:
    explicit TFormConvArea(AppContext& context, QObject* parent = nullptr);
};

class TFormConvVolDry final : public TFormConverter {
    Q_OBJECT
public:
    explicit TFormConvVolDry(AppContext& context, QObject* parent = nullptr);
};

class TFormConvVolFluid final : public TFormConverter {
    Q_OBJECT
public:
    explicit TFormConvVolFluid(AppContext& context, QObject* parent = nullptr);
};

class TFormConvWeight final : public TFormConverter {
    Q_OBJECT
public:
    explicit TFormConvWeight(AppContext& context, QObject* parent = nullptr);
};
