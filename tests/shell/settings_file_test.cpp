#include "shell/settings_file.h"

#include "base/app_directory.h"
#include "support/file_contents.h"

#include <QDir>
#include <QFileInfo>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The main window's test shows the start without a settings file and the file written
// at exit, and a wrong-case fourth key; these are the reading and writing rules.
namespace {

const QByteArray kDefaultFile =
    "Message, 0 \r\n"
    "Language, 0 \r\n"
    "EnglishFont,Times New Roman, 10 \r\n"
    "JapaneseFont,System, 10 \r\n"
    "KoreanFont,Arial Unicode MS, 12 \r\n"
    "Speed, 100 \r\n"
    "Editable, 0 \r\n";

class SettingsFileTest : public ::testing::Test {
 protected:
  QString PathOf(const QString& name) const { return dir_.filePath(name); }

  QString WriteBytes(const QByteArray& bytes) const {
    const QString path = PathOf(QStringLiteral("Tovaro.ini"));
    EXPECT_TRUE(WriteFileContents(path, bytes));
    return path;
  }

  static void ExpectDefaults(const Settings& state) {
    EXPECT_EQ(state.Interface, InterfaceLanguage::English);
    EXPECT_EQ(state.System, SystemId::BritishTwoHanded);
    EXPECT_EQ(state.Fonts, DefaultFonts());
    EXPECT_EQ(state.SpeedText, "100");
    EXPECT_EQ(state.EditableCode, 0);
  }

  QTemporaryDir dir_;
};

TEST_F(SettingsFileTest, AMissingFileReadsFalseAndLeavesTheDefaults) {
  Settings state;
  EXPECT_FALSE(ReadSettings(PathOf(QStringLiteral("Tovaro.ini")), state));
  ExpectDefaults(state);

  // An empty file and a folder in its place fail the same way.
  EXPECT_FALSE(ReadSettings(WriteBytes(""), state));
  ExpectDefaults(state);
  ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("folder.ini")));
  EXPECT_FALSE(ReadSettings(PathOf(QStringLiteral("folder.ini")), state));
  ExpectDefaults(state);
}

TEST_F(SettingsFileTest, SevenCrLfLinesInFreeNumberFormAndLaterLinesOnlyWhenChosen) {
  const QString path = PathOf(QStringLiteral("Tovaro.ini"));
  // A new user moves lifelike; the described motion writes the seven lines alone, so a
  // file from before the choice reads as the motion it was played in.
  ASSERT_TRUE(WriteSettings(path, Settings()));
  EXPECT_EQ(FileContents(path), kDefaultFile + "Motion,Lifelike\r\n");
  Settings described;
  described.Motion = MotionStyle::Described;
  ASSERT_TRUE(WriteSettings(path, described));
  EXPECT_EQ(FileContents(path), kDefaultFile);
  Settings old;
  ASSERT_TRUE(ReadSettings(path, old));
  EXPECT_EQ(old.Motion, MotionStyle::Described);

  // Every value changed, each written as it reads back; a negative number takes the
  // place of the leading blank with its sign.
  Settings changed;
  changed.Interface = std::nullopt;  // asked at the next start
  changed.System = SystemId::JapaneseKana;
  changed.Fonts[JapaneseFont] = {QStringLiteral("ＭＳ ゴシック"), 14};
  changed.SpeedText = QStringLiteral("12.25");
  changed.EditableCode = 742;
  changed.Appearance = HandAppearance::Natural;
  changed.PracticeTypedAnswer = true;
  changed.PracticeShortest = 3;
  changed.PracticeLongest = 8;
  changed.ViewAzimuth = 180.1f;
  changed.ViewElevation = -15.5f;
  changed.ViewAngle = 35.0f;
  changed.LeftHanded = true;
  ASSERT_TRUE(WriteSettings(path, changed));
  EXPECT_EQ(QString::fromUtf8(FileContents(path)),
            u"Message,-1 \r\nLanguage, 4 \r\nEnglishFont,Times New Roman, 10 \r\n"
            "JapaneseFont,ＭＳ ゴシック, 14 \r\nKoreanFont,Arial Unicode MS, 12 \r\nSpeed, 12.25 \r\n"
            "Editable, 742 \r\nAppearance,Natural\r\nPracticeTyped, 1 \r\nPracticeAdapt, 0 \r\n"
            "PracticeShortest, 3 \r\nPracticeLongest, 8 \r\nView,180.1,-15.5,35\r\nLeftHanded,1\r\n"
            "Motion,Lifelike\r\n"_qs);
  Settings read;
  ASSERT_TRUE(ReadSettings(path, read));
  EXPECT_EQ(read, changed);
}

