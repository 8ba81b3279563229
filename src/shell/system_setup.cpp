#include "shell/system_setup.h"

#include "convert/fingerspelling_system.h"
#include "convert/system_registry.h"
#include "shell/caption_table.h"
#include "signdata/angle_file.h"

#include <QCoreApplication>
#include <QDir>

SystemSetup SetupOfSystem(SystemId system) {
  SystemSetup setup;
  const FingerspellingSystem* found = &FindSystem(system);
  // The numerals use the JSL or KSL table already loaded.
  if (found->Input() == InputFamily::Numerals) return setup;

  setup.FileName = found->DataFileName();
  setup.TableHands = found->HandCount();
  setup.NumeralBase = found->NumeralBase();
  switch (found->Input()) {
    case InputFamily::Alphabet:
      setup.Layout = SystemLayout::Alphabet;
      setup.SignLabelCaption = SystemCaptionRow(system);
      break;
    case InputFamily::Kana: setup.Layout = SystemLayout::Jsl; break;
    case InputFamily::Hangul: setup.Layout = SystemLayout::Ksl; break;
    case InputFamily::Numerals: break;
  }
  return setup;
}

QString LoadFailureMessage(const QString& path, const FileResult& result) {
  return QCoreApplication::translate("Messages", "Error %1: %2").arg(QDir::toNativeSeparators(path), result.reason);
}
