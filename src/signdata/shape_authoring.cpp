#include "signdata/shape_authoring.h"

#include "base/message_text.h"
#include "base/regular_file_reading.h"
#include "hand/hand.h"
#include "hand/hand_landmarks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <array>
#include <optional>
#include <vector>

namespace {

using Joints = std::array<float, 9>;   // base x y z, middle x y z, tip x y z
using Wrist = std::array<float, 6>;    // turn x y z, position x y z

constexpr int kFingerCount = 5;
const QStringList kFingerKeys = {"thumb", "index", "middle", "ring", "little"};

struct Assignment {
  bool left = false;
  QString key;
  QStringList names;  // joined by +
  int line = 0;
};

struct HandValues {
  std::array<Joints, kFingerCount> fingers{};
  Wrist wrist{};
};

// What a named shape sets when a frame uses it: the fingers and the wrist it names,
// each as the last assignment in it left them. Worked out once, when the shape is
// defined, so using a shape costs the same however deeply shapes name each other.
struct ShapeEffect {
  std::array<std::optional<Joints>, kFingerCount> fingers{};
  std::optional<Wrist> wrist;

  void Override(const ShapeEffect& later) {
    for (int f = 0; f < kFingerCount; ++f)
      if (later.fingers[f]) fingers[f] = later.fingers[f];
    if (later.wrist) wrist = later.wrist;
  }
};

struct FrameValues {
  float rate = 1.0f;
  std::array<HandValues, 2> hands{};
};

class Parser {
 public:
  explicit Parser(ShapeIncludeReader readInclude) : readInclude_(std::move(readInclude)) {}
  ShapeAuthoringResult Run(const QString& text);

 private:
  bool Lines(const QString& text);
  bool Include(const QStringList& tokens);
  bool Statement(const QStringList& tokens);
  bool DefineJoints(const QStringList& tokens, bool thumb);
  bool DefineWrist(const QStringList& tokens);
  bool DefineShape(const QStringList& tokens);
  bool StartSign(const QStringList& tokens);
  bool AddFrame(const QStringList& tokens);
  bool CloseSign();
  std::optional<std::vector<Assignment>> ParseAssignments(const QStringList& tokens, int first);
  bool CheckAssignment(const Assignment& assignment);
  bool Apply(const Assignment& assignment, FrameValues& frame);
  ShapeEffect EffectOf(const Assignment& assignment) const;
  bool CheckPlacement(const Assignment& assignment);
  bool Place(const Assignment& assignment, FrameValues& frame);
  std::optional<Joints> JointsOf(const QString& name, int finger) const;
  bool Fail(const QString& why);
  std::optional<float> Number(const QString& text);