TEST_F(SettingsFileTest, NumbersAreReadLenientlyAndRoundedHalfToEven) {
  const auto readWith = [this](const QByteArray& message, const QByteArray& speed) {
    Settings state;
    QByteArray file = kDefaultFile;
    file.replace("Message, 0 ", "Message," + message);
    file.replace("Speed, 100 ", "Speed," + speed);
    EXPECT_TRUE(ReadSettings(WriteBytes(file), state)) << file.constData();
    return state;
  };
  // Halves to even and text after the number as number_format_test shows for every reader.
  // -1 asks for the language at the next start; 2 is Korean and 3 Indonesian; a language
  // the program has no captions for reads as English.
  EXPECT_EQ(readWith(" 0.5 ", " 1.5 ").Interface, InterfaceLanguage::English);
  EXPECT_EQ(readWith(" 1.4 ", " 1.5 ").Interface, InterfaceLanguage::Japanese);
  EXPECT_EQ(readWith(" -0.6 ", " 1.5 ").Interface, std::nullopt);
  EXPECT_EQ(readWith(" 2.5 ", " 1.5 ").Interface, InterfaceLanguage::Korean);
  EXPECT_EQ(readWith(" 3 ", " 1.5 ").Interface, InterfaceLanguage::Indonesian);
  EXPECT_EQ(readWith(" 4 ", " 1.5 ").Interface, InterfaceLanguage::English);
  EXPECT_EQ(readWith("abc", " 1 ").Interface, InterfaceLanguage::English);
  // Each language is written as the number it is read as, Korean and Indonesian too.
  for (const InterfaceLanguage language : kInterfaceLanguages) {
    Settings chosen;
    chosen.Interface = language;
    const QString path = PathOf(QStringLiteral("language.ini"));
    ASSERT_TRUE(WriteSettings(path, chosen));
    Settings back;
    EXPECT_TRUE(ReadSettings(path, back));
    EXPECT_EQ(back.Interface, language);
    EXPECT_TRUE(SettingsText(chosen).startsWith(
        QStringLiteral("Message, %1 \r\n").arg(InterfaceLanguageNumber(language))));
  }

  // The speed box receives the number in its plain form, without blanks.
  EXPECT_EQ(readWith(" 0 ", " 1.5 ").SpeedText, "1.5");
  EXPECT_EQ(readWith(" 0 ", " 12abc").SpeedText, "12");
  EXPECT_EQ(readWith(" 0 ", " 40000 ").SpeedText, "40000");
  EXPECT_EQ(readWith(" 0 ", "").SpeedText, "0");

  // The speed box's text is written as the number it reads as.
  Settings state;
  state.SpeedText = QStringLiteral("12abc");
  EXPECT_TRUE(SettingsText(state).contains(u"\r\nSpeed, 12 \r\n"));
  state.SpeedText = QStringLiteral("");
  EXPECT_TRUE(SettingsText(state).contains(u"\r\nSpeed, 0 \r\n"));
  state.SpeedText = QStringLiteral("-3");
  EXPECT_TRUE(SettingsText(state).contains(u"\r\nSpeed,-3 \r\n"));
  // A number too large for a double is written as the largest that still reads back.
  state.SpeedText = QStringLiteral("1e999");
  EXPECT_TRUE(SettingsText(state).contains(u"\r\nSpeed, 1E+308 \r\n"));
}

