#pragma once

#include "shell/settings.h"

#include <QString>

// The settings file keeps the interface language, the system, the three fonts, the
// speed and the editing code from one run to the next. It lives beside the program.
inline const QString kSettingsFileName = QStringLiteral("Tovaro.ini");

// The settings file beside the program: AppDirectory() followed by "Tovaro.ini".
QString SettingsFilePath();

// Reads the seven settings lines into `settings`. True when all seven were read with
// the expected keys; on False every value read before the fault is kept and the rest
// keep what `settings` held (the defaults at start-up). An eighth line
// "Appearance,Natural" after the seven remembers the Natural hands; without it, or with
// any other value, the hands are Classic. Lines after it keep the view
// ("View,<azimuth>,<elevation>,<field of view>"), the mirror ("LeftHanded,1") and the
// practice options, each written only when it differs from the start-up value. A file
// that is not a regular file of at most a mebibyte is not read.
bool ReadSettings(const QString& path, Settings& settings);

// The same for the text of a settings file. Font sizes are kept within 6..72.
bool ReadSettingsText(const QString& text, Settings& settings);

// Writes the seven settings lines. The file is replaced only once it is complete, so a
// failed write keeps the previous file whole. True when the file was written.
bool WriteSettings(const QString& path, const Settings& settings);

// The text WriteSettings puts into the file: seven lines ending in CR LF, numbers in
// free number form.
QString SettingsText(const Settings& settings);
