#pragma once

#include "ui/calculators/networks/tformnetwork.h"

#include "core/calc/solved.h"

#include <array>

// A network of three elements between Zin and Zout, solved for either port
// from the other. The Pi and the T network differ only in which elements go
// to ground and in their arithmetic.
class TFormThreeElementNetwork : public TFormNetwork {
    Q_OBJECT

public:
    // One port from the other port and the elements Z1, Z2, Z3 (in ohms).
    using PortSolve = Solved (*)(const Complex& port, const Complex& z1, const Complex& z2,
                                 const Complex& z3);
    struct Shape {
        int type;
        std::array<bool, 3> toGround; // by element: on a drop to ground, else in series
        PortSolve zout;               // from Zin
        PortSolve zin;                // from Zout
    };

    TFormThreeElementNetwork(AppContext& context, const Shape& shape, QObject* parent = nullptr);

    void Calculate() override;

private:
    Shape shape_;
};

class TFormPiNetwork final : public TFormThreeElementNetwork {
    Q_OBJECT
public:
    explicit TFormPiNetwork(AppContext& context, QObject* parent = nullptr);
};

class TFormTNetwork final : public TFormThreeElementNetwork {
    Q_OBJECT
public:
    explicit TFormTNetwork(AppContext& context, QObject* parent = nullptr);
};