TEST_F(SettingsFileTest, FieldsLoseOnlyTheBlanksAroundThem) {
  Settings state;
  const QString path = WriteBytes(
      "  Message ,    1 \r\n"
      "Language,             2\n"                      // a bare LF ends a line as well
      "EnglishFont,  Times  New Roman  ,  9 \r\n"
      "JapaneseFont,\tIPA Mincho,10\r\n"
      "\r\n"                                           // a blank line holds no field
      "KoreanFont,Un Dotum, 12 \r\n"
      "Speed, 7.5 \r"                                  // and so does a bare CR
      "Editable, 3 ");                                  // no line end at the very end
  ASSERT_TRUE(ReadSettings(path, state));
  EXPECT_EQ(state.Interface, InterfaceLanguage::Japanese);
  EXPECT_EQ(state.System, SystemId::American);
  EXPECT_EQ(state.Fonts[EnglishFont].Name, "Times  New Roman");
  EXPECT_EQ(state.Fonts[EnglishFont].Size, 9);
  EXPECT_EQ(state.Fonts[JapaneseFont].Name, "IPA Mincho");
  EXPECT_EQ(state.Fonts[KoreanFont].Name, "Un Dotum");
  EXPECT_EQ(state.SpeedText, "7.5");
  EXPECT_EQ(state.EditableCode, 3);

  // Blanks at the start or end of a font name do not survive the round trip.
  Settings padded;
  padded.Fonts[KoreanFont].Name = QStringLiteral("  Nanum  Gothic  ");
  ASSERT_TRUE(WriteSettings(path, padded));
  Settings back;
  ASSERT_TRUE(ReadSettings(path, back));
  EXPECT_EQ(back.Fonts[KoreanFont].Name, "Nanum  Gothic");
}

TEST_F(SettingsFileTest, AFileEndingEarlyKeepsWhatWasReadBeforeTheEnd) {
  Settings state;
  EXPECT_FALSE(ReadSettings(WriteBytes("Message, 1 \r\nLanguage, 2 \r\nEnglishFont,Georgia"), state));
  EXPECT_EQ(state.Interface, InterfaceLanguage::Japanese);
  EXPECT_EQ(state.System, SystemId::American);
  EXPECT_EQ(state.Fonts[EnglishFont].Name, "Georgia");
  EXPECT_EQ(state.Fonts[EnglishFont].Size, 10);

  // Extra fields shift the keys out of step.
  Settings shifted;
  QByteArray file = kDefaultFile;
  file.replace("Language, 0 ", "Language, 1, 2 ");
  EXPECT_FALSE(ReadSettings(WriteBytes(file), shifted));
  EXPECT_EQ(shifted.System, SystemId::IndonesianTwoHanded);
  EXPECT_EQ(shifted.Fonts, DefaultFonts());
}

