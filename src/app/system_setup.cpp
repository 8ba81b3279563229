#include "app/system_setup.h"

#include "app/app_state.h"
#include "app/caption_table.h"
#include "signdata/angle_file.h"

#include <QDir>

SystemSetup SetupOfSystem(int system) {
  SystemSetup setup;
  if (system < 0 || system > 6) return setup;
  if (system == 6) return setup;  // the numerals use the JSL or KSL table already loaded

  static constexpr const char16_t* kFiles[] = {u"PositionBSL.csv", u"PositionINA.csv",
                                               u"PositionASL.csv", u"PositionASL.csv",
                                               u"PositionJSL.csv", u"PositionKSL.csv"};
  setup.FileName = QString::fromUtf16(kFiles[system]);
  setup.Table = TableLayoutOfSystem(system);
  if (system <= 3) {
    setup.Layout = SystemLayout::Alphabet;
    setup.SignLabelCaption = FirstSystemCaption + system;
  } else {
    setup.Layout = system == 4 ? SystemLayout::Jsl : SystemLayout::Ksl;
    setup.NumeralBase = NumeralBaseOfSystem(system, 0);
  }
  return setup;
}

std::optional<FileResult> LoadSystemTable(AppState& state, const QString& path) {
  if (state.HandCount != 1 && state.HandCount != 2) return std::nullopt;
  return LoadAngleFile(state, path);
}

QString LoadFailureMessage(const QString& path, const FileResult& result) {
  return QStringLiteral("Error %1: %2").arg(QDir::toNativeSeparators(path), result.reason);
}
