#include "signdata/sign_table.h"

QString FixedLengthName(const QString& name) {
  return name.left(kSignNameLength).leftJustified(kSignNameLength, u' ');
}