TEST_F(SettingsFileTest, ValuesTheProgramCannotUseAreRefusedOrReplaced) {
  // A number beyond 16 bits stops the reading like a missing one.
  Settings overflow;
  QByteArray file = kDefaultFile;
  file.replace("Editable, 0 ", "Editable, 40000 ");
  EXPECT_FALSE(ReadSettings(WriteBytes(file), overflow));
  EXPECT_EQ(overflow.EditableCode, 0);

  Settings infinite;
  file = kDefaultFile;
  file.replace("Speed, 100 ", "Speed, 1e999 ");
  EXPECT_FALSE(ReadSettings(WriteBytes(file), infinite));
  EXPECT_EQ(infinite.SpeedText, "100");

  // A system the user cannot choose falls back to BSL; a font needs a positive size.
  Settings replaced;
  file = kDefaultFile;
  file.replace("Language, 0 ", "Language, 9 ");
  file.replace("JapaneseFont,System, 10 ", "JapaneseFont,IPAGothic, 0 ");
  file.replace("KoreanFont,Arial Unicode MS, 12 ", "KoreanFont,Baekmuk,-4 ");
  EXPECT_TRUE(ReadSettings(WriteBytes(file), replaced));
  EXPECT_EQ(replaced.System, SystemId::BritishTwoHanded);
  EXPECT_EQ(replaced.Fonts[JapaneseFont], (FontDescription{QStringLiteral("IPAGothic"), 10}));
  EXPECT_EQ(replaced.Fonts[KoreanFont], (FontDescription{QStringLiteral("Baekmuk"), 12}));
  // Nor are the numerals a choice: they are switched on beside JSL or KSL.
  Settings numerals;
  file = kDefaultFile;
  file.replace("Language, 0 ", "Language, 6 ");
  EXPECT_TRUE(ReadSettings(WriteBytes(file), numerals));
  EXPECT_EQ(numerals.System, SystemId::BritishTwoHanded);

  // A comma or line break in a font name would shift every later field.
  Settings odd;
  odd.Fonts[EnglishFont].Name = QStringLiteral("Odd, Font\r\nName");
  const QString path = PathOf(QStringLiteral("odd.ini"));
  ASSERT_TRUE(WriteSettings(path, odd));
  Settings back;
  EXPECT_TRUE(ReadSettings(path, back));
  EXPECT_EQ(back.Fonts[EnglishFont].Name, "Odd FontName");
}

// A font of 32767 points made a window taller than any framebuffer, and the size was
// written back at exit, so every later start was broken too.
TEST_F(SettingsFileTest, FontSizesAreKeptBetweenSixAndSeventyTwo) {
  const struct {
    const char* stored;
    int16_t kept;
  } cases[] = {{"32767", 72}, {"73", 72}, {"72", 72}, {"12", 12}, {"6", 6}, {"5", 6}, {"1", 6}, {"0", 10}};
  for (const auto& [stored, kept] : cases) {
    QByteArray file = kDefaultFile;
    file.replace("EnglishFont,Times New Roman, 10 ", "EnglishFont,Times New Roman, " + QByteArray(stored) + " ");
    Settings state;
    EXPECT_TRUE(ReadSettings(WriteBytes(file), state)) << stored;
    EXPECT_EQ(state.Fonts[EnglishFont].Size, kept) << stored;
  }
}

TEST_F(SettingsFileTest, AnOlderShiftJisFileIsRead) {
  QByteArray file = kDefaultFile;
  QStringEncoder toShiftJis("Shift_JIS");
  ASSERT_TRUE(toShiftJis.isValid());
  file.replace("JapaneseFont,System", "JapaneseFont," + QByteArray(toShiftJis(u"ＭＳ 明朝")));
  Settings state;
  ASSERT_TRUE(ReadSettings(WriteBytes(file), state));
  EXPECT_EQ(state.Fonts[JapaneseFont].Name, QStringLiteral("ＭＳ 明朝"));
}

// A failed write (missing or read-only folder, full disk) is tested with every other
// writer of the user's files in gl/writer_failure_test.cpp.
TEST(AppDirectory, IsTheFolderOfTheProgramWithATrailingSlash) {
  const QString directory = AppDirectory();
  ASSERT_TRUE(directory.endsWith(u'/'));
  EXPECT_EQ(QFileInfo(directory).canonicalFilePath(),
            QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath());
  EXPECT_EQ(SettingsFilePath(), directory + "Tovaro.ini");
}

}  // namespace

