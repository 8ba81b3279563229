#include "gui/main_window/main_window_captions.h"

#include "shell/caption_table.h"
#include "gui/main_window/main_window_controls.h"
#include "gui/main_window/main_window_menus.h"
#include "gui/view/hand_view.h"
#include "gui/main_window/clickable_label.h"

#include <QAction>
#include <QCoreApplication>
#include <QCheckBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace {

// A text of the main window the caption table does not hold, in the interface language.
QString Translated(const char* english) { return QCoreApplication::translate("MainWindow", english); }

}  // namespace

void ApplyMainWindowCaptions(const MainWindowControls& ui, const MainWindowMenus& menus,
                             const CaptionTable& captions, InterfaceLanguage language) {
  const auto caption = [&](int row) { return captions.Caption(row, language); };
  menus.mnuOpen->setText(Translated(QT_TRANSLATE_NOOP("MainWindow", "Open")));
  menus.mnuLang->setText(Translated(QT_TRANSLATE_NOOP("MainWindow", "Language Option")));
  menus.mnuKanaInput->setText(Translated(QT_TRANSLATE_NOOP("MainWindow", "Type JSL Words in Japanese")));
  menus.mnuFont->setText(Translated(QT_TRANSLATE_NOOP("MainWindow", "Font Selection")));
  ui.hangulModeButton->setToolTip(Translated(QT_TRANSLATE_NOOP("MainWindow", "Roman letters or Hangul")));
  ui.hangulModeButton->setAccessibleName(Translated(QT_TRANSLATE_NOOP("MainWindow", "Hangul input")));
  ui.recordingPanel->setTitle(caption(BitmapCaption));
  ui.captureButton->setText(Translated(QT_TRANSLATE_NOOP("MainWindow", "Capture")));
  ui.recordButton->setText(Translated(QT_TRANSLATE_NOOP("MainWindow", "Rec")));
  ui.closeRecordingButton->setText(caption(ProgressCloseCaption));
  menus.FileMenus->setTitle(caption(FileMenuCaption));
  menus.mnuExit->setText(caption(ExitCaption));
  menus.mnuExport->setText(caption(ExportCaption));
  menus.ToolMenus->setTitle(caption(ToolMenuCaption));
  menus.mnuBmp->setText(caption(BitmapCaption));
  menus.mnuOption->setText(caption(FingerspellLanguageCaption));
  menus.mnuEdit->setText(caption(EditCaption));
  menus.EditMenus->setTitle(caption(EditCaption));
  menus.mnuList->setText(caption(WordListCaption));
  menus.mnuQuiz->setText(caption(PracticeCaption));
  menus.mnuProgress->setText(caption(ProgressCaption));
  menus.HelpMenus->setTitle(caption(HelpCaption));
  menus.HelpSubMenus->setTitle(caption(HelpCaption));
  menus.mnuAbout->setText(caption(AboutCaption));
  menus.mnuJapaneseHelp->setText(caption(JapaneseHelpCaption));
  menus.mnuEnglishHelp->setText(caption(EnglishHelpCaption));
  menus.mnuKoreanHelp->setText(caption(KoreanHelpCaption));
  menus.mnuIndonesianHelp->setText(caption(IndonesianHelpCaption));

  ui.viewPointGroup->setTitle(caption(ViewPointCaption));
  ui.homeButton->setText(caption(HomeCaption));
  ui.startButton->setText(caption(StartCaption));
  ui.viewPointOptions[0]->setText(caption(ViewerCaption));
  ui.viewPointOptions[1]->setText(caption(SignerCaption));
  ui.speedLabel->setText(caption(SpeedCaption));
  ui.numericBox->setText(caption(NumericCaption));
  ui.naturalHandsBox->setText(caption(NaturalHandsCaption));
  ui.naturalHandsBox->setAccessibleName(ui.naturalHandsBox->text());
  ui.percentLabel->setText(QStringLiteral("%"));
}

void ApplyMainWindowFont(const MainWindowControls& ui, const QFont& font) {
  for (QWidget* control :
       std::initializer_list<QWidget*>{ui.wordLabel, ui.readingLabel, ui.readingBox, ui.hangulModeButton,
                                       ui.numericBox, ui.speedLabel, ui.speedBox, ui.percentLabel,
                                       ui.startButton, ui.viewPointGroup, ui.viewPointOptions[0], ui.viewPointOptions[1],
                                       ui.naturalHandsBox, ui.homeButton, ui.recordingPanel, ui.captureButton, ui.recordButton,
                                       ui.closeRecordingButton})
    control->setFont(font);
  QFont underlined = font;
  underlined.setUnderline(true);
  ui.systemLabel->setFont(underlined);
}

QFont FontObjectOf(const FontDescription& description) {
  QFont font(description.Name);
  font.setPointSize(description.Size >= 1 ? description.Size : 10);
  font.setBold(true);
  return font;
}
