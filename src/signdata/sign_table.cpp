#include "signdata/sign_table.h"

#include <algorithm>

QString FixedLengthName(const QString& name) {
  qsizetype keep = std::min<qsizetype>(name.size(), kSignNameLength);
  // A cut through a surrogate pair would leave half a character, which is saved as "?".
  if (keep == kSignNameLength && keep < name.size() && name[keep - 1].isHighSurrogate()) --keep;
  return name.left(keep).leftJustified(kSignNameLength, u' ');
}
