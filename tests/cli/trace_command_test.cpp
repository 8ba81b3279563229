#include "cli/trace_command.h"

#include "support/angle_table_files.h"
#include "support/command_run.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

CommandRun Trace(const QStringList& arguments) { return RunCommand(RunTraceCommand, arguments); }

// One-frame shapes of rate 1 in slots 0..last; slot 10 has a second frame at rate 0.5.
QString WriteTable(const QTemporaryDir& dir, int hands, int last) {
  const auto table = PlainAngleTable(hands, last, 1.0f);
  KeyFrame half = table->Signs[10].Frames[0];
  half.Rate = 0.5f;
  table->Signs[10].Frames.push_back(half);
  table->Signs[10].FrameCount = 2;
  const QString path = dir.filePath(QStringLiteral("table%1.csv").arg(hands));
  EXPECT_TRUE(SaveAngleFile(*table, path));
  return path;
}

}  // namespace

TEST(TraceCommand, PrintsEveryPlaybackCallAndTheFrameCounter) {
  QTemporaryDir dir;
  const QString table = WriteTable(dir, 1, 81);
  const CommandRun run = Trace({"--system", "2", "--angles", table, "--speed", "40", "ll"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "SetHandPose 0 0\n"
            "SetHandTargetShifted 12 0 0 0 0 0 0 0 0 0 0 0 0 0\n"
            "Redraw 100\n"
            "SetHandTargetShifted 12 0 0 10 0 0 0 0 0 10 0 0 0 0\n"
            "Redraw 20\n"
            "SetHandTargetShifted 12 0 0 0 0 0 0 0 0 0 0 0 0 0\n"
            "Redraw 20\n"
            "SetHandTargetShifted 12 0 0 0 0 0 -20 0 0 0 0 0 -20 0\n"
            "Redraw 100\n"
            "SetHandTargetShifted 12 0 0 10 0 0 -20 0 0 10 0 0 -20 0\n"
            "Redraw 20\n"
            "SetHandTargetShifted 12 0 0 0 0 0 -20 0 0 0 0 0 -20 0\n"
            "Redraw 20\n"
            "FrameCounter 286\n");
  EXPECT_TRUE(run.err.empty());

  // N is shown before clamping: speed 1 asks for 4000 steps and draws 1001 pictures.
  const CommandRun slow = Trace({"--system", "6", "--angles", table, "--speed", "1", "--", "2"});
  EXPECT_EQ(slow.out, "SetHandPose 0 0\nSetHandTarget 48 0\nRedraw 4000\nFrameCounter 1001\n");

  const CommandRun kana = Trace({"--system", "4", "--angles", table, "--speed", "3", "--roman", "ka"});
  EXPECT_EQ(kana.out,
            "SetHandPose 0 0\n"
            "SetHandTargetShifted 6 0 0 0 0 0 0 0 0 0 0 0 0 0\n"
            "Redraw 1333\n"
            "FrameCounter 1001\n");
}

TEST(TraceCommand, EachSystemReadsItsLayoutAndNumeralSlots) {
  QTemporaryDir dir;
  const QString oneHand = WriteTable(dir, 1, 81);
  const QString twoHands = WriteTable(dir, 2, 27);
  EXPECT_EQ(Trace({"--system", "0", "--angles", twoHands, "--speed", "40", "a"}).status, 0);
  EXPECT_EQ(Trace({"--system", "1", "--angles", twoHands, "--speed", "40", "a"}).status, 0);
  // --numeral-base does not disturb KSL; the numeral system takes it.
  const CommandRun ksl = Trace({"--system", "5", "--angles", oneHand, "--speed", "8000",
                                "--numeral-base", "7", "--roman", "HanGug"});
  EXPECT_EQ(ksl.status, 0);
  EXPECT_NE(ksl.out.find("SetHandTargetShifted 33 0 0 0 0 0 0 0 0 0 0 0 0 0\nRedraw 0\n"),
            std::string::npos);
  EXPECT_NE(ksl.out.find("FrameCounter 0\n"), std::string::npos);
  const CommandRun numeral =
      Trace({"--system", "6", "--angles", oneHand, "--speed", "40", "--numeral-base", "41", "1"});
  EXPECT_NE(numeral.out.find("SetHandTarget 42 0\n"), std::string::npos);
  // A key frame at half rate.
  const CommandRun j = Trace({"--system", "3", "--angles", oneHand, "--speed", "10", "j"});
  EXPECT_NE(j.out.find("Redraw 400\nSetHandTargetShifted 10 1 0 0 0 0 0 0 0 0 0 0 0 0\nRedraw 200\n"),
            std::string::npos);
}

TEST(TraceCommand, AFileThatDoesNotLoadOrAFailedConversionEndsWith1) {
  QTemporaryDir dir;
  const QString oneHand = WriteTable(dir, 1, 81);
  const QString missing = dir.filePath("missing.csv");
  const CommandRun run = Trace({"--system", "2", "--angles", missing, "--speed", "40", "a"});
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.out.starts_with("Error " + missing.toStdString() + ": "));
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1);

  const CommandRun failed = Trace({"--system", "6", "--angles", oneHand, "--speed", "40", "12a"});
  EXPECT_EQ(failed.status, 1);
  EXPECT_EQ(failed.out, "Result False\n");
  EXPECT_EQ(failed.err, "Invalid number\n");
  EXPECT_EQ(Trace({"--system", "5", "--angles", oneHand, "--speed", "40", "--roman", "ga"}).out,
            "Result False\n");
  EXPECT_EQ(Trace({"--system", "4", "--angles", oneHand, "--speed", "40", "ka"}).out,
            "Result False\n");
}

