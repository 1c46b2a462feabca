#pragma once

#include "core/calc/networks.h"

#include <QList>

// The impedance at every node of an L, Pi or T network, from the port that
// is terminated to the port looked into, composed exactly as the network
// calculators compose it (networks.h): the last node is bit for bit the
// Zin (or Zout) those calculators compute, and the same inputs fail with the
// same message. This is what a Smith chart of a network plots (smith.h).

// An element in series with the line, or from the line to ground.
enum class ElementPlacement { Series, Shunt };

// One element as met on the way from the terminated port.
struct LadderStep {
    ElementPlacement placement = ElementPlacement::Series;
    Complex z;       // the element's impedance in ohms
    int element = 1; // which of the network's elements it is: 1 for Z1, 2 for Z2, 3 for Z3
};

// The node after a step from the node before it: before + z in series;
// before in parallel with z (before·z / (before + z)) in shunt. The caller
// makes sure a shunt's sum is not zero; NodeChain's builders do.
Complex NodeAfter(const Complex& before, const LadderStep& step);

// The port the chain ends at. Input: terminated by Zout, ending at Zin (the
// Zin solve, and the way a match is read: from the load to the
// transmitter). Output: terminated by Zin, ending at Zout (the Zout solve).
enum class NetworkPort { Input, Output };

struct NodeChain {
    bool ok = false;
    // nodes[0] is the termination, nodes[i + 1] the node after steps[i]; the
    // last node is the port's impedance. All finite.
    QList<Complex> nodes;
    QList<LadderStep> steps;
    QString message; // the network calculator's message when it has no result
};

// Towards the input the elements are met as follows (towards the output in
// the reverse order):
//   L, Z1 in series:   Z2 shunt, Z1 series     L, Z1 in parallel: Z2 series, Z1 shunt
//   Pi:                Z3 shunt, Z2 series, Z1 shunt
//   T:                 Z3 series, Z2 shunt, Z1 series
NodeChain LNetworkChain(LNetworkType type, NetworkPort towards, const Complex& termination,
                        const Complex& z1, const Complex& z2);
NodeChain PiNetworkChain(NetworkPort towards, const Complex& termination, const Complex& z1,
                         const Complex& z2, const Complex& z3);
NodeChain TNetworkChain(NetworkPort towards, const Complex& termination, const Complex& z1,
                        const Complex& z2, const Complex& z3);

// The chain of one solution of an L network design towards its input,
// terminated by the design's Zout: Z1 = jX1, Z2 = jX2 of that solution
// (0 or 1). A design that failed gives its own message.
NodeChain LNetworkDesignChain(LNetworkType type, const Complex& zout, const LNetworkDesign& design,
                              int solution);
