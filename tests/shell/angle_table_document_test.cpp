#include "shell/angle_table_document.h"

#include "support/angle_table_files.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// How often a signal of the document was told.
template <typename Signal>
std::shared_ptr<int> Count(AngleTableDocument& document, Signal signal) {
  auto count = std::make_shared<int>(0);
  QObject::connect(&document, signal, &document, [count] { ++*count; });
  return count;
}

KeyFrame Marked(float x) {
  KeyFrame frame;
  frame.Rate = 1.0f;
  frame.RightWristPos[0] = x;
  frame.LeftWristPos[0] = -x;
  return frame;
}

// A two-hand table with signs of one, two and three key frames, and a slot past its
// end still holding what an earlier, larger table left there.
SignTable StartingTable() {
  SignTable table = SignTable::WithHands(2);
  table.Signs[0] = {1, FixedLengthName("rest"), {Marked(0)}};
  table.Signs[1] = {2, FixedLengthName("two"), {Marked(1), Marked(2)}};
  table.Signs[2] = {3, FixedLengthName("three"), {Marked(3), Marked(4), Marked(5)}};
  table.Signs[3] = {1, FixedLengthName("left over"), {Marked(9)}};
  table.SignCount = 3;
  return table;
}

class AngleTableDocumentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    path_ = dir_.filePath("table.csv");
    ASSERT_TRUE(SaveAngleFile(StartingTable(), path_));
    document_.Restore(StartingTable(), path_);
  }

  QTemporaryDir dir_;
  QString path_;
  AngleTableDocument document_;
};

TEST_F(AngleTableDocumentTest, EveryEditIsUndoneAndRedoneExactly) {
  KeyFrame stored = Marked(42);
  stored.Rate = 0.5f;
  stored.RightFinger[7] = 12.25f;
  stored.LeftFinger[44] = -3.0f;
  const struct {
    const char* name;
    std::function<EditOutcome(AngleTableDocument&)> edit;
  } edits[] = {
      {"Set", [&](AngleTableDocument& d) { return d.StoreKeyFrame(2, 1, stored); }},
      {"Add Frame", [](AngleTableDocument& d) { return d.AppendKeyFrame(1); }},
      {"Delete Frame", [](AngleTableDocument& d) { return d.DeleteKeyFrame(2, 0); }},
      {"Delete Frame", [](AngleTableDocument& d) { return d.DeleteKeyFrame(2, 2); }},
      // Into the slot past the end, replacing what it held.
      {"Add Char", [](AngleTableDocument& d) { return d.AddSign(QStringLiteral("new")); }},
  };
  for (const auto& c : edits) {
    SCOPED_TRACE(c.name);
    const SignTable before = document_.Table();
    const auto changed = Count(document_, &AngleTableDocument::changed);
    ASSERT_TRUE(c.edit(document_).Ok());
    const SignTable after = document_.Table();
    EXPECT_NE(after, before);
    EXPECT_FALSE(document_.IsClean());
    EXPECT_EQ(document_.UndoStack().undoText(), QString::fromLatin1(c.name));

    document_.UndoStack().undo();
    EXPECT_EQ(document_.Table(), before);  // every value, every slot, the sign count
    EXPECT_TRUE(document_.IsClean());
    document_.UndoStack().redo();
    EXPECT_EQ(document_.Table(), after);
    EXPECT_EQ(*changed, 3);
    document_.UndoStack().undo();
  }
  EXPECT_EQ(document_.Table(), StartingTable());
  EXPECT_EQ(document_.Table().Signs[3].Name, FixedLengthName("left over"));
}

