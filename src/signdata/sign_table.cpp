#include "signdata/sign_table.h"

#include <algorithm>

QString FixedLengthName(const QString& name) {
  qsizetype keep = std::min<qsizetype>(name.size(), kSignNameLength);
  // A cut through a surrogate pair would leave half a character, which is saved as "?".
  if (keep == kSignNameLength && keep < name.size() && name[keep - 1].isHighSurrogate()) --keep;
  return name.left(keep).leftJustified(kSignNameLength, u' ');
}

SignTable SignTable::WithHands(int hands) {
  SignTable table;
  table.SetHands(hands);
  return table;
}

void SignTable::SetHands(int hands) {
  if (hands == 1 || hands == 2) {
    HandCount = static_cast<int16_t>(hands);
    ColumnCount = hands == 2 ? kTwoHandColumns : kOneHandColumns;
  }
}

int SignTable::KeyFrameCount(int sign) const {
  if (sign < 0 || sign >= kSignSlots) return 0;
  const SignRecord& record = Signs[sign];
  return std::max(0, std::min<int>(record.FrameCount, static_cast<int>(record.Frames.size())));
}
