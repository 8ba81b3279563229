#include "playback/frame_number_text.h"

QString FrameNumberText(int32_t n) {
  if (n >= 0 && n <= 9) return QStringLiteral("00") + QString::number(n);
  if (n >= 10 && n <= 99) return QStringLiteral("0") + QString::number(n);
  return QString::number(n);
}
