#pragma once

#include "shell/caption_table.h"
#include "shell/font_list.h"
#include "shell/interface_language.h"

#include <QFont>
#include <QPointer>

#include <functional>

class AboutDialog;
class FileDialog;
class FontDialog;
class LanguageDialog;
class QWidget;
class SystemChoiceDialog;
struct ProgramPlaces;

// The modal windows the main window opens, each made on first use as its child and
// kept, as the program's windows are: hidden, never closed, by their buttons.
class MainWindowDialogs {
 public:
  // `fontFamilies` is read when the font window is first made.
  MainWindowDialogs(QWidget& owner, const ProgramPlaces& places, const CaptionTable& captions,
                    std::function<const FontFamilySource&()> fontFamilies);

  // The system choice in the interface's language and font, as they are now.
  SystemChoiceDialog& OptionWindow(InterfaceLanguage language, const QFont& font);
  // Puts a new language and font on the system choice, if it was made.
  void Recaption(InterfaceLanguage language, const QFont& font);
  // The file window starts in the data folder, and saves in the user's own folder when
  // the data folder cannot be written.
  FileDialog& FileWindow();
  LanguageDialog& LanguageWindow();
  FontDialog& FontWindow();
  AboutDialog& AboutWindow();

 private:
  QWidget& owner_;
  const ProgramPlaces& places_;
  const CaptionTable& captions_;
  std::function<const FontFamilySource&()> fontFamilies_;
  QPointer<SystemChoiceDialog> optionWindow_;
  QPointer<FileDialog> fileDialog_;
  QPointer<LanguageDialog> languageWindow_;
  QPointer<FontDialog> fontWindow_;
  QPointer<AboutDialog> aboutWindow_;
};
