#pragma once

#include <QScrollArea>

class QEvent;

// Holds the control panel beside the picture. The panel keeps its full width (the
// captions decide it); when the window is too low for it, it scrolls up and down
// rather than running over the picture or cutting Start off.
class ControlPanelScroller : public QScrollArea {
  Q_OBJECT

 public:
  // At least `leastWidth` wide, wider as the panel's captions need.
  ControlPanelScroller(QWidget& panel, int leastWidth, QWidget* parent);

  QSize minimumSizeHint() const override;
  QSize sizeHint() const override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Names itself anew in the interface language.
  void changeEvent(QEvent* event) override;

 private:
  int FullWidth() const;

  int leastWidth_;
};
