#include "signdata/key_frame_editing.h"

#include "base/number_format.h"

#include <algorithm>
#include <limits>

KeyFrame BlankKeyFrame() {
  KeyFrame frame;
  frame.Rate = 1.0f;
  return frame;
}

std::optional<int> FrameIndexOfText(const QString& text) {
  const std::optional<int16_t> number = RoundToInt16(LenientNumber(text));
  if (!number) return std::nullopt;
  return *number - 1;
}

bool HasKeyFrame(const SignTable& table, int sign, int frame) {
  return frame >= 0 && frame < table.KeyFrameCount(sign);
}

EditOutcome FrameOfText(const SignTable& table, int sign, const QString& frameText) {
  const std::optional<int> frame = FrameIndexOfText(frameText);
  if (!frame || !HasKeyFrame(table, sign, *frame)) return EditOutcome::Refused(kFrameNumberExceedsMessage);
  return EditOutcome::Done(*frame);
}

EditOutcome AppendKeyFrame(SignTable& table, int sign) {
  if (sign < 0 || sign >= kSignSlots) return EditOutcome::Refused(kFrameNumberExceedsMessage);
  const int count = table.KeyFrameCount(sign);
  if (count >= std::numeric_limits<int16_t>::max()) return EditOutcome::Refused(kFrameNumberExceedsMessage);
  SignRecord& record = table.Signs[sign];
  record.Frames.resize(static_cast<size_t>(count));
  record.Frames.push_back(BlankKeyFrame());
  record.FrameCount = static_cast<int16_t>(count + 1);
  return EditOutcome::Done(count);
}

EditOutcome DeleteKeyFrame(SignTable& table, int sign, int frame) {
  const int count = table.KeyFrameCount(sign);
  if (count == 1) return EditOutcome::Refused(kCannotDeleteMessage);
  if (!HasKeyFrame(table, sign, frame)) return EditOutcome::Refused(kFrameNumberExceedsMessage);
  SignRecord& record = table.Signs[sign];
  record.Frames.resize(static_cast<size_t>(count));
  record.Frames.erase(record.Frames.begin() + frame);
  record.FrameCount = static_cast<int16_t>(count - 1);
  return EditOutcome::Done(std::min(frame, count - 2));
}

EditOutcome StoreKeyFrame(SignTable& table, int sign, int frame, const KeyFrame& values) {
  if (!HasKeyFrame(table, sign, frame)) return EditOutcome::Refused(kFrameNumberExceedsMessage);
  KeyFrame& stored = table.Signs[sign].Frames[static_cast<size_t>(frame)];
  stored.Rate = values.Rate;
  for (int i = 0; i < 3; ++i) {
    stored.RightWristAngle[i] = values.RightWristAngle[i];
    stored.RightWristPos[i] = values.RightWristPos[i];
  }
  std::copy_n(values.RightFinger.begin(), 45, stored.RightFinger.begin());
  if (table.HandCount == 2) {
    for (int i = 0; i < 3; ++i) {
      stored.LeftWristAngle[i] = values.LeftWristAngle[i];
      stored.LeftWristPos[i] = values.LeftWristPos[i];
    }
    std::copy_n(values.LeftFinger.begin(), 45, stored.LeftFinger.begin());
  }
  return EditOutcome::Done(frame);
}

bool IsValidSignName(const QString& name) {
  if (name.size() > kSignNameLength) return false;
  for (const QChar c : name)
    if (c == u',' || c == u'"' || c == u'\r' || c == u'\n' || c == QChar::LineSeparator ||
        c == QChar::ParagraphSeparator)
      return false;
  return true;
}

EditOutcome AddSign(SignTable& table, const QString& name) {
  if (table.SignCount < 0 || table.SignCount >= kSignSlots)
    return EditOutcome::Refused(kNoFreeSignSlotMessage);
  const int slot = table.SignCount;
  SignRecord& record = table.Signs[slot];
  record.Name = FixedLengthName(name);
  record.FrameCount = 1;
  record.Frames = {BlankKeyFrame()};
  table.SignCount = static_cast<int16_t>(slot + 1);
  return EditOutcome::Done(slot);
}

EditOutcome CopyPreviewFrame(const SignTable& table, int sign, const QString& frameText) {
  if (sign < 0 || sign >= table.SignCount) return EditOutcome::Refused(kChannelExceedsMessage);
  const std::optional<int> frame = FrameIndexOfText(frameText);
  if (!frame || !HasKeyFrame(table, sign, *frame)) return EditOutcome::Refused(kCopyFrameExceedsMessage);
  return EditOutcome::Done(*frame);
}
