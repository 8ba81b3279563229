#include "app/main_window_captions.h"

#include "app/caption_table.h"
#include "app/main_window_controls.h"
#include "app/main_window_menus.h"
#include "render/hand_view.h"
#include "ui/clickable_label.h"

#include <QAction>
#include <QCheckBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

void ApplyMainWindowCaptions(const frmSpaceControls& ui, const frmSpaceMenus& menus,
                             const CaptionTable& captions, int16_t language) {
  const auto caption = [&](int row) { return captions.Caption(row, language); };
  menus.FileMenus->setTitle(caption(FileMenuCaption));
  menus.mnuExit->setText(caption(ExitCaption));
  menus.ToolMenus->setTitle(caption(ToolMenuCaption));
  menus.mnuBmp->setText(caption(BitmapCaption));
  menus.mnuOption->setText(caption(FingerspellLanguageCaption));
  menus.mnuEdit->setText(caption(EditCaption));
  menus.mnuList->setText(caption(WordListCaption));
  menus.mnuQuiz->setText(caption(PracticeCaption));
  menus.HelpMenus->setTitle(caption(HelpCaption));
  menus.HelpSubMenus->setTitle(caption(HelpCaption));
  menus.mnuAbout->setText(caption(AboutCaption));
  menus.mnuJapaneseHelp->setText(caption(JapaneseHelpCaption));
  menus.mnuEnglishHelp->setText(caption(EnglishHelpCaption));
  menus.mnuKoreanHelp->setText(caption(KoreanHelpCaption));
  menus.mnuIndonesianHelp->setText(caption(IndonesianHelpCaption));

  ui.Frame1->setTitle(caption(ViewPointCaption));
  ui.cmdHome->setText(caption(HomeCaption));
  ui.cmdInput->setText(caption(StartCaption));
  ui.Option1[0]->setText(caption(ViewerCaption));
  ui.Option1[1]->setText(caption(SignerCaption));
  ui.Label4->setText(caption(SpeedCaption));
  ui.CheckBoxNumeric->setText(caption(NumericCaption));
  ui.Label3->setText(QStringLiteral("%"));
}

void ApplyMainWindowFont(const frmSpaceControls& ui, const QFont& font) {
  for (QWidget* control :
       std::initializer_list<QWidget*>{ui.Label1, ui.Label2, ui.FuriganaTxt, ui.MethodBtn,
                                       ui.CheckBoxNumeric, ui.Label4, ui.Text1, ui.Label3,
                                       ui.cmdInput, ui.Frame1, ui.Option1[0], ui.Option1[1],
                                       ui.cmdHome, ui.FrameRec, ui.CmdCapture, ui.CmdRec,
                                       ui.cmdClose})
    control->setFont(font);
  QFont underlined = font;
  underlined.setUnderline(true);
  ui.SignLabel->setFont(underlined);
}
