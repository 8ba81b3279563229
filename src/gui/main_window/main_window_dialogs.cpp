#include "gui/main_window/main_window_dialogs.h"

#include "gui/dialogs/about_dialog.h"
#include "gui/dialogs/file_dialog.h"
#include "gui/dialogs/font_dialog.h"
#include "gui/dialogs/language_dialog.h"
#include "gui/dialogs/system_choice_dialog.h"
#include "shell/program_places.h"

MainWindowDialogs::MainWindowDialogs(QWidget& owner, const ProgramPlaces& places, const CaptionTable& captions,
                                     std::function<const FontFamilySource&()> fontFamilies)
    : owner_(owner), places_(places), captions_(captions), fontFamilies_(std::move(fontFamilies)) {}

SystemChoiceDialog& MainWindowDialogs::OptionWindow(InterfaceLanguage language, const QFont& font) {
  if (!optionWindow_) {
    optionWindow_ = new SystemChoiceDialog(&owner_);
    Recaption(language, font);
  }
  return *optionWindow_;
}

void MainWindowDialogs::Recaption(InterfaceLanguage language, const QFont& font) {
  if (!optionWindow_) return;
  optionWindow_->SetInterfaceFont(font);
  optionWindow_->SetCaptions(captions_, language);
}

FileDialog& MainWindowDialogs::FileWindow() {
  if (!fileDialog_) {
    fileDialog_ = new FileDialog(&owner_);
    fileDialog_->SetFolder(places_.DataFolder);
    fileDialog_->SetSaveFallbackFolder(places_.UserFolder);
  }
  return *fileDialog_;
}

LanguageDialog& MainWindowDialogs::LanguageWindow() {
  if (!languageWindow_) languageWindow_ = new LanguageDialog(&owner_);
  return *languageWindow_;
}

FontDialog& MainWindowDialogs::FontWindow() {
  if (!fontWindow_) fontWindow_ = new FontDialog(fontFamilies_(), &owner_);
  return *fontWindow_;
}

AboutDialog& MainWindowDialogs::AboutWindow() {
  if (!aboutWindow_) aboutWindow_ = new AboutDialog(&owner_);
  return *aboutWindow_;
}