TEST_F(AngleTableDocumentTest, RefusedEditsLeaveNoStep) {
  const struct {
    std::function<EditOutcome(AngleTableDocument&)> edit;
    QString message;
  } refused[] = {
      {[](AngleTableDocument& d) { return d.StoreKeyFrame(1, 2, KeyFrame{}); }, kFrameNumberExceedsMessage},
      {[](AngleTableDocument& d) { return d.StoreKeyFrame(-1, 0, KeyFrame{}); }, kFrameNumberExceedsMessage},
      {[](AngleTableDocument& d) { return d.StoreKeyFrame(kSignSlots, 0, KeyFrame{}); }, kFrameNumberExceedsMessage},
      {[](AngleTableDocument& d) { return d.DeleteKeyFrame(0, 0); }, kCannotDeleteMessage},
      {[](AngleTableDocument& d) { return d.DeleteKeyFrame(kSignSlots + 3, 0); }, kFrameNumberExceedsMessage},
      {[](AngleTableDocument& d) { return d.AppendKeyFrame(-2); }, kFrameNumberExceedsMessage},
  };
  for (const auto& c : refused) {
    EXPECT_EQ(c.edit(document_).message, c.message);
    EXPECT_EQ(document_.UndoStack().count(), 0);
    EXPECT_TRUE(document_.IsClean());
    EXPECT_EQ(document_.Table(), StartingTable());
  }
  AngleTableDocument full;
  full.Restore(*PlainAngleTable(2, kSignSlots - 1), QString());
  EXPECT_EQ(full.AddSign(QStringLiteral("one more")).message, kNoFreeSignSlotMessage);
  EXPECT_EQ(full.UndoStack().count(), 0);
}

TEST_F(AngleTableDocumentTest, CleanFollowsTheSavedStateAndItsFile) {
  const auto clean = Count(document_, &AngleTableDocument::cleanChanged);
  const auto file = Count(document_, &AngleTableDocument::filePathChanged);
  EXPECT_EQ(document_.FilePath(), path_);
  ASSERT_TRUE(document_.AppendKeyFrame(0).Ok());
  ASSERT_TRUE(document_.AppendKeyFrame(0).Ok());
  const QString other = dir_.filePath("other.csv");
  ASSERT_TRUE(document_.SaveAs(other));
  EXPECT_TRUE(document_.IsClean());
  EXPECT_EQ(document_.FilePath(), other);
  EXPECT_EQ(*file, 1);
  SignTable reread = SignTable::WithHands(2);
  ASSERT_TRUE(LoadAngleFile(reread, other));
  EXPECT_EQ(reread.KeyFrameCount(0), 3);

  // Undone past the save it has changes again; redone to it, it is clean.
  document_.UndoStack().undo();
  EXPECT_FALSE(document_.IsClean());
  document_.UndoStack().redo();
  EXPECT_TRUE(document_.IsClean());
  EXPECT_EQ(*clean, 4);  // dirty, clean, dirty, clean

  // A save that fails keeps the changes unsaved, and the file the document had.
  ASSERT_TRUE(document_.AppendKeyFrame(0).Ok());
  ASSERT_TRUE(QDir(dir_.path()).mkdir("taken.csv"));
  EXPECT_FALSE(document_.SaveAs(dir_.filePath("taken.csv")));
  EXPECT_FALSE(document_.IsClean());
  EXPECT_EQ(document_.FilePath(), other);
}

TEST_F(AngleTableDocumentTest, LoadingReplacesTheTableOnlyWhenTheFileReads) {
  ASSERT_TRUE(document_.AppendKeyFrame(1).Ok());
  const SignTable edited = document_.Table();
  QFile broken(dir_.filePath("broken.csv"));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("not, an, angle, file\r\n");
  broken.close();
  const std::optional<FileResult> failed = document_.Load(broken.fileName());
  ASSERT_TRUE(failed.has_value());
  EXPECT_FALSE(*failed);
  EXPECT_EQ(document_.Table(), edited);
  EXPECT_FALSE(document_.IsClean());
  EXPECT_EQ(document_.UndoStack().count(), 1);

  // A file read anew starts clean, with no history to undo into the old table; slots
  // the file does not name keep what they held.
  ASSERT_TRUE(document_.Load(path_).value_or(FileResult::Failure("no layout")));
  EXPECT_EQ(document_.Table(), StartingTable());
  document_.SetLayout(2);
  ASSERT_TRUE(document_.Load(path_).value_or(FileResult::Failure("no layout")));
  EXPECT_EQ(document_.Table().SignCount, 3);
  EXPECT_EQ(document_.Table().KeyFrameCount(3), 0);
  EXPECT_TRUE(document_.IsClean());
  EXPECT_EQ(document_.UndoStack().count(), 0);

  AngleTableDocument unlaid;
  EXPECT_FALSE(unlaid.Load(path_).has_value());
}

}  // namespace
