#include "signdata/angle_file.h"

#include "signdata/sign_table.h"
#include "support/file_contents.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A header line of the given layout: index, name, frame count, then empty fields.
QString Header(int index, const QString& name, int frames, int columns = 52) {
  return QStringLiteral("%1,%2,%3").arg(index).arg(name).arg(frames) + QString(columns - 3, u',') +
         "\r\n";
}

// A key-frame line whose fields are `first`, first + 1, ...
QString FrameLine(float first, int columns = 52) {
  QStringList fields;
  for (int i = 0; i < columns; ++i) fields << QString::number(first + i);
  return fields.join(u',') + "\r\n";
}

class AngleFileTest : public ::testing::Test {
 protected:
  AngleFileTest() {
    state.ColumnCount = kOneHandColumns;
    state.HandCount = 1;
  }

  QString Write(const QByteArray& bytes, const QString& name = "a.csv") {
    const QString path = dir.filePath(name);
    EXPECT_TRUE(WriteFileContents(path, bytes));
    return path;
  }
  QString Write(const QString& text, const QString& name = "a.csv") { return Write(text.toUtf8(), name); }

  FileResult Load(const QString& text) { return LoadAngleFile(state, Write(text)); }

  QTemporaryDir dir;
  SignTable state;
};

}  // namespace

TEST_F(AngleFileTest, EntriesInAnyOrderFillTheirSlotsAndTheHighestSetsTheCount) {
  const QString text = Header(3, "C", 1) + FrameLine(300) + Header(0, "rest", 1) + FrameLine(0) +
                       Header(1, "A", 2) + FrameLine(100) + FrameLine(110);
  ASSERT_TRUE(Load(text));
  // Slot 3 came first but is the highest: no loaded sign is hidden, none dropped at save.
  EXPECT_EQ(state.SignCount, 4);
  EXPECT_EQ(state.Signs[3].FrameCount, 1);
  EXPECT_EQ(state.Signs[3].Frames[0].Rate, 300.0f);
  EXPECT_EQ(state.Signs[1].FrameCount, 2);
  const KeyFrame& k = state.Signs[1].Frames[1];
  EXPECT_EQ(k.Rate, 110.0f);
  EXPECT_EQ(k.RightWristAngle[0], 111.0f);
  EXPECT_EQ(k.RightWristPos[2], 116.0f);
  EXPECT_EQ(k.RightFinger[0], 117.0f);
  EXPECT_EQ(k.RightFinger[44], 161.0f);
  EXPECT_EQ(k.RightFinger[45], 0.0f);
  EXPECT_EQ(k.RightWristAngle[3], 0.0f);
  EXPECT_EQ(k.LeftFinger[0], 0.0f);
  EXPECT_EQ(state.Signs[0].Name, "rest      ");
  // Saved and read back, such a table is the same: the full table below.
}

TEST_F(AngleFileTest, ALaterEntryReplacesAnEarlierOneAndUnnamedSlotsKeepTheirData) {
  ASSERT_TRUE(Load(Header(0, "R", 1) + FrameLine(1) + Header(5, "old", 1) + FrameLine(50)));
  ASSERT_TRUE(Load(Header(0, "R", 1) + FrameLine(2) + Header(0, "R2", 2) + FrameLine(3) + FrameLine(4)));
  EXPECT_EQ(state.SignCount, 1);
  EXPECT_EQ(state.Signs[0].Name.trimmed(), "R2");
  EXPECT_EQ(state.Signs[0].FrameCount, 2);
  EXPECT_EQ(state.Signs[0].Frames[1].Rate, 4.0f);
  EXPECT_EQ(state.Signs[5].Frames[0].Rate, 50.0f);  // never cleared
  // A file without entries loads too, and leaves no sign in use.
  ASSERT_TRUE(Load(QString()));
  EXPECT_EQ(state.SignCount, 0);
  EXPECT_EQ(state.Signs[0].Frames[1].Rate, 4.0f);
}

TEST_F(AngleFileTest, FieldsSplitOverLinesReadTheSameAsTheCanonicalForm) {
  QString split = FrameLine(7);
  split.replace(QStringLiteral("20,"), QStringLiteral("20\r\n"));  // a line end ends a field too
  split.replace(QStringLiteral("40,"), QStringLiteral("40\n"));
  ASSERT_TRUE(Load(Header(0, "X", 1) + split));
  SignTable canonical;
  canonical.ColumnCount = kOneHandColumns;
  ASSERT_TRUE(LoadAngleFile(canonical, Write(Header(0, "X", 1) + FrameLine(7), "b.csv")));
  EXPECT_EQ(state.Signs[0], canonical.Signs[0]);
}

