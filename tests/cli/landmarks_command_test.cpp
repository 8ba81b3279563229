#include "cli/landmarks_command.h"
#include "support/command_run.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

const QString kBritish = QStringLiteral(TOVARO_SOURCE_DIR "/data/PositionBSL.csv");
const QString kAmerican = QStringLiteral(TOVARO_SOURCE_DIR "/data/PositionASL.csv");

QJsonObject ParsedOutput(const CommandRun& run) {
  EXPECT_EQ(run.status, 0) << run.err;
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << run.out;
  return document.object();
}

}  // namespace

TEST(LandmarksCommand, PrintsEveryNamedPointOfEachHand) {
  struct Case {
    QString file;
    QString hands;
    QString sign;
    QString frame;
    QStringList handNames;
  };
  const Case cases[] = {
      {kAmerican, "1", "3", "0", {"right"}},
      {kBritish, "2", "8", "2", {"right", "left"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file.toStdString());
    const QJsonObject result = ParsedOutput(RunCommand(
        RunLandmarksCommand, {"--angles", c.file, "--hands", c.hands, "--sign", c.sign, "--frame", c.frame}));
    EXPECT_EQ(result.value("sign").toInt(), c.sign.toInt());
    EXPECT_EQ(result.value("frame").toInt(), c.frame.toInt());
    const QJsonArray hands = result.value("hands").toArray();
    ASSERT_EQ(hands.size(), c.handNames.size());
    for (qsizetype h = 0; h < hands.size(); ++h) {
      const QJsonObject hand = hands[h].toObject();
      EXPECT_EQ(hand.value("hand").toString(), c.handNames[h]);
      const QJsonObject points = hand.value("landmarks").toObject();
      for (const char* name : {"wrist", "palm", "back", "heel", "edge", "thumb", "index.0", "middle.1", "ring.2", "little"}) {
        const QJsonArray point = points.value(name).toArray();
        EXPECT_EQ(point.size(), 3) << name;
      }
      EXPECT_EQ(points.size(), 5 + 5 * 4);
    }
  }
  // The right hand's wrist is where the file puts it, key frame 0 unless asked:
  // American C at (0, 0, -20).
  const QJsonObject c = ParsedOutput(
      RunCommand(RunLandmarksCommand, {"--angles", kAmerican, "--hands", "1", "--sign", "3"}));
  const QJsonArray wrist = c.value("hands").toArray()[0].toObject().value("landmarks").toObject().value("wrist").toArray();
  EXPECT_EQ(wrist, (QJsonArray{0.0, 0.0, -20.0}));
}

// The step form: a line for every animation step of a played word, both hands of a
// two-handed system; a lifelike letter ends held still for 40 % of its time.
TEST(LandmarksCommand, PrintsTheHandsOfEveryStepOfAPlayedWord) {
  for (const char* motion : {"described", "lifelike"}) {
    SCOPED_TRACE(motion);
    const CommandRun run = RunCommand(RunLandmarksCommand, {"--system", "0", "--angles", kBritish, "--speed", "100",
                                                            "--motion", motion, "--steps", "e"});
    ASSERT_EQ(run.status, 0) << run.err;
    QList<QJsonObject> lines;
    for (const QByteArray& line : QByteArray::fromStdString(run.out).split('\n'))
      if (!line.isEmpty()) lines << QJsonDocument::fromJson(line).object();
    // E: three key frames of 40, 20 and 20 steps, a picture more each.
    ASSERT_EQ(lines.size(), 41 + 21 + 21);
    for (int i = 0; i < lines.size(); ++i) {
      EXPECT_EQ(lines[i].value("step").toInt(), i);
      EXPECT_EQ(lines[i].value("hands").toArray().size(), 2);
    }
    const bool held = lines[lines.size() - 2].value("hands") == lines.back().value("hands") &&
                      lines[lines.size() - 30].value("hands") == lines.back().value("hands");
    EXPECT_EQ(held, std::string(motion) == "lifelike");
  }
}

TEST(LandmarksCommand, RefusesWhatItCannotShow) {
  ExpectWrongUsage(RunLandmarksCommand, "landmarks",
                   {{"--hands", "1", "--sign", "1"},
                    {"--angles", kAmerican, "--sign", "1"},
                    {"--angles", kAmerican, "--hands", "3", "--sign", "1"},
                    {"--angles", kAmerican, "--hands", "1"},
                    {"--angles", kAmerican, "--hands", "1", "--sign", "x"},
                    {"--angles", kAmerican, "--hands", "1", "--sign", "1", "--frame", "-1"},
                    {"--angles", kAmerican, "--hands", "1", "--sign", "1", "extra"},
                    {"--angles", kAmerican, "--hands", "1", "--sign", "1", "--motion", "lifelike"},
                    {"--system", "2", "--angles", kAmerican, "--speed", "100", "--motion", "fast", "--steps", "a"}},
                   "landmarks");
  struct Case {
    QStringList arguments;
    const char* says;
  };
  const Case failures[] = {
      {{"--angles", "/nonexistent/Position.csv", "--hands", "1", "--sign", "1"}, "Error /nonexistent/Position.csv"},
      {{"--angles", kAmerican, "--hands", "1", "--sign", "200"}, "has no sign 200"},
      {{"--angles", kAmerican, "--hands", "1", "--sign", "1", "--frame", "1"}, "sign 1 has 1 key frames"},
  };
  for (const Case& c : failures) {
    const CommandRun run = RunCommand(RunLandmarksCommand, c.arguments);
    EXPECT_EQ(run.status, 1) << c.says;
    EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());
  }
}
