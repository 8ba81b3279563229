#pragma once

#include "base/message_sink.h"

#include <QString>

class QWidget;

// Shows every message as a modal message box with the exact text and one OK button,
// over the given window.
class MessageBoxSink : public MessageSink {
 public:
  explicit MessageBoxSink(QWidget* parent = nullptr) : parent_(parent) {}

  void ShowMessage(const QString& text) override;

  static inline const QString kTitle = QStringLiteral("Tovaro");

 private:
  QWidget* parent_;
};
