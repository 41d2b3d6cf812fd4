#pragma once

#include <QString>

namespace selvana {

// Writes an amount the way Croatian documents repeat it "slovima": lower case,
// no spaces, whole units, the currency word with "i", then the hundredths,
// e.g. 215,35 kn -> "dvjestopetnaestkunaitridesetpetlipa".
// currency is matched case-insensitively: "kn" (kuna/lipa), "eur" (euro/cent),
// anything else gives the neutral "...zarez..." form.
// Negative, non-finite or exponent-sized amounts give "pogrešan unos";
// amounts from 1.000.000.000 up give "unos izvan granica".
QString AmountInWords(double amount, const QString& currency);

} // namespace selvana