  ShapeIncludeReader readInclude_;
  QStringList includeStack_;  // the included files being read, outermost first
  QSet<QString> included_;    // every file included so far
  int line_ = 0;
  QString error_;
  AuthoredShapes shapes_;
  bool handsSet_ = false;
  bool signsStarted_ = false;
  QHash<QString, Joints> fingerStates_;
  QHash<QString, Joints> fingerVariants_;  // "name/finger"
  QHash<QString, Joints> thumbStates_;
  QHash<QString, Wrist> wrists_;
  QHash<QString, ShapeEffect> shapeDefinitions_;
  int currentSlot_ = -1;
  int signLine_ = 0;
  std::vector<bool> filled_ = std::vector<bool>(kSignSlots, false);
};

// Splits a line into tokens: blanks separate, double quotes keep blanks, # starts a
// comment outside quotes.
std::optional<QStringList> Tokenize(const QString& line) {
  QStringList tokens;
  QString current;
  bool inToken = false;
  bool quoted = false;
  for (const QChar c : line) {
    if (quoted) {
      if (c == u'"') {
        quoted = false;
      } else {
        current += c;
      }
    } else if (c == u'"') {
      quoted = true;
      inToken = true;
    } else if (c == u'#') {
      break;
    } else if (c.isSpace()) {
      if (inToken) tokens << current;
      current.clear();
      inToken = false;
    } else {
      current += c;
      inToken = true;
    }
  }
  if (quoted) return std::nullopt;
  if (inToken) tokens << current;
  return tokens;
}

bool Parser::Fail(const QString& why) {
  if (error_.isEmpty()) {
    const QString file = includeStack_.isEmpty() ? QString() : includeStack_.last() + u' ';
    error_ = QStringLiteral("%1line %2: %3").arg(file).arg(line_).arg(why);
  }
  return false;
}

std::optional<float> Parser::Number(const QString& text) {
  bool ok = false;
  const float value = text.toFloat(&ok);
  // "nan" and "inf" read as floats, but no joint or wrist can take them.
  if (!ok || !std::isfinite(value)) {
    Fail(QStringLiteral("'%1' is not a number").arg(ShortenedForMessage(text)));
    return std::nullopt;
  }
  return value;
}

ShapeAuthoringResult Parser::Run(const QString& text) {
  if (Lines(text)) CloseSign();
  if (error_.isEmpty()) {
    for (int slot = 0; slot < shapes_.SignCount; ++slot) {
      if (!filled_[slot]) {
        error_ = QStringLiteral("slot %1 has no sign, but slot %2 has").arg(slot).arg(shapes_.SignCount - 1);
        break;
      }
    }
  }
  if (error_.isEmpty() && shapes_.SignCount == 0) error_ = QStringLiteral("no sign is given");

  ShapeAuthoringResult result;
  result.ok = error_.isEmpty();
  result.error = error_;
  if (result.ok) result.shapes = std::move(shapes_);
  return result;
}

// Reads the statements of one file; line_ is left at its last line.
bool Parser::Lines(const QString& text) {
  const QStringList lines = text.split(u'\n');
  QString pending;
  int pendingLine = 0;
  for (qsizetype i = 0; i < lines.size(); ++i) {
    QString physical = lines[i];
    if (physical.endsWith(u'\r')) physical.chop(1);
    if (pending.isEmpty()) pendingLine = static_cast<int>(i) + 1;
    const QString trimmed = physical.trimmed();
    if (trimmed.endsWith(u'\\') && !trimmed.contains(u'#')) {
      pending += trimmed.chopped(1) + u' ';
      continue;
    }
    pending += physical;
    line_ = pendingLine;
    const auto tokens = Tokenize(pending);
    pending.clear();
    if (!tokens) {
      Fail(QStringLiteral("a quote is not closed"));
      break;
    }
    if (!tokens->isEmpty() && !Statement(*tokens)) break;
  }
  if (error_.isEmpty() && !pending.isEmpty()) {
    line_ = pendingLine;
    Fail(QStringLiteral("the file ends inside a continued line"));
  }
  line_ = static_cast<int>(lines.size());
  return error_.isEmpty();
}

// An included file holds states and shapes that several sources share; its
// statements count as if they stood where the include does.
bool Parser::Include(const QStringList& tokens) {
  if (tokens.size() != 2) return Fail(QStringLiteral("'include' takes one file name"));
  if (signsStarted_) return Fail(QStringLiteral("'include' must come before the signs"));
  const QString& name = tokens[1];
  if (includeStack_.contains(name)) return Fail(QStringLiteral("'%1' includes itself").arg(name));
  // A file read once has given all it holds; reading it again could only define its
  // states twice, and files that each include the next many times would take for ever.
  if (included_.contains(name)) return true;
  included_.insert(name);
  const std::optional<QString> text = readInclude_ ? readInclude_(name) : std::nullopt;
  if (!text) return Fail(QStringLiteral("cannot read '%1'").arg(name));
  const int includingLine = line_;
  includeStack_ << name;
  const bool read = Lines(*text);
  includeStack_.removeLast();
  line_ = includingLine;
  return read && error_.isEmpty();
}

bool Parser::Statement(const QStringList& tokens) {
  const QString& keyword = tokens[0];
  if (!includeStack_.isEmpty() && (keyword == u"hands" || keyword == u"sign" || keyword == u"frame"))
    return Fail(QStringLiteral("an included file holds states and shapes only"));
  if (keyword == u"hands") {
    if (handsSet_ || signsStarted_) return Fail(QStringLiteral("'hands' must come once, before the signs"));
    if (tokens.size() != 2 || (tokens[1] != u"1" && tokens[1] != u"2"))
      return Fail(QStringLiteral("'hands' takes 1 or 2"));
    shapes_.HandCount = static_cast<int16_t>(tokens[1].toInt());
    handsSet_ = true;
    return true;
  }
  if (keyword == u"include") return Include(tokens);
  if (keyword == u"finger") return DefineJoints(tokens, false);
  if (keyword == u"thumb") return DefineJoints(tokens, true);
  if (keyword == u"wrist") return DefineWrist(tokens);
  if (keyword == u"shape") return DefineShape(tokens);
  if (keyword == u"sign") return StartSign(tokens);
  if (keyword == u"frame") return AddFrame(tokens);
  return Fail(QStringLiteral("unknown statement '%1'").arg(ShortenedForMessage(keyword)));
}

bool Parser::DefineJoints(const QStringList& tokens, bool thumb) {
  if (tokens.size() < 3) return Fail(QStringLiteral("a state needs a name and its joints"));
  const QString name = tokens[1];
  int i = 2;
  QString variant;
  if (!thumb && tokens[i] == u"for") {
    if (i + 1 >= tokens.size() || !kFingerKeys.mid(1).contains(tokens[i + 1]))
      return Fail(QStringLiteral("'for' takes index, middle, ring or little"));
    variant = tokens[i + 1];
    i += 2;
  }
  Joints joints{};
  while (i < tokens.size()) {
    const QString& part = tokens[i++];
    const int count = part == u"flex" ? 3 : part == u"joints" ? 9 : (part == u"spread" || part == u"twist") ? 1 : 0;
    if (count == 0) return Fail(QStringLiteral("unknown joint part '%1' (flex, spread, twist, joints)").arg(part));
    if (i + count > tokens.size()) return Fail(QStringLiteral("'%1' takes %2 numbers").arg(part).arg(count));
    std::array<float, 9> values{};
    for (int k = 0; k < count; ++k) {
      const auto value = Number(tokens[i++]);
      if (!value) return false;
      values[k] = *value;
    }
    if (part == u"flex") {
      for (int s = 0; s < 3; ++s) joints[3 * s + 1] += values[s];
    } else if (part == u"spread") {
      joints[0] += values[0];
    } else if (part == u"twist") {
      joints[2] += values[0];
    } else {
      for (int k = 0; k < 9; ++k) joints[k] += values[k];
    }
  }
  if (thumb) {
    if (thumbStates_.contains(name)) return Fail(QStringLiteral("thumb state '%1' is defined twice").arg(name));
    thumbStates_.insert(name, joints);
  } else if (!variant.isEmpty()) {
    const QString key = name + u'/' + variant;
    if (fingerVariants_.contains(key)) return Fail(QStringLiteral("finger state '%1' for %2 is defined twice").arg(name, variant));
    fingerVariants_.insert(key, joints);
  } else {
    if (fingerStates_.contains(name)) return Fail(QStringLiteral("finger state '%1' is defined twice").arg(name));
    fingerStates_.insert(name, joints);
  }
  return true;
}

bool Parser::DefineWrist(const QStringList& tokens) {
  if (tokens.size() < 2) return Fail(QStringLiteral("a wrist state needs a name"));
  if (wrists_.contains(tokens[1])) return Fail(QStringLiteral("wrist state '%1' is defined twice").arg(tokens[1]));
  Wrist wrist{};
  int i = 2;
  while (i < tokens.size()) {
    const QString& part = tokens[i++];
    int offset = part == u"turn" ? 0 : part == u"at" ? 3 : -1;
    if (offset < 0) return Fail(QStringLiteral("unknown wrist part '%1' (turn, at)").arg(part));
    if (i + 3 > tokens.size()) return Fail(QStringLiteral("'%1' takes 3 numbers").arg(part));
    for (int k = 0; k < 3; ++k) {
      const auto value = Number(tokens[i++]);
      if (!value) return false;
      wrist[offset + k] += *value;
    }
  }
  wrists_.insert(tokens[1], wrist);
  return true;
}

std::optional<std::vector<Assignment>> Parser::ParseAssignments(const QStringList& tokens,
                                                                int first) {
  std::vector<Assignment> assignments;
  for (int i = first; i < tokens.size(); ++i) {
    const qsizetype equals = tokens[i].indexOf(u'=');
    if (equals <= 0 || equals == tokens[i].size() - 1) {
      Fail(QStringLiteral("'%1' is not KEY=VALUE").arg(tokens[i]));
      return std::nullopt;
    }
    Assignment assignment;
    assignment.line = line_;
    assignment.key = tokens[i].left(equals);
    if (assignment.key.startsWith(u"left.")) {
      assignment.left = true;
      assignment.key = assignment.key.mid(5);
    }
    assignment.names = tokens[i].mid(equals + 1).split(u'+');
    if (!CheckAssignment(assignment)) return std::nullopt;
    assignments.push_back(assignment);
  }
  return assignments;
}

bool Parser::CheckAssignment(const Assignment& a) {
  if (a.left && shapes_.HandCount < 2 && signsStarted_)
    return Fail(QStringLiteral("'left.' needs 'hands 2'"));
  if (a.key == u"rate") {
    if (a.left || a.names.size() != 1) return Fail(QStringLiteral("rate takes one number"));
    return Number(a.names[0]).has_value();
  }
  if (a.key == u"place") return CheckPlacement(a);
  for (const QString& name : a.names) {
    if (name.isEmpty()) return Fail(QStringLiteral("an empty name in '%1'").arg(a.names.join(u'+')));
    if (a.key == u"thumb") {
      if (!thumbStates_.contains(name)) return Fail(QStringLiteral("unknown thumb state '%1'").arg(name));
    } else if (a.key == u"wrist") {
      if (!wrists_.contains(name)) return Fail(QStringLiteral("unknown wrist state '%1'").arg(name));
    } else if (a.key == u"shape") {
      if (!shapeDefinitions_.contains(name)) return Fail(QStringLiteral("unknown shape '%1'").arg(name));
    } else if (a.key == u"fingers" || kFingerKeys.contains(a.key)) {
      const QStringList fingers = a.key == u"fingers" ? kFingerKeys.mid(1) : QStringList{a.key};
      for (const QString& finger : fingers)
        if (!JointsOf(name, static_cast<int>(kFingerKeys.indexOf(finger))))
          return Fail(QStringLiteral("unknown finger state '%1'").arg(name));
    } else {
      return Fail(QStringLiteral("unknown key '%1'").arg(a.key));
    }
  }
  return true;
}

std::optional<Joints> Parser::JointsOf(const QString& name, int finger) const {
  if (finger == 0) {
    const auto found = thumbStates_.find(name);
    return found == thumbStates_.end() ? std::nullopt : std::optional<Joints>(*found);
  }
  const auto variant = fingerVariants_.find(name + u'/' + kFingerKeys[finger]);
  if (variant != fingerVariants_.end()) return *variant;
  const auto found = fingerStates_.find(name);
  return found == fingerStates_.end() ? std::nullopt : std::optional<Joints>(*found);
}

bool Parser::DefineShape(const QStringList& tokens) {
  if (tokens.size() < 2) return Fail(QStringLiteral("a shape needs a name"));
  if (shapeDefinitions_.contains(tokens[1])) return Fail(QStringLiteral("shape '%1' is defined twice").arg(tokens[1]));
  auto assignments = ParseAssignments(tokens, 2);
  if (!assignments) return false;
  for (const Assignment& a : *assignments)
    if (a.key == u"rate" || a.key == u"place" || a.left)
      return Fail(QStringLiteral("a shape describes one hand; rate, place and left. belong to frames"));
  ShapeEffect effect;
  for (const Assignment& a : *assignments) effect.Override(EffectOf(a));
  shapeDefinitions_.insert(tokens[1], effect);
  return true;
}

// The names of an assignment were checked when it was read, so every one is known.
ShapeEffect Parser::EffectOf(const Assignment& a) const {
  ShapeEffect effect;
  if (a.key == u"shape") {
    for (const QString& name : a.names) effect.Override(shapeDefinitions_.value(name));
  } else if (a.key == u"wrist") {
    Wrist sum{};
    for (const QString& name : a.names) {
      const Wrist w = wrists_.value(name);
      for (int k = 0; k < 6; ++k) sum[k] += w[k];
    }
    effect.wrist = sum;
  } else {
    const QStringList fingers = a.key == u"fingers" ? kFingerKeys.mid(1) : QStringList{a.key};
    for (const QString& fingerKey : fingers) {
      const int finger = static_cast<int>(kFingerKeys.indexOf(fingerKey));
      Joints sum{};
      for (const QString& name : a.names) {
        const Joints joints = JointsOf(name, finger).value_or(Joints{});
        for (int k = 0; k < 9; ++k) sum[k] += joints[k];
      }
      effect.fingers[finger] = sum;
    }
  }
  return effect;
}

bool Parser::Apply(const Assignment& a, FrameValues& frame) {
  if (a.key == u"rate") {
    frame.rate = a.names[0].toFloat();
    return true;
  }
  if (a.key == u"place") return true;  // once the frame's hands are posed
  HandValues& hand = frame.hands[a.left ? 1 : 0];
  const ShapeEffect effect = EffectOf(a);
  for (int f = 0; f < kFingerCount; ++f)
    if (effect.fingers[f]) hand.fingers[f] = *effect.fingers[f];
  if (effect.wrist) hand.wrist = *effect.wrist;
  return true;
}

// place=FROM@TO+OFFSET...: FROM a point of the hand that moves, TO one of the other
// hand, the offsets wrist states whose positions add up.
bool Parser::CheckPlacement(const Assignment& a) {
  if (shapes_.HandCount < 2) return Fail(QStringLiteral("'place' needs 'hands 2'"));
  const QStringList ends = a.names[0].split(u'@');
  if (ends.size() != 2) return Fail(QStringLiteral("place takes FROM@TO, not '%1'").arg(a.names[0]));
  for (const QString& end : ends)
    if (!IsHandLandmarkName(end)) return Fail(QStringLiteral("unknown point '%1'").arg(end));
  for (const QString& offset : a.names.mid(1))
    if (!wrists_.contains(offset)) return Fail(QStringLiteral("unknown wrist state '%1'").arg(offset));
  return true;
}

namespace {

void PoseHand(Hand& hand, const HandValues& values) {
  for (int k = 0; k < 3; ++k) {
    hand.SetPose(k, values.wrist[3 + k]);
    hand.SetPose(3 + k, values.wrist[k]);
  }
  for (int f = 0; f < kFingerCount; ++f)
    for (int k = 0; k < 9; ++k) hand.SetArthro(f, k / 3, k % 3, values.fingers[f][k]);
}

}  // namespace

// Moves the wrist of one hand so that its point FROM lands on the other hand's point TO.
bool Parser::Place(const Assignment& a, FrameValues& frame) {
  const QStringList ends = a.names[0].split(u'@');
  HandValues& moving = frame.hands[a.left ? 1 : 0];
  const HandValues& other = frame.hands[a.left ? 0 : 1];
  auto movingHand = std::make_unique<Hand>();
  auto otherHand = std::make_unique<Hand>();
  PoseHand(*movingHand, moving);
  PoseHand(*otherHand, other);
  const std::optional<Vec3> from = HandLandmark(*movingHand, ends[0]);
  const std::optional<Vec3> to = HandLandmark(*otherHand, ends[1]);
  if (!from || !to) return Fail(QStringLiteral("unknown point in '%1'").arg(a.names[0]));
  std::array<float, 3> shift{to->x - from->x, to->y - from->y, to->z - from->z};
  for (const QString& offset : a.names.mid(1))
    for (int k = 0; k < 3; ++k) shift[k] += wrists_[offset][3 + k];
  for (int k = 0; k < 3; ++k) moving.wrist[3 + k] += shift[k];
  return true;
}

bool Parser::StartSign(const QStringList& tokens) {
  if (!CloseSign()) return false;
  signsStarted_ = true;
  if (tokens.size() != 3) return Fail(QStringLiteral("'sign' takes a slot and a name"));
  bool ok = false;
  const int slot = tokens[1].toInt(&ok);
  if (!ok || slot < 0 || slot >= kSignSlots) return Fail(QStringLiteral("slot '%1' is not 0..256").arg(ShortenedForMessage(tokens[1])));
  if (filled_[slot]) return Fail(QStringLiteral("slot %1 is given twice").arg(slot));
  if (tokens[2].size() > kSignNameLength)
    return Fail(QStringLiteral("name '%1' is longer than %2 characters").arg(tokens[2]).arg(kSignNameLength));
  if (tokens[2].contains(u',')) return Fail(QStringLiteral("a name cannot hold a comma"));
  currentSlot_ = slot;
  signLine_ = line_;
  filled_[slot] = true;
  SignRecord& record = (*shapes_.Table)[slot];
  record = SignRecord{};
  record.Name = FixedLengthName(tokens[2]);
  shapes_.SignCount = static_cast<int16_t>(std::max<int>(shapes_.SignCount, slot + 1));
  return true;
}

bool Parser::CloseSign() {
  if (currentSlot_ >= 0 && (*shapes_.Table)[currentSlot_].Frames.empty()) {
    line_ = signLine_;
    return Fail(QStringLiteral("sign %1 has no frame").arg(currentSlot_));
  }
  return true;
}

bool Parser::AddFrame(const QStringList& tokens) {
  if (currentSlot_ < 0) return Fail(QStringLiteral("a frame must follow a sign"));
  SignRecord& record = (*shapes_.Table)[currentSlot_];
  if (record.Frames.size() >= 32767) return Fail(QStringLiteral("too many frames"));
  const auto assignments = ParseAssignments(tokens, 1);
  if (!assignments) return false;

  FrameValues frame;
  if (!record.Frames.empty()) {
    const KeyFrame& previous = record.Frames.back();
    for (int k = 0; k < 45; ++k) {
      frame.hands[0].fingers[k / 9][k % 9] = previous.RightFinger[k];
      frame.hands[1].fingers[k / 9][k % 9] = previous.LeftFinger[k];
    }
    for (int k = 0; k < 3; ++k) {
      frame.hands[0].wrist[k] = previous.RightWristAngle[k];
      frame.hands[0].wrist[3 + k] = previous.RightWristPos[k];
      frame.hands[1].wrist[k] = previous.LeftWristAngle[k];
      frame.hands[1].wrist[3 + k] = previous.LeftWristPos[k];
    }
  }
  for (const Assignment& a : *assignments)
    if (!Apply(a, frame)) return false;
  for (const Assignment& a : *assignments)
    if (a.key == u"place" && !Place(a, frame)) return false;

  KeyFrame key;
  key.Rate = frame.rate;
  for (int k = 0; k < 45; ++k) {
    key.RightFinger[k] = frame.hands[0].fingers[k / 9][k % 9];
    if (shapes_.HandCount == 2) key.LeftFinger[k] = frame.hands[1].fingers[k / 9][k % 9];
  }
  for (int k = 0; k < 3; ++k) {
    key.RightWristAngle[k] = frame.hands[0].wrist[k];
    key.RightWristPos[k] = frame.hands[0].wrist[3 + k];
    if (shapes_.HandCount == 2) {
      key.LeftWristAngle[k] = frame.hands[1].wrist[k];
      key.LeftWristPos[k] = frame.hands[1].wrist[3 + k];
    }
  }
  // Finite values can still add up beyond the range of a float.
  const auto finite = [](const auto& values) {
    return std::all_of(values.begin(), values.end(), [](float v) { return std::isfinite(v); });
  };
  if (!std::isfinite(key.Rate) || !finite(key.RightFinger) || !finite(key.LeftFinger) ||
      !finite(key.RightWristAngle) || !finite(key.LeftWristAngle) || !finite(key.RightWristPos) ||
      !finite(key.LeftWristPos))
    return Fail(QStringLiteral("the frame's values add up beyond the range of a number"));
  record.Frames.push_back(key);
  record.FrameCount = static_cast<int16_t>(record.Frames.size());
  return true;
}

}  // namespace

