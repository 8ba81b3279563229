#include "gui/editors/angle_table_saving.h"

#include "gui/dialogs/file_dialog.h"
#include "gui/dialogs/message_box_sink.h"
#include "shell/angle_table_document.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

namespace {

const QString kCsv = QStringLiteral(".csv");


// Told when a file could not be written; Yes means "let me choose another place".
bool OfferAnotherPlace(QWidget* parent, const QString& path, const QString& reason) {
  const QString failure =
      QCoreApplication::translate("AngleTableSaving", "The file could not be saved: %1: %2").arg(path, reason);
  QMessageBox box(QMessageBox::Question, MessageBoxSink::kTitle,
                  failure + QCoreApplication::translate("AngleTableSaving",
                                                        "\n\nSave it under another name or in another folder?"),
                  QMessageBox::Yes | QMessageBox::No, parent);
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::Yes);
  MessageBoxSink::CaptionStandardButtons(box);
  return box.exec() == QMessageBox::Yes;
}

}  // namespace

bool SaveAngleTableAs(QWidget* parent, AngleTableDocument& document, FileDialog& dialog) {
  dialog.OptionInitialize();
  dialog.SetLoadMode(false);
  dialog.SetTitle(QCoreApplication::translate("AngleTableSaving", "File Save"));
  dialog.AddFajliloOptions(QCoreApplication::translate("AngleTableSaving", "Initial Pattern"), kCsv);
  for (;;) {
    dialog.exec();
    if (!dialog.Decided() || dialog.Extension() != kCsv || !document.Table().HasLayout()) return false;
    const FileResult saved = document.SaveAs(dialog.FullPath());
    if (saved) return true;
    if (!OfferAnotherPlace(parent, dialog.FullPath(), saved.reason)) return false;
  }
}

bool SettleUnsavedTable(QWidget* parent, AngleTableDocument& document, FileDialog& dialog) {
  if (document.IsClean()) return true;
  const QString path = document.FilePath();
  const QString question = path.isEmpty()
                               ? QCoreApplication::translate("AngleTableSaving", "Save the changes to the angle table?")
                               : QCoreApplication::translate("AngleTableSaving", "Save the changes to %1?")
                                     .arg(QFileInfo(path).fileName());
  QMessageBox box(QMessageBox::Question, MessageBoxSink::kTitle, question,
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
  box.setObjectName(QStringLiteral("SaveChangesQuestion"));
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::Save);
  box.setEscapeButton(QMessageBox::Cancel);
  MessageBoxSink::CaptionStandardButtons(box);
  switch (box.exec()) {
    case QMessageBox::Discard: return true;
    case QMessageBox::Save: break;
    default: return false;
  }
  if (!path.isEmpty()) {
    const FileResult saved = document.SaveAs(path);
    if (saved) return true;
    if (!OfferAnotherPlace(parent, path, saved.reason)) return false;
  }
  return SaveAngleTableAs(parent, document, dialog);
}
