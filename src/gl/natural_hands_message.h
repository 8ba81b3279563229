#pragma once

#include <QString>

// What the user is told when the Natural hands cannot be drawn on this display, with
// the reason the shader compiler or linker gave.
QString NaturalHandsUnavailableMessage(const QString& reason);
