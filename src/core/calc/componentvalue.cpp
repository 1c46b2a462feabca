#include "core/calc/componentvalue.h"

#include "core/calc/reactance.h"

#include <cmath>

ComponentValue ComponentOfReactance(double reactance, double frequency) {
    if (reactance == 0 || !std::isfinite(reactance) || !(frequency > 0) ||
        !std::isfinite(frequency))
        return ComponentValue{};
    const PartKind kind = reactance < 0 ? PartKind::Capacitor : PartKind::Inductor;
    const Solved solved =
        ElementOfReactance(kind == PartKind::Capacitor ? Reactor::Capacitor : Reactor::Inductor,
                           std::abs(reactance), frequency);
    if (!solved.ok || !(solved.value.re > 0))
        return ComponentValue{};
    return ComponentValue{true, kind, solved.value.re};
}