TEST_F(AngleFileTest, NamesLoseTheirLeadingBlanksAndNumbersAreReadLeniently) {
  QString line = FrameLine(0);
  line.replace(QStringLiteral("0,1,2,"), QStringLiteral(" 2.5abc , ,  -1e1,"));
  ASSERT_TRUE(Load(Header(0, "  ABCDEFGHIJKLMN", 1) + line));
  EXPECT_EQ(state.Signs[0].Name, "ABCDEFGHIJ");
  EXPECT_EQ(state.Signs[0].Frames[0].Rate, 2.5f);
  EXPECT_EQ(state.Signs[0].Frames[0].RightWristAngle[0], 0.0f);
  EXPECT_EQ(state.Signs[0].Frames[0].RightWristAngle[1], -10.0f);
}

// A character outside the basic plane takes two UTF-16 units; cut between them, it
// would be saved as "?" (the full table below saves and reads back such a name).
TEST(FixedLengthName, NamesAreCutOrPaddedToTenCharactersBetweenCharactersNeverInsideOne) {
  const QString smile = QString::fromUtf8("\xF0\x9F\x98\x80");
  const struct {
    QString name;
    QString kept;
  } cases[] = {
      {"ABCDEFGHIJKLMN", "ABCDEFGHIJ"},
      {"Q", "Q         "},
      {"ABCDEFGHI" + smile, "ABCDEFGHI "},
      {"ABCDEFGH" + smile + "Z", "ABCDEFGH" + smile},
      {smile + smile + smile + smile + smile + smile, smile + smile + smile + smile + smile},
  };
  for (const auto& [name, kept] : cases) EXPECT_EQ(FixedLengthName(name), kept);
}

TEST_F(AngleFileTest, EveryFailureNamesItsLineAndLeavesTheTableAsItWas) {
  ASSERT_TRUE(Load(Header(0, "keep", 1) + FrameLine(9) + Header(1, "one", 1) + FrameLine(1)));
  const SignTableSlots before = state.Signs;
  const QString good = Header(0, "new", 1) + FrameLine(5);

  struct Case {
    QString text;
    QString reason;
  };
  const Case cases[] = {
      {good + Header(2, "z", 0), "line 3: frame count 0"},
      {good + Header(2, "z", -4) + FrameLine(0), "line 3: frame count -4"},
      {good + Header(257, "z", 1) + FrameLine(0), "line 3: slot index 257 outside 0..256"},
      {good + Header(-1, "z", 1) + FrameLine(0), "line 3: slot index -1 outside 0..256"},
      {good + Header(40000, "z", 1) + FrameLine(0),
       "line 3: slot index 40000 is beyond the 16-bit range"},
      {good + Header(7, "z", 2) + FrameLine(0), "line 4: file ends inside sign 7"},
      {good + "\r\n", "line 3: file ends inside a sign header"},
      {good + Header(2, "z", 1) + FrameLine(0).replace("3,", "1e99,"),
       "line 4: value 1e99 is out of range"},
      // What a writer makes of a value that is no number would otherwise read as 0.
      {good + Header(2, "z", 1) + FrameLine(0).replace("3,", "NaN,"), "line 4: value NaN is not a number"},
      {good + Header(2, "z", 1) + FrameLine(0).replace("3,", " -inf ,"), "line 4: value -inf is not a number"},
      {good + Header(2, "z", 1) + FrameLine(0).replace("3,", "Infinity,"),
       "line 4: value Infinity is not a number"},
      {good + "nan" + Header(2, "z", 1).mid(1) + FrameLine(0), "line 3: nan is not a number"},
      {good + Header(2, "z", 1).replace(",1,", ",inf,") + FrameLine(0), "line 3: inf is not a number"},
      // Long numbers are quoted shortened.
      {good + Header(2, "z", 1) + FrameLine(0).replace("3,", QString(5000, u'9') + ","),
       "line 4: value " + QString(20, u'9') + QChar(0x2026) + " is out of range"},
      {good + QString(5000, u'7') + Header(2, "z", 1).mid(1) + FrameLine(0),
       "line 3: slot index " + QString(20, u'7') + QChar(0x2026) + " is beyond the 16-bit range"},
  };
  for (const Case& c : cases) {
    const FileResult result = Load(c.text);
    EXPECT_FALSE(result) << c.text.toStdString();
    EXPECT_EQ(result.reason, c.reason);
    EXPECT_EQ(state.SignCount, 2);
    EXPECT_TRUE(state.Signs == before) << c.reason.toStdString();
  }

  const FileResult missing = LoadAngleFile(state, dir.filePath("nothing.csv"));
  EXPECT_FALSE(missing);
  EXPECT_TRUE(missing.reason.startsWith("cannot open"));

  state.ColumnCount = 0;  // no system chosen yet
  EXPECT_FALSE(Load(good));
  EXPECT_TRUE(state.Signs == before);

  // A file of the other layout is named as such, not by the line where reading broke.
  for (const int hands : {1, 2}) {
    SignTable written = SignTable::WithHands(3 - hands);
    written.Signs[0] = {1, FixedLengthName("rest"), {KeyFrame{}}};
    written.SignCount = 1;
    const QString path = dir.filePath("other.csv");
    ASSERT_TRUE(SaveAngleFile(written, path));
    SignTable read = SignTable::WithHands(hands);
    const FileResult result = LoadAngleFile(read, path);
    EXPECT_FALSE(result);
    EXPECT_EQ(result.reason, hands == 1 ? "the file has two hands (103 columns a line), not one"
                                        : "the file has one hand (52 columns a line), not two");
  }
}

