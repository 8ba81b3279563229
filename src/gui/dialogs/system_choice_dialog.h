#pragma once

#include "convert/system_id.h"
#include "shell/interface_language.h"

#include <QDialog>

#include <array>
#include <optional>

class CaptionTable;
class QEvent;
class QFont;
class QPushButton;
class QRadioButton;
class QShowEvent;

// The fingerspelling-system choice. The caller marks the current system, shows the
// window modally and then takes SystemChoice(): the chosen system (never the numerals),
// or nothing when the window was closed without OK.
class SystemChoiceDialog : public QDialog {
  Q_OBJECT

 public:
  explicit SystemChoiceDialog(QWidget* parent = nullptr);

  // Marks the option of a system; the numerals have none.
  void MarkSystem(SystemId system);
  std::optional<SystemId> SystemChoice() const { return choice_; }

  // The system names in the column of the interface language.
  void SetCaptions(const CaptionTable& captions, InterfaceLanguage language);
  // The interface font on every control of the window.
  void SetInterfaceFont(const QFont& font);

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void Retranslate();
  void TakeChoice();

  // One option per system the user chooses, in the order of their numbers ("Option1_0"
  // .. "Option1_5"), and OK ("cmdOK").
  std::array<QRadioButton*, 6> options_{};
  QPushButton* okButton_ = nullptr;
  std::optional<SystemId> choice_;
};
