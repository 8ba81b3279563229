#include "hand/hand_appearance.h"

std::optional<HandAppearance> ParseHandAppearance(const QString& text) {
  if (text == u"classic") return HandAppearance::Classic;
  if (text == u"natural") return HandAppearance::Natural;
  return std::nullopt;
}
