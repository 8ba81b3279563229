#pragma once

#include "playback/move_script.h"

#include <QString>
#include <QtGlobal>

#include <optional>

struct SignTable;

// The pose editor's "Action": the stored key frames of one sign played from the rest
// pose at the speed of the main window's speed box.

inline const QString kSpeedEmptyMessage = QString::fromUtf8(QT_TRANSLATE_NOOP("Messages", "Speed value cannot be empty!"));
inline const QString kSpeedNotNumberMessage = QString::fromUtf8(QT_TRANSLATE_NOOP("Messages", "Speed value must be set!"));
inline const QString kSpeedInvalidMessage = QString::fromUtf8(QT_TRANSLATE_NOOP("Messages", "Invalid speed value!"));
inline const QString kStepLimitMessage = QString::fromUtf8(QT_TRANSLATE_NOOP("Messages", "Frame number exceeds its limit!"));

// The speed box as a speed: its leading number as a 32-bit float, at least 1; or the
// message why not (empty box, no number, below 1).
struct SpeedReading {
  std::optional<float> speed;
  QString message;
};
SpeedReading ReadActionSpeed(const QString& speedText);

// What to play and what to say. The script starts from key frame 0 of slot 0 and
// moves through every key frame of the sign in delay x rate steps each, delay being
// 4000 / speed rounded. A key frame that would take more than 1000 steps ends the
// script before it, and `message` says so once the key frames before it have played;
// a bad speed gives an empty script and its message.
struct SignAction {
  MoveScript script;
  QString message;
};
SignAction PlanSignAction(const SignTable& table, int sign, const QString& speedText);
