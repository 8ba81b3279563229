#include "gl/natural_hands_message.h"

QString NaturalHandsUnavailableMessage(const QString& reason) {
  return QStringLiteral("Natural hands cannot be drawn on this display, so the hands are drawn "
                        "Classic.\n%1")
      .arg(reason);
}
