#pragma once

#include "hand/hand_appearance.h"
#include "convert/system_id.h"
#include "playback/motion_style.h"
#include "shell/font_description.h"
#include "shell/interface_language.h"
#include "shell/kana_input.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// What the desktop program keeps from one run to the next in its settings file.
struct Settings {
  // Nothing while not chosen yet: the next start asks.
  std::optional<InterfaceLanguage> Interface = InterfaceLanguage::English;
  // The system the user chose, never the numerals (IsChoosableSystem): they are
  // reached through JSL or KSL.
  SystemId System = SystemId::BritishTwoHanded;
  // English, Japanese and Korean font, indexed by FontIndex.
  std::array<FontDescription, 3> Fonts = DefaultFonts();
  // The text of the speed box, in percent; read as a number only when a word is
  // spelled or the settings are written.
  QString SpeedText = QStringLiteral("100");
  // Exactly 742 shows the Edit and Bitmap menus.
  int16_t EditableCode = 0;
  // How the hands are drawn; kept on an eighth line only for the Natural hands, so a
  // file of seven lines reads as Classic and a Classic file stays as it always was.
  HandAppearance Appearance = HandAppearance::Classic;
  // The camera as the user left it: azimuth, elevation and field of view in degrees.
  // Kept on a "View" line only when it differs from the start-up view.
  float ViewAzimuth = 0.1f;
  float ViewElevation = 20.0f;
  float ViewAngle = 40.0f;
  // Every sign shown as a left-handed signer makes it; a "LeftHanded" line when set.
  bool LeftHanded = false;
  // How the hands move: lifelike for a new user; a "Motion" line only for the lifelike
  // motion, so a file without one (every file written before there was a choice)
  // reads as the described motion it was played in, and stays as it was.
  MotionStyle Motion = MotionStyle::Lifelike;
  // How JSL words are typed; nothing follows the interface language (DefaultKanaInput),
  // as the program did before this was a choice. A "KanaInput" line only once chosen.
  std::optional<KanaInput> Kana;

  // The practice options, kept on lines after the seven above (written only when one
  // differs from its default, so older files and older readers see no change): the
  // typed answer, the adapted speed, and the word length range in signs (0: no bound).
  bool PracticeTypedAnswer = false;
  bool PracticeAdaptSpeed = false;
  int16_t PracticeShortest = 0;
  int16_t PracticeLongest = 0;

  friend bool operator==(const Settings&, const Settings&) = default;
};
