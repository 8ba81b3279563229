#pragma once

#include <optional>
#include <string_view>

// How the hands move between letters. Described: at an even pace from key frame to key
// frame, as the sign data was first played. Lifelike: each letter held still for a
// share of its time, the moves between eased in and out along the shortest turn of the
// wrist, and two-handed letters going from contact to contact.
enum class MotionStyle { Described, Lifelike };

// "described" and "lifelike", as the command line and the settings file write them.
std::string_view MotionStyleName(MotionStyle style);
std::optional<MotionStyle> MotionStyleFromName(std::string_view name);
