#include "shell/progress_summary.h"

#include "convert/system_registry.h"
#include "shell/sign_labels.h"
#include "shell/spelled_signs.h"
#include "support/file_contents.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QDateTime At(int day) { return QDateTime(QDate(2026, 12, day), QTime(10, 0), Qt::UTC); }

SignProgressRecord Sign(int code, int tries, int right, std::vector<int> takenFor = {},
                        SystemId system = SystemId::American) {
  return {system, code, tries, right, std::move(takenFor), At(1)};
}

int CodeOf(const QString& letter) {
  return SpelledSignsOf(FindSystem(SystemId::American), letter, 46)->front().Sign.Code;
}

}  // namespace

// The signs from weakest to strongest (equal shares: the more often tried first, then
// by name), the five most frequent misreadings one way round, and the system's own
// sessions' speeds in the order they were held.
TEST(ProgressSummary, OrdersTheSignsAndPairsAndKeepsTheSystemsOwnSessions) {
  const std::map<int, QString> labels{{1, "A"}, {2, "B"}, {3, "C"}, {4, "D"}, {5, "E"}, {6, "F"}, {7, "G"}};
  const std::vector<SignProgressRecord> signs{
      Sign(1, 10, 9, {5}),           // 90 %
      Sign(2, 4, 1, {3, 3, 3}),      // 25 %
      Sign(3, 8, 2, {2, 2}),         // 25 %, more often tried than B
      Sign(4, 0, 0),                 // never shown: no bar
      Sign(5, 6, 3, {1, 6, 7, 6}),   // 50 %
      Sign(6, 6, 3, {9, 1, 2}),      // 50 %, after E by name; 9 has no label
      Sign(7, 5, 5, {}, SystemId::BritishTwoHanded),
  };
  const std::vector<PracticeSessionRecord> sessions{{At(2), SystemId::American, 10, 5, 90},
                                                    {At(3), SystemId::JapaneseKana, 10, 5, 300},
                                                    {At(4), SystemId::American, 10, 8, 120}};
  const ProgressSummary summary = SummarizeProgress(SystemId::American, signs, sessions, 4, labels);

  QStringList order;
  for (const SignAccuracy& sign : summary.Signs) order << sign.Label;
  EXPECT_EQ(order.join(u' '), "C B E F A");
  EXPECT_DOUBLE_EQ(summary.Signs.front().Share(), 0.25);

  const std::vector<ConfusedPair> pairs{{"B", "C", 3}, {"C", "B", 2}, {"E", "F", 2}, {"A", "E", 1}, {"E", "A", 1}};
  EXPECT_EQ(summary.Confused, pairs);
  EXPECT_EQ(summary.Speeds, (std::vector<SpeedPoint>{{At(2), 90, std::nullopt}, {At(4), 120, std::nullopt}}));
  // The reading speeds measured go with their sessions.
  const ProgressSummary measured =
      SummarizeProgress(SystemId::American, signs, sessions, 4, labels, {std::nullopt, 3.0, 1.5});
  EXPECT_EQ(measured.Speeds, (std::vector<SpeedPoint>{{At(2), 90, std::nullopt}, {At(4), 120, 1.5}}));
  EXPECT_EQ(summary.WaitingForReview, 4u);
  EXPECT_FALSE(summary.IsEmpty());

  // A code with no label is still shown, by its number.
  const ProgressSummary unnamed = SummarizeProgress(SystemId::American, {Sign(9, 2, 1, {9})}, {}, 0, {});
  EXPECT_EQ(unnamed.Signs.front().Label, "#9");
  EXPECT_EQ(unnamed.Confused, (std::vector<ConfusedPair>{{"#9", "#9", 1}}));
  EXPECT_TRUE(SummarizeProgress(SystemId::American, {Sign(4, 0, 0)}, {}, 0, labels).IsEmpty());
}

// The window reads the progress file without changing it: a missing file stays
// missing and a kept one keeps every byte; its signs are named as the system spells them.
TEST(ProgressSummary, ReadsTheProgressFileWithoutChangingIt) {
  const QTemporaryDir dir;
  const QString path = dir.filePath(kProgressFileName);
  EXPECT_TRUE(ReadProgressSummary(path, SystemId::American).IsEmpty());
  EXPECT_FALSE(QFileInfo::exists(path));

  const int e = CodeOf("E");
  const int s = CodeOf("S");
  {
    ProgressStore::Opened opened = ProgressStore::Open(path);
    ASSERT_TRUE(opened.store);
    ASSERT_TRUE(opened.store->PutSigns({Sign(e, 9, 2, {s, s, s, s, s, s, s}), Sign(s, 3, 3)}));
    ASSERT_TRUE(opened.store->AddSession({At(5), SystemId::American, 12, 7, 140}, 2.5));
    ASSERT_TRUE(opened.store->PutReview({SystemId::American, "sea", 1, At(6), At(5)}));
    ASSERT_TRUE(opened.store->PutReview({SystemId::JapaneseKana, "umi", 1, At(6), At(5)}));
  }
  const QByteArray before = FileContents(path);
  const ProgressSummary summary = ReadProgressSummary(path, SystemId::American);
  EXPECT_EQ(FileContents(path), before);
  ASSERT_EQ(summary.Signs.size(), 2u);
  EXPECT_EQ(summary.Signs.front().Label, "E");
  EXPECT_EQ(summary.Confused, (std::vector<ConfusedPair>{{"E", "S", 7}}));
  EXPECT_EQ(summary.Speeds, (std::vector<SpeedPoint>{{At(5), 140, 2.5}}));
  EXPECT_EQ(summary.WaitingForReview, 1u);

  // Each letter of the alphabet names a sign of its own; kana and jamo are named too,
  // a kana by its plain, large form.
  const std::map<int, QString> labels = SignLabelsOf(SystemId::American);
  for (const QString letter : {"A", "Q", "Z"}) EXPECT_EQ(labels.at(CodeOf(letter)), letter);
  const auto names = [](SystemId system) {
    QStringList all;
    for (const auto& [code, label] : SignLabelsOf(system)) all << label;
    return all;
  };
  EXPECT_EQ(names(SystemId::JapaneseKana).mid(0, 5), (QStringList{"ｱ", "ｲ", "ｳ", "ｴ", "ｵ"}));
  EXPECT_EQ(names(SystemId::KoreanHangul).mid(0, 3), (QStringList{"ㄱ", "ㄲ", "ㄴ"}));

  // A file that is no database is shown as no progress, and left where it is.
  const QString broken = dir.filePath("broken.sqlite");
  ASSERT_TRUE(WriteFileContents(broken, "not a database at all, only text long enough to look like a header"));
  EXPECT_TRUE(ReadProgressSummary(broken, SystemId::American).IsEmpty());
  EXPECT_TRUE(QFileInfo::exists(broken));
}
