#include "shell/settings_file.h"

#include "base/app_directory.h"
#include "base/file_replacement.h"
#include "base/number_format.h"
#include "base/text_decoding.h"
#include "base/regular_file_reading.h"
#include "playback/move_script.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace {

constexpr QStringView kLineEnd = u"\r\n";
constexpr std::array<QStringView, 3> kFontKeys{u"EnglishFont", u"JapaneseFont", u"KoreanFont"};

constexpr QStringView kAppearanceKey = u"Appearance";
constexpr QStringView kNaturalValue = u"Natural";
constexpr QStringView kViewKey = u"View";
constexpr QStringView kLeftHandedKey = u"LeftHanded";
constexpr QStringView kMotionKey = u"Motion";
constexpr QStringView kLifelikeValue = u"Lifelike";
constexpr QStringView kKanaInputKey = u"KanaInput";
constexpr QStringView kJapaneseInputValue = u"Japanese";
constexpr QStringView kRomajiInputValue = u"Romaji";

constexpr qint64 kLongestSettingsFile = 1 << 20;

// The "Message" value of an interface language not chosen yet.
constexpr int16_t kLanguageNotChosen = -1;

// The largest speed that still reads back as a finite number.
constexpr double kLargestSpeed = 1e308;

// The fields in the order a record reader meets them: a field ends at a comma or at a
// line end, blanks around it do not count, and blank lines hold no field.
// The longest word the practice length range offers, in signs.
constexpr int kLongestPracticeWord = 31;

class FieldStream {
 public:
  explicit FieldStream(QStringView text) {
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
      const bool atEnd = i == text.size();
      if (!atEnd && text[i] != u'\r' && text[i] != u'\n') continue;
      AddLine(text.sliced(lineStart, i - lineStart));
      if (!atEnd && text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
      lineStart = i + 1;
    }
  }

  std::optional<QString> Next() {
    if (next_ >= fields_.size()) return std::nullopt;
    return fields_[next_++];
  }

 private:
  void AddLine(QStringView line) {
    if (line.trimmed().isEmpty()) return;
    for (QStringView field : line.split(u','))
      fields_.push_back(field.trimmed().toString());
  }

  std::vector<QString> fields_;
  size_t next_ = 0;
};

// Keeps a name on one field of one line: a family name never holds a comma or a line
// break, and one that did would shift every later field of the file.
QString WritableFontName(const QString& name) {
  QString clean = name;
  clean.remove(u',').remove(u'\r').remove(u'\n');
  return clean;
}

double SpeedValue(const QString& speedText) {
  const double speed = LenientNumber(speedText);
  if (std::isnan(speed)) return 0.0;
  return std::clamp(speed, -kLargestSpeed, kLargestSpeed);
}

QString Line(QStringView key, const QString& value) {
  return key.toString() + u',' + value + kLineEnd.toString();
}

}  // namespace

QString SettingsFilePath() { return AppDirectory() + kSettingsFileName; }

bool ReadSettings(const QString& path, Settings& settings) {
  // Seven short lines: anything that is not a regular file of at most a mebibyte is
  // not a settings file (and a FIFO would block the start for ever).
  const auto bytes = ReadRegularFile(path, kLongestSettingsFile);
  if (!std::holds_alternative<QByteArray>(bytes)) return false;
  return ReadSettingsText(DecodeTextFile(std::get<QByteArray>(bytes)), settings);
}

