#include "cli/trace_command.h"

#include "support/angle_table_files.h"
#include "support/command_run.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

CommandRun Trace(const QStringList& arguments) { return RunCommand(RunTraceCommand, arguments); }

// One-frame shapes of rate 1 in slots 0..81.
QString WriteTable(const QTemporaryDir& dir) {
  const QString path = dir.filePath(QStringLiteral("table.csv"));
  EXPECT_TRUE(WriteAngleTable(path, 1, 81, 1.0f));
  return path;
}

}  // namespace

// The move scripts themselves, their format, the step counts shown before clamping and
// every system's layout are pinned by the golden traces (tests/data/traces).
TEST(TraceCommand, AFileThatDoesNotLoadOrAFailedConversionEndsWith1) {
  QTemporaryDir dir;
  const QString oneHand = WriteTable(dir);
  const QString missing = dir.filePath("missing.csv");
  const CommandRun run = Trace({"--system", "2", "--angles", missing, "--speed", "40", "a"});
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.out.starts_with("Error " + missing.toStdString() + ": "));
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1);

  const CommandRun failed = Trace({"--system", "6", "--angles", oneHand, "--speed", "40", "12a"});
  EXPECT_EQ(failed.status, 1);
  EXPECT_EQ(failed.out, "Result False\n");
  EXPECT_EQ(failed.err, "Invalid number\n");
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
  const QString table = WriteTable(dir);
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
      {2, u"ＨＥＬＬＯ"_qs, u"HELLO"_qs},  // every typed form: typed_text_normalization_test
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
