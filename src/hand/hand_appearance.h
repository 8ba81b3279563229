#pragma once

#include <QString>

#include <optional>

// How the hands are drawn: "Classic", the faceted drawing every hand shape was
// authored with, or "Natural", rounded and shaded for reading at a glance. Both stand
// on the same skeleton.
enum class HandAppearance { Classic, Natural };

// "classic" or "natural", as the command-line tool takes it; nullopt otherwise.
std::optional<HandAppearance> ParseHandAppearance(const QString& text);