// The later lines: the Natural hands, the view, the mirror and the practice options,
// each on a line of its own after the seven, in any order; seven lines read as before.
TEST_F(SettingsFileTest, LaterLinesAreReadInAnyOrderAndWhatIsMissingIsTheDefault) {
  const struct {
    QByteArray extraLines;
    float azimuth, elevation, angle;
    bool leftHanded;
    HandAppearance appearance;
  } cases[] = {
      {"", 0.1f, 20.0f, 40.0f, false, HandAppearance::Classic},
      {"Appearance,Natural\r\n", 0.1f, 20.0f, 40.0f, false, HandAppearance::Natural},
      {"Appearance, Natural \r\n", 0.1f, 20.0f, 40.0f, false, HandAppearance::Natural},
      {"Appearance,Classic\r\n", 0.1f, 20.0f, 40.0f, false, HandAppearance::Classic},
      {"Appearance,Shiny\r\n", 0.1f, 20.0f, 40.0f, false, HandAppearance::Classic},
      {"Appearance\r\n", 0.1f, 20.0f, 40.0f, false, HandAppearance::Classic},
      {"View,180.1,25,30\r\n", 180.1f, 25.0f, 30.0f, false, HandAppearance::Classic},
      {"Appearance,Natural\r\nView,90.1,10,40\r\nLeftHanded,1\r\n", 90.1f, 10.0f, 40.0f, true,
       HandAppearance::Natural},
      {"LeftHanded,1\r\n", 0.1f, 20.0f, 40.0f, true, HandAppearance::Classic},
      // Out of range: the elevation and the field of view are kept within their limits.
      {"View,720.5,200,0\r\n", 0.5f, 90.0f, 5.0f, false, HandAppearance::Classic},
      // Incomplete: the start-up view. Numbers are read leniently, as on every line.
      {"View,10,20\r\n", 0.1f, 20.0f, 40.0f, false, HandAppearance::Classic},
      {"View,12abc,-3x,50 deg\r\n", 12.0f, -3.0f, 50.0f, false, HandAppearance::Classic},
      // A field that is not a finite number keeps its start-up value, the others are read.
      {"View,a,b,c\r\nLeftHanded,1\r\n", 0.1f, 20.0f, 40.0f, true, HandAppearance::Classic},
      {"View, nan, inf, -inf\r\n", 0.1f, 20.0f, 40.0f, false, HandAppearance::Classic},
      {"View,nan,30,1e999\r\n", 0.1f, 30.0f, 40.0f, false, HandAppearance::Classic},
      {"View,90,-inf,60\r\n", 90.0f, 20.0f, 60.0f, false, HandAppearance::Classic},
      // An unknown key is passed over with its value.
      {"Unknown,1\r\nLeftHanded,1\r\n", 0.1f, 20.0f, 40.0f, true, HandAppearance::Classic},
      {"PracticeTyped, 1 \r\nAppearance,Natural\r\n", 0.1f, 20.0f, 40.0f, false, HandAppearance::Natural},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.extraLines.constData());
    Settings read;
    read.Appearance = HandAppearance::Natural;  // a missing line sets the default
    EXPECT_TRUE(ReadSettings(WriteBytes(kDefaultFile + c.extraLines), read));
    EXPECT_FLOAT_EQ(read.ViewAzimuth, c.azimuth);
    EXPECT_FLOAT_EQ(read.ViewElevation, c.elevation);
    EXPECT_FLOAT_EQ(read.ViewAngle, c.angle);
    EXPECT_EQ(read.LeftHanded, c.leftHanded);
    EXPECT_EQ(read.Appearance, c.appearance);
    EXPECT_EQ(read.PracticeTypedAnswer, c.extraLines.startsWith("PracticeTyped"));
    read.Appearance = HandAppearance::Classic;
    ExpectDefaults(read);
  }

  // A practice value out of range is passed over.
  Settings odd;
  ASSERT_TRUE(ReadSettings(WriteBytes(kDefaultFile + "PracticeTyped, 7 \r\nPracticeLongest, 99 \r\n"
                                                     "PracticeAdapt, 1 \r\n"),
                           odd));
  EXPECT_FALSE(odd.PracticeTypedAnswer);
  EXPECT_EQ(odd.PracticeLongest, 0);
  EXPECT_TRUE(odd.PracticeAdaptSpeed);
}
