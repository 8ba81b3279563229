#pragma once

#include "signdata/sign_table.h"

#include <QString>
#include <QtGlobal>

#include <optional>

// What the pose editor and the frame copy window do to the sign table, free of any
// window: the frame number read from its box, key frames appended and deleted, a new
// sign slot, and the checks with the exact messages the user is shown.

inline const QString kFrameNumberExceedsMessage = QString::fromUtf8(QT_TRANSLATE_NOOP("Messages", "Frame Number exceeds"));
inline const QString kCannotDeleteMessage = QString::fromUtf8(QT_TRANSLATE_NOOP("Messages", "Cannot delete!"));
inline const QString kNoFreeSignSlotMessage = QString::fromUtf8(QT_TRANSLATE_NOOP("Messages", "No free sign slot"));
inline const QString kDataUpdatedMessage = QString::fromUtf8(QT_TRANSLATE_NOOP("Messages", "Data updated"));
inline const QString kDiscardChangesMessage = QString::fromUtf8(QT_TRANSLATE_NOOP("Messages", "Changes will be discarded"));
inline const QString kConfirmationTitle = QString::fromUtf8(QT_TRANSLATE_NOOP("Messages", "Confirmation"));
// The frame copy window's own wording.
inline const QString kCopyFrameExceedsMessage = QString::fromUtf8(QT_TRANSLATE_NOOP("Messages", "Frame number exceeds"));
inline const QString kChannelExceedsMessage = QString::fromUtf8(QT_TRANSLATE_NOOP("Messages", "Channel number exceeds"));

// The name a new sign gets unless the user gives another.
inline const QString kUnnamedSign = QStringLiteral("*");

// The outcome of an edit: the key frame (or slot) to show, or the message why nothing
// was changed.
struct EditOutcome {
  int index = 0;
  QString message;

  bool Ok() const { return message.isEmpty(); }
  static EditOutcome Done(int index) { return {index, {}}; }
  static EditOutcome Refused(QString why) { return {0, std::move(why)}; }
};

// A new key frame: velocity rate 1 and every joint and wrist value 0.
KeyFrame BlankKeyFrame();

// The key frame index a frame number box names: its leading number (read leniently;
// no number reads as 0) rounded halves to even, minus one. Nothing for a number
// beyond any key frame index.
std::optional<int> FrameIndexOfText(const QString& text);

// True when `frame` (from 0) is a key frame of `sign`.
bool HasKeyFrame(const SignTable& table, int sign, int frame);

// The key frame a frame number box names, or "Frame Number exceeds" when the sign has
// no such key frame (below 1 or past its last).
EditOutcome FrameOfText(const SignTable& table, int sign, const QString& frameText);

// Appends a blank key frame to `sign`, keeping the ones it has; its index, or
// "Frame Number exceeds" when the sign cannot take another.
EditOutcome AppendKeyFrame(SignTable& table, int sign);

// Deletes key frame `frame` of `sign`, moving the later ones down: "Cannot delete!"
// for the only key frame of a sign, "Frame Number exceeds" for one it does not have.
// The outcome is the key frame to show in its place: the one that moved down, or the
// new last key frame when the last was deleted.
EditOutcome DeleteKeyFrame(SignTable& table, int sign, int frame);

// Writes the values of `values` into key frame `frame` of `sign`: the right hand, the
// left hand too in a two-hand table, and the rate. "Frame Number exceeds" when the
// sign has no such key frame.
EditOutcome StoreKeyFrame(SignTable& table, int sign, int frame, const KeyFrame& values);

// True for a name a sign may have: at most 10 characters, no comma (the file's field
// separator), no double quote and no line break.
bool IsValidSignName(const QString& name);

// Takes the next slot as a sign named `name` with one blank key frame, and returns the
// slot; "No free sign slot" when all 257 are in use. Whatever an earlier table left in
// that slot is replaced.
EditOutcome AddSign(SignTable& table, const QString& name);

// The frame copy window's "Preview": the key frame index its box names, or "Channel
// number exceeds" for a sign past the table's end, or "Frame number exceeds".
EditOutcome CopyPreviewFrame(const SignTable& table, int sign, const QString& frameText);
