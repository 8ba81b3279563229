#pragma once

#include "base/message_sink.h"

#include <QString>

class QMessageBox;
class QWidget;

// Shows every message as a modal message box with one OK button, over the given window:
// the exact text, in the interface language where it is one of the program's messages.
class MessageBoxSink : public MessageSink {
 public:
  explicit MessageBoxSink(QWidget* parent = nullptr) : parent_(parent) {}

  void ShowMessage(const QString& text) override;

  static inline const QString kTitle = QStringLiteral("Tovaro");

  // Captions the standard buttons of a message box in the interface language. Qt
  // translates its own buttons only into the languages it ships translations for, and
  // Indonesian is not among them; the English captions stay Qt's.
  static void CaptionStandardButtons(QMessageBox& box);

 private:
  QWidget* parent_;
};