TEST_F(AngleFileTest, NamesAreReadAsUtf8OrElseAsShiftJis) {
  ASSERT_TRUE(Load(Header(0, "あいう", 1) + FrameLine(0)));
  EXPECT_EQ(state.Signs[0].Name, "あいう       ");
  // "ア" in Shift_JIS is 0x83 0x41, which is not valid UTF-8.
  QByteArray shiftJis = Header(1, "@", 1).toLatin1() + FrameLine(0).toLatin1();
  shiftJis.replace('@', QByteArray("\x83\x41"));
  ASSERT_TRUE(LoadAngleFile(state, Write(shiftJis, "sjis.csv")));
  EXPECT_EQ(state.Signs[1].Name, QString::fromUtf8("ア") + QString(9, u' '));
}

TEST_F(AngleFileTest, WrittenFilesHaveFullLinesCrLfAndTheFreeNumberFormAtTheEnd) {
  for (const int columns : {52, 103}) {
    SignTable written;
    written.ColumnCount = static_cast<int16_t>(columns);
    written.HandCount = columns == 103 ? 2 : 1;
    written.Signs[0] = {1, FixedLengthName("rest"), {KeyFrame{}}};
    KeyFrame k;
    k.Rate = 1.5f;
    k.RightFinger[44] = -35.0f;
    k.LeftFinger[44] = 12.25f;
    written.Signs[1] = {2, FixedLengthName("A"), {k, k}};
    written.SignCount = 2;
    const QString path = dir.filePath(QStringLiteral("w%1.csv").arg(columns));
    ASSERT_TRUE(SaveAngleFile(written, path));

    const QString text = QString::fromUtf8(FileContents(path));
    ASSERT_TRUE(text.endsWith("\r\n"));
    const QStringList lines = text.chopped(2).split("\r\n");
    ASSERT_EQ(lines.size(), 5);
    for (const QString& line : lines) {
      EXPECT_FALSE(line.contains(u'\n') || line.contains(u'\r'));
      EXPECT_EQ(line.count(u','), columns - 1) << line.toStdString();
    }
    EXPECT_EQ(lines[0], "0,rest      ,1" + QString(columns - 3, u','));
    EXPECT_EQ(lines[2], "1,A         ,2" + QString(columns - 3, u','));
    EXPECT_TRUE(lines[3].startsWith("1.5,0,0,0,0,0,0,0,"));
    EXPECT_TRUE(lines[3].endsWith(columns == 52 ? ",-35 " : ", 12.25 ")) << lines[3].toStdString();
    EXPECT_TRUE(lines[1].endsWith(", 0 "));
  }
}

// Every value has a text of seven digits or fewer, so each must come back exactly; that
// any float's text reads back within seven digits is number_format_test's.
TEST_F(AngleFileTest, SavingAndLoadingAFullTwoHandTableGivesItBackExactlyButForCommasAndEmptySlots) {
  SignTable written = SignTable::WithHands(2);
  for (int slot = 0; slot < 257; ++slot) {
    KeyFrame k;
    k.Rate = (slot + 1) * 0.125f;
    for (int i = 0; i < 45; ++i) {
      k.RightFinger[i] = static_cast<float>(slot) - i * 1.5f;
      k.LeftFinger[i] = -k.RightFinger[i] * 3.25f;
    }
    k.RightWristPos = {static_cast<float>(slot), -2e6f, 1e-9f, 0.0f};
    k.LeftWristAngle = {123456.7f, -0.1f, 90.0f, 0.0f};
    written.Signs[slot] = {1, FixedLengthName(QString::number(slot)), {k}};
  }
  written.SignCount = 257;
  written.Signs[100] = {};  // no key frames: not saved
  written.Signs[5].Name = FixedLengthName("a,b");  // a comma would split the name's field
  written.Signs[6].Name = FixedLengthName(QString::fromUtf8("ABCDEFGH\xF0\x9F\x98\x80Z"));
  const QString path = dir.filePath("round.csv");
  ASSERT_TRUE(SaveAngleFile(written, path));
  SignTable read = SignTable::WithHands(2);
  ASSERT_TRUE(LoadAngleFile(read, path));
  EXPECT_EQ(read.SignCount, 257);
  EXPECT_EQ(read.Signs[5].Name, "a b       ");
  read.Signs[5].Name = written.Signs[5].Name;
  EXPECT_TRUE(read.Signs == written.Signs);
}
