#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

// One key frame of a hand shape: the joint angles and wrist placement of up to two
// hands, and the velocity rate that scales the steps used to reach it. Finger element
// 45 and wrist element 3 are never part of a pose; the files do not carry them.
struct KeyFrame {
  float Rate = 0.0f;
  std::array<float, 46> RightFinger{};
  std::array<float, 46> LeftFinger{};
  std::array<float, 4> RightWristAngle{};
  std::array<float, 4> LeftWristAngle{};
  std::array<float, 4> RightWristPos{};
  std::array<float, 4> LeftWristPos{};

  friend bool operator==(const KeyFrame&, const KeyFrame&) = default;
};

// Names are a fixed 10 characters: shorter text is padded with blanks, longer cut
// (never through a character written as a surrogate pair).
constexpr int kSignNameLength = 10;
QString FixedLengthName(const QString& name);

struct SignRecord {
  int16_t FrameCount = 0;
  QString Name = FixedLengthName(QString());
  std::vector<KeyFrame> Frames;

  friend bool operator==(const SignRecord&, const SignRecord&) = default;
};

// The table has slots 0..256; the slot number is the sign code the converters produce.
constexpr int kSignSlots = 257;
using SignTableSlots = std::array<SignRecord, kSignSlots>;

// Column layouts of the angle data file.
constexpr int16_t kOneHandColumns = 52;
constexpr int16_t kTwoHandColumns = 103;

// The hand shapes of one system and the layout of the file they come from. A value:
// whoever loads or edits a table owns it, and the playback engine only reads it.
struct SignTable {
  SignTableSlots Signs;
  // Slots 0..SignCount-1 are the table's signs; a file is written up to there.
  int16_t SignCount = 0;
  // 1 or 2 hands, 52 or 103 columns once a layout is set; 0 before.
  int16_t HandCount = 0;
  int16_t ColumnCount = 0;

  // An empty table in the layout of one or two hands (any other count sets none).
  static SignTable WithHands(int hands);
  void SetHands(int hands);
  bool HasLayout() const { return HandCount == 1 || HandCount == 2; }

  // The key frames a sign really has: 0 for a code outside the table.
  int KeyFrameCount(int sign) const;
  // Key frame `frame` of `sign`; the caller has checked it against KeyFrameCount.
  const KeyFrame& Frame(int sign, int frame) const { return Signs[sign].Frames[frame]; }

  friend bool operator==(const SignTable&, const SignTable&) = default;
};
