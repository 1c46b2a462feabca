#include "core/calc/networkchain.h"

#include <algorithm>

namespace {

// The chain through `steps` (given towards the input), when the network
// calculator's own solve has a result.
NodeChain Chain(const Solved& solve, NetworkPort towards, const Complex& termination,
                QList<LadderStep> steps) {
    NodeChain chain;
    if (!solve.ok) {
        chain.message = solve.message;
        return chain;
    }
    if (towards == NetworkPort::Output)
        std::reverse(steps.begin(), steps.end());
    chain.nodes.reserve(steps.size() + 1);
    chain.nodes.append(termination);
    for (const LadderStep& step : steps) {
        chain.nodes.append(NodeAfter(chain.nodes.last(), step));
        // A node can overflow where the port's impedance does not.
        if (!IsFinite(chain.nodes.last())) {
            chain.nodes.clear();
            chain.message = NoSolutionMessage();
            return chain;
        }
    }
    chain.steps = steps;
    chain.ok = true;
    return chain;
}

LadderStep Series(const Complex& z, int element) {
    return LadderStep{ElementPlacement::Series, z, element};
}

LadderStep Shunt(const Complex& z, int element) {
    return LadderStep{ElementPlacement::Shunt, z, element};
}

} // namespace

Complex NodeAfter(const Complex& before, const LadderStep& step) {
    if (step.placement == ElementPlacement::Series)
        return before + step.z;
    return before * step.z / (before + step.z);
}

NodeChain LNetworkChain(LNetworkType type, NetworkPort towards, const Complex& termination,
                        const Complex& z1, const Complex& z2) {
    const bool input = towards == NetworkPort::Input;
    const Solved solve =
        input ? LNetworkZin(type, termination, z1, z2) : LNetworkZout(type, termination, z1, z2);
    if (type == LNetworkType::Z1InSeries)
        return Chain(solve, towards, termination, {Shunt(z2, 2), Series(z1, 1)});
    return Chain(solve, towards, termination, {Series(z2, 2), Shunt(z1, 1)});
}

NodeChain PiNetworkChain(NetworkPort towards, const Complex& termination, const Complex& z1,
                         const Complex& z2, const Complex& z3) {
    const Solved solve = towards == NetworkPort::Input ? PiNetworkZin(termination, z1, z2, z3)
                                                       : PiNetworkZout(termination, z1, z2, z3);
    return Chain(solve, towards, termination, {Shunt(z3, 3), Series(z2, 2), Shunt(z1, 1)});
}

NodeChain TNetworkChain(NetworkPort towards, const Complex& termination, const Complex& z1,
                        const Complex& z2, const Complex& z3) {
    const Solved solve = towards == NetworkPort::Input ? TNetworkZin(termination, z1, z2, z3)
                                                       : TNetworkZout(termination, z1, z2, z3);
    return Chain(solve, towards, termination, {Series(z3, 3), Shunt(z2, 2), Series(z1, 1)});
}

NodeChain LNetworkDesignChain(LNetworkType type, const Complex& zout, const LNetworkDesign& design,
                              int solution) {
    if (!design.ok) {
        NodeChain chain;
        chain.message = design.message;
        return chain;
    }
    const int s = solution == 1 ? 1 : 0;
    return LNetworkChain(type, NetworkPort::Input, zout, Complex(0, design.x1[s]),
                         Complex(0, design.x2[s]));
}
