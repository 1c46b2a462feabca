#include "uicases.h"

namespace {

const KeystrokeCaseRegistration circuits{
    {1,
     QStringLiteral("resistors in parallel"),
     {QStringLiteral("EditR2=2.2"), QStringLiteral("EditR1=10")},
     QStringLiteral("EditR1"),
     QStringLiteral("EditRout")},
    {4,
     QStringLiteral("impedances in parallel"),
     {QStringLiteral("EditZ1=50"), QStringLiteral("EditZ1J=30"), QStringLiteral("EditZ2=20"),
      QStringLiteral("EditZ2J=-40")},
     QStringLiteral("EditZ1J"),
     QStringLiteral("EditZout")},
};

} // namespace
