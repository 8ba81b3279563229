#include "shell/interface_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace {

// The two-letter code the translation files of a language are named with; empty for
// English.
QString InterfaceLanguageCode(InterfaceLanguage language) {
  switch (language) {
    case InterfaceLanguage::English: return {};
    case InterfaceLanguage::Japanese: return QStringLiteral("ja");
    case InterfaceLanguage::Korean: return QStringLiteral("ko");
    case InterfaceLanguage::Indonesian: return QStringLiteral("id");
  }
  return {};
}

}  // namespace

InterfaceTranslation::InterfaceTranslation(InterfaceLanguage language)
    : language_(language), program_(std::make_unique<QTranslator>()), qt_(std::make_unique<QTranslator>()) {
  const QString code = InterfaceLanguageCode(language);
  // Built into the program, so it cannot go missing.
  if (!code.isEmpty()) (void)program_->load(QStringLiteral(":/i18n/tovaro_%1.qm").arg(code));
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
  // Qt's own come with the system's Qt, and only an installed language needs them; they
  // may be absent (Debian has none for Indonesian): Qt's buttons then stay English.
  (void)qt_->load(QStringLiteral("qtbase_%1").arg(InterfaceLanguageCode(language_)),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  if (!qt_->isEmpty()) QCoreApplication::installTranslator(qt_.get());
  if (!program_->isEmpty()) QCoreApplication::installTranslator(program_.get());
  installed_ = true;
}
