#include "shell/settings_file.h"

#include "base/app_directory.h"
#include "base/file_replacement.h"
#include "base/number_format.h"
#include "base/text_decoding.h"
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

constexpr qint64 kLongestSettingsFile = 1 << 20;

// The largest speed that still reads back as a finite number.
constexpr double kLargestSpeed = 1e308;

// The fields in the order a record reader meets them: a field ends at a comma or at a
// line end, blanks around it do not count, and blank lines hold no field.
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
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  // Seven short lines; whatever lies beyond the first mebibyte is not read at all.
  const QByteArray bytes = file.read(kLongestSettingsFile);
  if (file.error() != QFileDevice::NoError) return false;
  file.close();

  FieldStream fields(DecodeTextFile(bytes));
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
  settings.InterfaceLanguage = *language;

  if (!key(u"Language")) return false;
  const std::optional<int16_t> system = integer();
  if (!system) return false;
  // The user chooses among systems 0..5; anything else would index past the tables.
  settings.SystemIndex = (*system >= 0 && *system <= 5) ? *system : int16_t{0};

  const std::array<FontDescription, 3> defaults = DefaultFonts();
  for (size_t i = 0; i < kFontKeys.size(); ++i) {
    if (!key(kFontKeys[i])) return false;
    const std::optional<QString> name = fields.Next();
    if (!name) return false;
    settings.Fonts[i].Name = *name;
    const std::optional<int16_t> size = integer();
    if (!size) return false;
    // A font needs a positive size; the font window refuses anything else.
    settings.Fonts[i].Size = *size >= 1 ? *size : defaults[i].Size;
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

  // Optional lines after the seven, each a key and its values, in any order; reading
  // stops at the first one not known, and a faulty value keeps the default.
  settings.Appearance = HandAppearance::Classic;
  while (const std::optional<QString> extra = fields.Next()) {
    if (*extra == kAppearanceKey) {
      if (fields.Next() == kNaturalValue.toString()) settings.Appearance = HandAppearance::Natural;
    } else if (*extra == kViewKey) {
      std::array<double, 3> angles{};
      bool complete = true;
      for (double& angle : angles) {
        const std::optional<QString> field = fields.Next();
        angle = field ? LenientNumber(*field) : std::nan("");
        complete = complete && std::isfinite(angle);
      }
      if (complete) {
        settings.ViewAzimuth = static_cast<float>(std::fmod(angles[0], 360.0));
        settings.ViewElevation = static_cast<float>(std::clamp(angles[1], -90.0, 90.0));
        settings.ViewAngle = static_cast<float>(std::clamp(angles[2], 5.0, 170.0));
      }
    } else if (*extra == kLeftHandedKey) {
      settings.LeftHanded = fields.Next() == QStringLiteral("1");
    } else {
      break;
    }
  }
  return true;
}

QString SettingsText(const Settings& settings) {
  QString text;
  text += Line(u"Message", FreeDoubleNumberForm(settings.InterfaceLanguage));
  text += Line(u"Language", FreeDoubleNumberForm(settings.SystemIndex));
  for (size_t i = 0; i < kFontKeys.size(); ++i) {
    text += Line(kFontKeys[i], WritableFontName(settings.Fonts[i].Name) + u',' +
                                   FreeDoubleNumberForm(settings.Fonts[i].Size));
  }
  text += Line(u"Speed", FreeDoubleNumberForm(SpeedValue(settings.SpeedText)));
  text += Line(u"Editable", FreeDoubleNumberForm(settings.EditableCode));
  if (settings.Appearance == HandAppearance::Natural)
    text += Line(kAppearanceKey, kNaturalValue.toString());
  const Settings defaults;
  if (settings.ViewAzimuth != defaults.ViewAzimuth || settings.ViewElevation != defaults.ViewElevation ||
      settings.ViewAngle != defaults.ViewAngle) {
    const auto angle = [](float value) { return QString::fromStdString(ShortestDecimal(value)); };
    text += Line(kViewKey, angle(settings.ViewAzimuth) + u',' + angle(settings.ViewElevation) + u',' +
                               angle(settings.ViewAngle));
  }
  if (settings.LeftHanded) text += Line(kLeftHandedKey, QStringLiteral("1"));
  return text;
}

bool WriteSettings(const QString& path, const Settings& settings) {
  return ReplaceFile(path, SettingsText(settings).toUtf8());
}
