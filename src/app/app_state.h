#pragma once

#include "app/font_description.h"
#include "app/view_state.h"
#include "hand/cmano.h"
#include "signdata/sign_table.h"

#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

// One step of a spelled word: the sign table slot to show and the converter's extra
// movement for it (0 for none).
struct SignStep {
  int16_t Code = 0;
  int16_t Modifier = 0;

  friend bool operator==(const SignStep&, const SignStep&) = default;
};

// The application-wide state. main creates one and passes it by reference; nothing
// else in the program is mutable and global.
struct AppState {
  AppState();

  // The hand shapes of the loaded system and the layout of its angle data file.
  SignTableSlots SignTable;
  int16_t SignCount = 0;
  int16_t ColumnCount = 0;
  int16_t HandCount = 0;
  int16_t NumeralBase = 0;

  // Slots 0 and 1 hold the right and left hand; slot 2 is never filled.
  std::array<std::unique_ptr<CMano>, 3> Hands;

  // The system the user chose (0..5); the alphabet converter reads it for the T rule.
  int16_t SystemIndex = 0;

  // The word being spelled. It grows as the text needs; only the first
  // SignSequenceCount entries are meaningful.
  std::vector<SignStep> SignSequence;
  int SignSequenceCount = 0;

  ViewState View;

  // Frame recording: every animation step is saved while RecordMode is on.
  bool RecordMode = false;
  int32_t FrameCounter = 0;
  QString CaptureFolder;
  QString RecordFolder;

  // The interface and system settings, kept from run to run in the settings file.
  // InterfaceLanguage: -1 not chosen yet (the next start asks), 0 English, 1 Japanese.
  int16_t InterfaceLanguage = 0;
  // True while the numerals are spelled through the Numeric box; SystemIndex stays 4 or 5.
  bool NumericMode = false;
  // KSL: False types romanized Korean into the word box, True types Hangul directly.
  bool HangulMode = false;
  // Exactly 742 shows the Edit and Bitmap menus.
  int16_t EditableCode = 0;
  // English, Japanese and Korean font, indexed by FontIndex.
  std::array<FontDescription, 3> Fonts = DefaultFonts();
  // The text of the speed box, in percent; the window's box mirrors it and it is read
  // as a number only when a word is spelled or the settings are written.
  QString SpeedText = QStringLiteral("100");
};
