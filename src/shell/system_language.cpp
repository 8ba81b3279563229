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
  switch (language) {
    case SystemLanguage::Japanese: return InterfaceLanguage::Japanese;
    case SystemLanguage::Korean: return InterfaceLanguage::Korean;
    case SystemLanguage::Indonesian: return InterfaceLanguage::Indonesian;
    case SystemLanguage::English:
    case SystemLanguage::Other: break;
  }
  return InterfaceLanguage::English;
}
