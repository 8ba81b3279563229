#pragma once

#include "shell/interface_language.h"

#include <QString>
#include <QTranslator>

#include <memory>

// The translation of the interface's English texts into one interface language: the
// program's own (built into the program) and Qt's for its standard buttons and
// dialogs, where the system has them. English needs none.
class InterfaceTranslation {
 public:
  explicit InterfaceTranslation(InterfaceLanguage language);

  InterfaceLanguage Language() const { return language_; }
  // The text in this language, or nothing where the program's translation has none.
  QString Translate(const char* context, const char* english) const;

  // Makes this language the one every tr() of the program and of Qt answers in; the
  // windows are told by a LanguageChange event. The previous language's translators
  // are removed by the destructor of the translation that installed them.
  void Install();
  ~InterfaceTranslation();
  InterfaceTranslation(const InterfaceTranslation&) = delete;
  InterfaceTranslation& operator=(const InterfaceTranslation&) = delete;

 private:
  InterfaceLanguage language_;
  std::unique_ptr<QTranslator> program_;
  std::unique_ptr<QTranslator> qt_;
  bool installed_ = false;
};
