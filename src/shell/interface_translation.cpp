#include "shell/interface_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>

QString InterfaceLanguageCode(InterfaceLanguage language) {
  switch (language) {
    case InterfaceLanguage::English: return {};
    case InterfaceLanguage::Japanese: return QStringLiteral("ja");
    case InterfaceLanguage::Korean: return QStringLiteral("ko");
    case InterfaceLanguage::Indonesian: return QStringLiteral("id");
  }
  return {};
}

InterfaceTranslation::InterfaceTranslation(InterfaceLanguage language)
    : language_(language), program_(std::make_unique<QTranslator>()), qt_(std::make_unique<QTranslator>()) {
  const QString code = InterfaceLanguageCode(language);
  if (code.isEmpty()) return;
  // Built into the program, so it cannot go missing; Qt's own come with the system's
  // Qt and may be absent (Debian has none for Indonesian): its buttons then stay English.
  (void)program_->load(QStringLiteral(":/i18n/tovaro_%1.qm").arg(code));
  (void)qt_->load(QStringLiteral("qtbase_%1").arg(code), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

InterfaceTranslation::~InterfaceTranslation() {
  if (!installed_ || QCoreApplication::instance() == nullptr) return;
  QCoreApplication::removeTranslator(qt_.get());
  QCoreApplication::removeTranslator(program_.get());
}

QString InterfaceTranslation::Translate(const char* context, const char* english) const {
  if (language_ == InterfaceLanguage::English || program_->isEmpty()) return {};
  return program_->translate(context, english);
}

void InterfaceTranslation::Install() {
  if (installed_ || language_ == InterfaceLanguage::English) return;
  if (!qt_->isEmpty()) QCoreApplication::installTranslator(qt_.get());
  if (!program_->isEmpty()) QCoreApplication::installTranslator(program_.get());
  installed_ = true;
}
