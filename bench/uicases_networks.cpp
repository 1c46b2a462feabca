#include "uicases.h"

namespace {

const KeystrokeCaseRegistration networks{
    {7,
     QStringLiteral("L network, Zout"),
     {QStringLiteral("EditZin=50"), QStringLiteral("EditZ1J=100"), QStringLiteral("EditZ2J=-50")},
     QStringLiteral("EditZ1J"),
     QStringLiteral("EditZout")},
    // The design of Z1 and Z2 (Zin 5 and 55 both match 200 + j100).
    {7,
     QStringLiteral("L network design"),
     {QStringLiteral("RadioZ1Z2"), QStringLiteral("EditZout=200"), QStringLiteral("EditZoutJ=100"),
      QStringLiteral("EditZin=5")},
     QStringLiteral("EditZin"),
     QStringLiteral("EditZ1J")},
    {8,
     QStringLiteral("Pi network, Zout"),
     {QStringLiteral("EditZin=50"), QStringLiteral("EditZ1J=-100"), QStringLiteral("EditZ2J=50"),
      QStringLiteral("EditZ3J=-200")},
     QStringLiteral("EditZ2J"),
     QStringLiteral("EditZout")},
    {9,
     QStringLiteral("T network, Zout"),
     {QStringLiteral("EditZin=50"), QStringLiteral("EditZ1J=30"), QStringLiteral("EditZ2J=-80"),
      QStringLiteral("EditZ3J=20")},
     QStringLiteral("EditZ2J"),
     QStringLiteral("EditZout")},
};

} // namespace

namespace {

// The same design with its parts shown beneath the boxes at 7.1 MHz.
const KeystrokeCaseRegistration parts{
    {7,
     QStringLiteral("L network design with parts at 7.1 MHz"),
     {QStringLiteral("RadioZ1Z2"), QStringLiteral("EditZout=200"), QStringLiteral("EditZoutJ=100"),
      QStringLiteral("EditDesignFrequency=7.1"), QStringLiteral("EditZin=5")},
     QStringLiteral("EditZin"),
     QStringLiteral("EditZ1J")},
};

} // namespace
