#include "shell/system_language.h"

#include <QLocale>

SystemLanguage SystemLanguageOf(const QLocale& locale) {
  switch (locale.language()) {
    case QLocale::Japanese: return SystemLanguage::Japanese;
    case QLocale::English: return SystemLanguage::English;
    case QLocale::Korean: return SystemLanguage::Korean;
    case QLocale::Indonesian: return SystemLanguage::Indonesian;
    default: return SystemLanguage::Other;
  }
}

InterfaceLanguage PreselectedLanguageOption(SystemLanguage language) {
  return language == SystemLanguage::Japanese ? InterfaceLanguage::Japanese : InterfaceLanguage::English;
}
