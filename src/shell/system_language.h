#pragma once

#include <cstdint>

class QLocale;

// The language of the operating system, as far as the first-run language question
// needs it: which note to mark and which option to pre-select.
enum class SystemLanguage { Japanese, English, Korean, Indonesian, Other };

// Any English, whatever the country; the C locale names no language and counts as Other.
SystemLanguage SystemLanguageOf(const QLocale& locale);

// The option of the language window pre-selected for a system language: 1 (Japanese)
// on a Japanese system, 0 (English) everywhere else.
int16_t PreselectedLanguageOption(SystemLanguage language);