ShapeAuthoringResult ParseShapeAuthoring(const QString& text, const ShapeIncludeReader& readInclude) {
  return Parser(readInclude).Run(text);
}

ShapeAuthoringResult ParseShapeAuthoringFile(const QString& path, QStringList* filesRead) {
  // Hand-written sources are a few hundred lines; a FIFO or a device is no source.
  constexpr qint64 kLargestSource = qint64{16} << 20;
  auto read = [filesRead](const QString& file) -> std::optional<QString> {
    if (filesRead) *filesRead << file;
    const auto bytes = ReadRegularFile(file, kLargestSource);
    if (!std::holds_alternative<QByteArray>(bytes)) return std::nullopt;
    return QString::fromUtf8(std::get<QByteArray>(bytes));
  };
  const auto bytes = ReadRegularFile(path, kLargestSource);
  if (const auto* why = std::get_if<QString>(&bytes)) {
    if (filesRead) *filesRead << path;
    // A file that is there but cannot be a source says why; a missing one keeps its
    // short message.
    if (why->startsWith(u"cannot open")) return {false, QStringLiteral("cannot open it"), {}};
    return {false, *why, {}};
  }
  if (filesRead) *filesRead << path;
  const QString text = QString::fromUtf8(std::get<QByteArray>(bytes));
  const QDir folder = QFileInfo(path).dir();
  return ParseShapeAuthoring(text, [&](const QString& name) { return read(folder.filePath(name)); });
}