bool ReadSettingsText(const QString& text, Settings& settings) {
  FieldStream fields(text);
  const auto key = [&fields](QStringView expected) {
    const std::optional<QString> field = fields.Next();
    return field && *field == expected;
  };
  // A number that does not fit 16 bits is as much a fault of the file as a missing one.
  const auto integer = [&fields]() -> std::optional<int16_t> {
    const std::optional<QString> field = fields.Next();
    if (!field) return std::nullopt;
    return RoundToInt16(LenientNumber(*field));
  };

  if (!key(u"Message")) return false;
  const std::optional<int16_t> language = integer();
  if (!language) return false;
  // -1 asks at the next start; a language the program has no captions for would leave
  // every caption empty, so it reads as English.
  if (*language == kLanguageNotChosen)
    settings.Interface = std::nullopt;
  else
    settings.Interface = InterfaceLanguageFromNumber(*language).value_or(InterfaceLanguage::English);

  if (!key(u"Language")) return false;
  const std::optional<int16_t> system = integer();
  if (!system) return false;
  // The user chooses among systems 0..5; anything else reads as the first.
  settings.System = ChoosableSystemFromNumber(*system).value_or(SystemId::BritishTwoHanded);

  const std::array<FontDescription, 3> defaults = DefaultFonts();
  for (size_t i = 0; i < kFontKeys.size(); ++i) {
    if (!key(kFontKeys[i])) return false;
    const std::optional<QString> name = fields.Next();
    if (!name) return false;
    settings.Fonts[i].Name = *name;
    const std::optional<int16_t> size = integer();
    if (!size) return false;
    // A font needs a positive size; a huge one would make a window too large to draw
    // into, and the size would be written back at the end, breaking every later start.
    settings.Fonts[i].Size = *size >= 1 ? KeptFontSize(*size) : defaults[i].Size;
  }

  if (!key(u"Speed")) return false;
  const std::optional<QString> speedField = fields.Next();
  if (!speedField) return false;
  const double speed = LenientNumber(*speedField);
  if (!std::isfinite(speed)) return false;
  settings.SpeedText = ShortestDoubleText(speed);

  if (!key(u"Editable")) return false;
  const std::optional<int16_t> editable = integer();
  if (!editable) return false;
  settings.EditableCode = *editable;

  // Optional lines after the seven, each a key and its values, in any order: the
  // hands' appearance, the view, the mirror and the practice options. A file without
  // them keeps the defaults, a faulty value keeps the default, and an unknown key is
  // passed over with its value.
  settings.Appearance = HandAppearance::Classic;
  settings.Motion = MotionStyle::Described;
  settings.Kana = std::nullopt;
  while (const std::optional<QString> extra = fields.Next()) {
    if (*extra == kAppearanceKey) {
      if (fields.Next() == kNaturalValue.toString()) settings.Appearance = HandAppearance::Natural;
    } else if (*extra == kViewKey) {
      // Each angle on its own: a word such as "nan" or "inf", or a number too large
      // for a double, keeps that angle's start-up value, where reading it as 0 would
      // clamp the field of view to its narrowest and draw a black picture that is then
      // written back. A line missing a field keeps the whole start-up view.
      std::array<std::optional<double>, 3> angles{};
      bool complete = true;
      for (std::optional<double>& angle : angles) {
        const std::optional<QString> field = fields.Next();
        complete = complete && field.has_value();
        if (!field || !StartsWithNumber(*field)) continue;
        const double number = LenientNumber(*field);
        if (std::isfinite(number)) angle = number;
      }
      if (complete) {
        if (angles[0]) settings.ViewAzimuth = static_cast<float>(std::fmod(*angles[0], 360.0));
        if (angles[1]) settings.ViewElevation = static_cast<float>(std::clamp(*angles[1], -90.0, 90.0));
        if (angles[2]) settings.ViewAngle = static_cast<float>(std::clamp(*angles[2], 5.0, 170.0));
      }
    } else if (*extra == kLeftHandedKey) {
      settings.LeftHanded = fields.Next() == QStringLiteral("1");
    } else if (*extra == kMotionKey) {
      if (fields.Next() == kLifelikeValue.toString()) settings.Motion = MotionStyle::Lifelike;
    } else if (*extra == kKanaInputKey) {
      const std::optional<QString> value = fields.Next();
      if (value == kJapaneseInputValue.toString()) settings.Kana = KanaInput::Japanese;
      else if (value == kRomajiInputValue.toString()) settings.Kana = KanaInput::Romaji;
    } else {
      const std::optional<QString> text = fields.Next();
      if (!text) break;
      const std::optional<int16_t> value = RoundToInt16(LenientNumber(*text));
      if (!value) continue;
      const bool flag = *value == 0 || *value == 1;
      const bool length = *value >= 0 && *value <= kLongestPracticeWord;
      if (*extra == u"PracticeTyped" && flag) settings.PracticeTypedAnswer = *value == 1;
      else if (*extra == u"PracticeAdapt" && flag) settings.PracticeAdaptSpeed = *value == 1;
      else if (*extra == u"PracticeShortest" && length) settings.PracticeShortest = *value;
      else if (*extra == u"PracticeLongest" && length) settings.PracticeLongest = *value;
    }
  }
  return true;
}

QString SettingsText(const Settings& settings) {
  QString text;
  const int16_t language = settings.Interface ? InterfaceLanguageNumber(*settings.Interface) : kLanguageNotChosen;
  text += Line(u"Message", FreeDoubleNumberForm(language));
  text += Line(u"Language", FreeDoubleNumberForm(SystemNumber(settings.System)));
  for (size_t i = 0; i < kFontKeys.size(); ++i) {
    text += Line(kFontKeys[i], WritableFontName(settings.Fonts[i].Name) + u',' +
                                   FreeDoubleNumberForm(settings.Fonts[i].Size));
  }
  text += Line(u"Speed", FreeDoubleNumberForm(SpeedValue(settings.SpeedText)));
  text += Line(u"Editable", FreeDoubleNumberForm(settings.EditableCode));
  if (settings.Appearance == HandAppearance::Natural)
    text += Line(kAppearanceKey, kNaturalValue.toString());
  const Settings defaults;
  if (settings.PracticeTypedAnswer != defaults.PracticeTypedAnswer ||
      settings.PracticeAdaptSpeed != defaults.PracticeAdaptSpeed ||
      settings.PracticeShortest != defaults.PracticeShortest || settings.PracticeLongest != defaults.PracticeLongest) {
    text += Line(u"PracticeTyped", FreeDoubleNumberForm(settings.PracticeTypedAnswer ? 1 : 0));
    text += Line(u"PracticeAdapt", FreeDoubleNumberForm(settings.PracticeAdaptSpeed ? 1 : 0));
    text += Line(u"PracticeShortest", FreeDoubleNumberForm(settings.PracticeShortest));
    text += Line(u"PracticeLongest", FreeDoubleNumberForm(settings.PracticeLongest));
  }
  if (settings.ViewAzimuth != defaults.ViewAzimuth || settings.ViewElevation != defaults.ViewElevation ||
      settings.ViewAngle != defaults.ViewAngle) {
    const auto angle = [](float value) { return QString::fromStdString(ShortestDecimal(value)); };
    text += Line(kViewKey, angle(settings.ViewAzimuth) + u',' + angle(settings.ViewElevation) + u',' +
                               angle(settings.ViewAngle));
  }
  if (settings.LeftHanded) text += Line(kLeftHandedKey, QStringLiteral("1"));
  if (settings.Motion == MotionStyle::Lifelike) text += Line(kMotionKey, kLifelikeValue.toString());
  if (settings.Kana)
    text += Line(kKanaInputKey,
                 (*settings.Kana == KanaInput::Japanese ? kJapaneseInputValue : kRomajiInputValue).toString());
  return text;
}

bool WriteSettings(const QString& path, const Settings& settings) {
  return ReplaceFile(path, SettingsText(settings).toUtf8());
}
