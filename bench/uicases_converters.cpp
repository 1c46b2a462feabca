#include "uicases.h"

namespace {

// Every keystroke converts into the other edit, whatever the preference.
const KeystrokeCaseRegistration converters{
    {11,
     QStringLiteral("length converter, miles to km"),
     {QStringLiteral("RadioUsMile"), QStringLiteral("RadioMetKm"),
      QStringLiteral("EditUsLen=26.2")},
     QStringLiteral("EditUsLen"),
     QStringLiteral("EditMetLen")},
    {12,
     QStringLiteral("area converter, m² to acres"),
     {QStringLiteral("RadioUsAcre"), QStringLiteral("EditMetArea=4046")},
     QStringLiteral("EditMetArea"),
     QStringLiteral("EditUsArea")},
    {16,
     QStringLiteral("wavelength from a frequency"),
     {QStringLiteral("EditFreq=14.2")},
     QStringLiteral("EditFreq"),
     QStringLiteral("EditWavelength")},
    {17,
     QStringLiteral("frequency from a dipole length"),
     {QStringLiteral("RadioFt"), QStringLiteral("EditDipole=65.4")},
     QStringLiteral("EditDipole"),
     QStringLiteral("EditFreq")},
};

} // namespace
