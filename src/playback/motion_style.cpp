#include "playback/motion_style.h"

std::string_view MotionStyleName(MotionStyle style) {
  return style == MotionStyle::Lifelike ? "lifelike" : "described";
}

std::optional<MotionStyle> MotionStyleFromName(std::string_view name) {
  if (name == "lifelike") return MotionStyle::Lifelike;
  if (name == "described") return MotionStyle::Described;
  return std::nullopt;
}