TEST(TraceCommand, WrongUsagePrintsTheUsageAndExitsWith2) {
  ExpectWrongUsage(RunTraceCommand, "trace",
                   {{},
                    {"--system", "2", "--angles", "f.csv", "a"},
                    {"--system", "2", "--speed", "40", "a"},
                    {"--angles", "f.csv", "--speed", "40", "a"},
                    {"--system", "2", "--angles", "f.csv", "--speed", "0", "a"},
                    {"--system", "2", "--angles", "f.csv", "--speed", "32768", "a"},
                    {"--system", "2", "--angles", "f.csv", "--speed", "40"},
                    {"--system", "2", "--angles", "f.csv", "--speed", "40", "a", "b"},
                    {"--system", "3", "--angles", "f.csv", "--speed", "40", "--roman", "a"},
                    {"--system", "7", "--angles", "f.csv", "--speed", "40", "a"}},
                   "FrameCounter");
}

TEST(TraceCommand, NormalizeTracesTypedFormsAsTheirHalfWidthForm) {
  QTemporaryDir dir;
  const QString table = WriteTable(dir, 1, 81);
  const auto trace = [&](int system, const QString& text, bool normalize) {
    QStringList arguments{"--system", QString::number(system), "--angles", table, "--speed", "40"};
    if (normalize) arguments << "--normalize";
    return Trace(arguments << "--" << text);
  };
  const struct {
    int system;
    QString typed;
    QString halfWidth;
  } cases[] = {
      {4, u"ありがとう"_qs, u"ｱﾘｶﾞﾄｳ"_qs},
      {4, u"アリガトウ"_qs, u"ｱﾘｶﾞﾄｳ"_qs},
      {2, u"ＨＥＬＬＯ"_qs, u"HELLO"_qs},
      {6, u"１２"_qs, u"12"_qs},
  };
  for (const auto& c : cases) {
    const CommandRun expected = trace(c.system, c.halfWidth, false);
    ASSERT_EQ(expected.status, 0) << expected.out;
    EXPECT_EQ(trace(c.system, c.typed, true).out, expected.out) << c.typed.toStdString();
    EXPECT_EQ(trace(c.system, c.halfWidth, true).out, expected.out);
  }
  // Without the flag the typed form is what it always was.
  EXPECT_EQ(trace(4, u"ありがとう"_qs, false).out, "Result False\n");
}
