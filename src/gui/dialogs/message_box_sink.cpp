#include "gui/dialogs/message_box_sink.h"

#include "shell/interface_text.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

#include <array>
#include <utility>

void MessageBoxSink::ShowMessage(const QString& text) {
  // A message the logic gives in English is shown in the interface language.
  QMessageBox box(QMessageBox::NoIcon, kTitle, InInterfaceLanguage(text), QMessageBox::Ok, parent_);
  // The texts are the program's own, never markup.
  box.setTextFormat(Qt::PlainText);
  CaptionStandardButtons(box);
  box.exec();
}

void MessageBoxSink::CaptionStandardButtons(QMessageBox& box) {
  static constexpr std::array<std::pair<QMessageBox::StandardButton, const char*>, 6> kCaptions = {{
      {QMessageBox::Ok, QT_TRANSLATE_NOOP("MessageBoxButtons", "OK")},
      {QMessageBox::Cancel, QT_TRANSLATE_NOOP("MessageBoxButtons", "Cancel")},
      {QMessageBox::Yes, QT_TRANSLATE_NOOP("MessageBoxButtons", "&Yes")},
      {QMessageBox::No, QT_TRANSLATE_NOOP("MessageBoxButtons", "&No")},
      {QMessageBox::Save, QT_TRANSLATE_NOOP("MessageBoxButtons", "Save")},
      {QMessageBox::Discard, QT_TRANSLATE_NOOP("MessageBoxButtons", "Discard")},
  }};
  for (const auto& [which, caption] : kCaptions)
    if (QAbstractButton* button = box.button(which))
      button->setText(QCoreApplication::translate("MessageBoxButtons", caption));
}
