#pragma once

#include <QLabel>

class QMouseEvent;

// A label that acts as a link: a left click on it emits clicked().
class ClickableLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ClickableLabel(QWidget* parent = nullptr);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};
