#pragma once

#include "hand/hand_appearance.h"

#include <QDialog>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

class QGridLayout;
class QKeyEvent;
class QLabel;
class QToolButton;
struct SignTable;

// The reference chart of the current system ("ChartFrm"): every sign drawn small by
// the offscreen renderer, with its letter, in a grid. A click on a sign asks for it to
// be played on the main hand. A dialog, not a bare window, so a screen reader announces it.
class ReferenceChartWindow : public QDialog {
  Q_OBJECT

 public:
  explicit ReferenceChartWindow(QWidget* parent = nullptr);

  // Draws every sign of `table` (the rest pose left out) as the main window shows
  // them: in `appearance`, mirrored for a left-handed signer. When nothing can be drawn
  // offscreen the window says why.
  void ShowSigns(const SignTable& table, HandAppearance appearance, bool mirrored);
  // The window's title in the interface language, which is also its accessible name.
  void SetTitle(const QString& title);
  int CellCount() const { return cellCount_; }

 signals:
  // A sign of the chart was clicked: its slot in the table.
  void signChosen(int slot);

 protected:
  // Escape closes the chart, as it closes a dialog.
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void ClearCells();
  // A cell's accessible name and tooltip in the interface language installed.
  void CaptionCell(QToolButton& button, int slot);
  void ShowDrawingError();

  QWidget* cells_;
  QGridLayout* grid_;
  QLabel* message_;
  int cellCount_ = 0;
  std::vector<std::pair<QToolButton*, int>> cellSlots_;  // each cell with its slot
  std::optional<QString> drawingError_;                    // why nothing could be drawn
};
