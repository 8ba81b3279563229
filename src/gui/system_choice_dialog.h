#pragma once

#include <QDialog>

#include <array>
#include <cstdint>

class CaptionTable;
class QFont;
class QPushButton;
class QRadioButton;
class QShowEvent;

// The fingerspelling-system choice. The caller selects the option of the current
// system, shows the window modally and then reads SystemChoice: the chosen system
// 0..5, or -1 when the window was closed without OK.
class SystemChoiceDialog : public QDialog {
  Q_OBJECT

 public:
  explicit SystemChoiceDialog(QWidget* parent = nullptr);

  int16_t SystemChoice = -1;

  // One option per system 0..5, and the button that takes the choice.
  std::array<QRadioButton*, 6> Option1{};
  QPushButton* cmdOK = nullptr;

  // The system names in the column of the interface language.
  void SetCaptions(const CaptionTable& captions, int16_t language);
  // The interface font on every control of the window.
  void SetInterfaceFont(const QFont& font);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void TakeChoice();
};
