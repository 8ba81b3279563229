#pragma once

#include <QDialog>

#include <array>
#include <cstdint>

class CaptionTable;
class QFont;
class QPushButton;
class QRadioButton;
class QShowEvent;

// The fingerspelling-system choice. The caller marks the current system, shows the
// window modally and then takes SystemChoice(): the chosen system 0..5, or -1 when the
// window was closed without OK.
class SystemChoiceDialog : public QDialog {
  Q_OBJECT

 public:
  explicit SystemChoiceDialog(QWidget* parent = nullptr);

  // Marks the option of a system (0..5); any other value marks none.
  void MarkSystem(int16_t system);
  int16_t SystemChoice() const { return choice_; }

  // The system names in the column of the interface language.
  void SetCaptions(const CaptionTable& captions, int16_t language);
  // The interface font on every control of the window.
  void SetInterfaceFont(const QFont& font);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void TakeChoice();

  // One option per system 0..5 ("Option1_0" .. "Option1_5"), and OK ("cmdOK").
  std::array<QRadioButton*, 6> options_{};
  QPushButton* okButton_ = nullptr;
  int16_t choice_ = -1;
};
