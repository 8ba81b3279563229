#pragma once

#include "shell/font_description.h"
#include "shell/font_list.h"

#include <QDialog>

class QComboBox;
class QEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QShowEvent;

// The choice of the Japanese and Korean fonts (the English font is not edited here).
// The caller runs InitialSet with the fonts in use, shows the window modally and, when
// it is accepted, takes Fonts(): the fonts in use with the new Japanese and Korean ones.
class FontDialog : public QDialog {
  Q_OBJECT

 public:
  // `families` tells which fonts can write Japanese and Korean; the desktop program
  // asks the font database.
  FontDialog(FontFamilySource families, QWidget* parent = nullptr);


  QComboBox* CmbJp = nullptr;  // the Japanese font name, typed or chosen
  QComboBox* CmbKr = nullptr;  // the Korean font name
  QLineEdit* TxtJp = nullptr;  // the Japanese size
  QLineEdit* TxtKr = nullptr;  // the Korean size
  QPushButton* btnOK = nullptr;
  QPushButton* btnCancel = nullptr;

  // Fills the lists from the installed fonts and shows `fonts`.
  void InitialSet(const std::array<FontDescription, 3>& fonts);

  // The fonts chosen, once the window was accepted.
  const std::array<FontDescription, 3>& Fonts() const { return fonts_; }

  // The font names offered by the last InitialSet.
  const FontLists& Lists() const { return lists_; }

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // The captions of one font's row: the language it writes, and "Size".
  struct FontRow {
    QLabel* language = nullptr;
    QLabel* size = nullptr;
  };

  void Retranslate();
  void TakeFonts();

  FontRow japaneseRow_;
  FontRow koreanRow_;

  std::array<FontDescription, 3> fonts_ = DefaultFonts();
  const FontFamilySource families_;
  FontLists lists_;
};
