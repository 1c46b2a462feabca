#include "uicases.h"

namespace {

// One antenna calculation per keystroke: "1.5" and "1.55" alternate in the
// SWR box, each giving both solutions; then "9" and "95", each showing the
// advice window anew while the keyboard stays in the box.
const KeystrokeCaseRegistration antenna{
    {20,
     QStringLiteral("antenna impedance from a reading"),
     {QStringLiteral("RadioResistorCapacitor"), QStringLiteral("EditF=14.2"),
      QStringLiteral("EditZ=50"), QStringLiteral("EditZResistor=10"),
      QStringLiteral("EditZCapacitor=100"), QStringLiteral("EditSWR=1.5")},
     QStringLiteral("EditSWR"),
     QStringLiteral("EditImpedance")},
    {20,
     QStringLiteral("antenna reading with advice"),
     {QStringLiteral("EditSWR=9")},
     QStringLiteral("EditSWR"),
     QStringLiteral("EditImpedance")},
};

} // namespace
