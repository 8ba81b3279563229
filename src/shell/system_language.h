#pragma once

#include "shell/interface_language.h"

class QLocale;

// The language of the operating system, as far as the first-run language question
// needs it: which note to mark and which option to pre-select.
enum class SystemLanguage { Japanese, English, Korean, Indonesian, Other };

// Any English, whatever the country; the C locale names no language and counts as Other.
SystemLanguage SystemLanguageOf(const QLocale& locale);

// The interface language pre-selected for a system language: the system's own where
// the program speaks it, English everywhere else.
InterfaceLanguage PreselectedLanguageOption(SystemLanguage language);
