#pragma once

#include "ui/calculators/networks/tformnetwork.h"

#include <array>

// A network of three elements between Zin and Zout, solved for either port
// from the other, or its elements designed from both ports and a loaded Q
// (typed into the box "Q", shown while Design is chosen): the Pi network
// (Z1 and Z3 to ground) and the T network (Z2 to ground).
class TFormThreeElementNetwork final : public TFormNetwork {
    Q_OBJECT

public:
    // By element: on a drop to ground, else in series.
    using Shape = std::array<bool, 3>;
    static constexpr Shape Pi = {true, false, true};
    static constexpr Shape T = {false, true, false};

    TFormThreeElementNetwork(AppContext& context, int type, const Shape& toGround,
                             QObject* parent = nullptr);
};
