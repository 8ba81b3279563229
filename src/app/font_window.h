#pragma once

#include "app/font_list.h"

#include <QDialog>

struct AppState;
class QComboBox;
class QLineEdit;
class QPushButton;
class QShowEvent;

// The choice of the Japanese and Korean fonts (the English font is not edited here).
// The caller runs InitialSet, shows the window modally and then reads FontChanged; when
// it is True the new fonts are already in the state.
class frmFont : public QDialog {
  Q_OBJECT

 public:
  // `families` tells which fonts can write Japanese and Korean; the desktop program
  // asks the font database.
  frmFont(AppState& state, FontFamilySource families, QWidget* parent = nullptr);

  bool FontChanged = false;

  QComboBox* CmbJp = nullptr;  // the Japanese font name, typed or chosen
  QComboBox* CmbKr = nullptr;  // the Korean font name
  QLineEdit* TxtJp = nullptr;  // the Japanese size
  QLineEdit* TxtKr = nullptr;  // the Korean size
  QPushButton* btnOK = nullptr;
  QPushButton* btnCancel = nullptr;

  // Fills the lists from the installed fonts and shows the current fonts.
  void InitialSet();

  // The font names offered by the last InitialSet.
  const FontLists& Lists() const { return lists_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void TakeFonts();

  AppState& state_;
  const FontFamilySource families_;
  FontLists lists_;
};
