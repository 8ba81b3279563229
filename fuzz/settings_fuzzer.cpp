// Any bytes as a settings file. Whatever is read must be usable (a system the user can
// choose, font sizes the windows are laid out for), and a file written from it must
// read back whole with the same values.
#include "shell/settings_file.h"
#include "base/text_decoding.h"

#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto state = std::make_unique<Settings>();
  ReadSettingsText(
      DecodeTextFile(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size))),
      *state);
  if (!IsChoosableSystem(state->System)) std::abort();
  for (const FontDescription& font : state->Fonts)
    if (font.Size < kSmallestFontSize || font.Size > kLargestFontSize) std::abort();

  const QString written = SettingsText(*state);
  auto back = std::make_unique<Settings>();
  if (!ReadSettingsText(written, *back)) std::abort();
  if (back->Interface != state->Interface || back->System != state->System ||
      back->EditableCode != state->EditableCode || SettingsText(*back) != written)
    std::abort();
  return 0;
}
