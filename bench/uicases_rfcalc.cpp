#include "uicases.h"

namespace {

const KeystrokeCaseRegistration reactanceResonanceSwrCoil{
    {5,
     QStringLiteral("capacitive reactance"),
     {QStringLiteral("EditF=1"), QStringLiteral("EditC=100")},
     QStringLiteral("EditC"),
     QStringLiteral("EditXc")},
    {6,
     QStringLiteral("inductive reactance"),
     {QStringLiteral("EditF=7"), QStringLiteral("EditL=1")},
     QStringLiteral("EditL"),
     QStringLiteral("EditXl")},
    {18,
     QStringLiteral("resonant frequency"),
     {QStringLiteral("EditI=1"), QStringLiteral("EditC=100")},
     QStringLiteral("EditC"),
     QStringLiteral("EditF")},
    {10,
     QStringLiteral("SWR with its reflection reading"),
     {QStringLiteral("EditZant=25"), QStringLiteral("EditZantJ=25")},
     QStringLiteral("EditZantJ"),
     QStringLiteral("EditSWR")},
    {19,
     QStringLiteral("air-core coil"),
     {QStringLiteral("EditDiameter=2.54"), QStringLiteral("EditLength=2.54"),
      QStringLiteral("EditTurns=10")},
     QStringLiteral("EditTurns"),
     QStringLiteral("EditI")},
};

} // namespace
