#include "gui/editors/list_editor_window.h"

#include "base/regular_file_reading.h"
#include "base/text_decoding.h"
#include "gui/dialogs/message_box_sink.h"
#include "gui/main_window/background_painter.h"
#include "signdata/word_list_file.h"

#include <QFile>
#include <QFileDialog>
#include <QMessageBox>

#include <QPushButton>
#include <QVBoxLayout>

#include <array>
#include <variant>

namespace {

constexpr int kBackgroundStyle = 0;

QPushButton* Button(QWidget* parent, const char* name) {
  auto* button = new QPushButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  return button;
}

void SetCaption(QPushButton& button, const QString& caption) {
  button.setText(caption);
  button.setAccessibleName(QString(caption).remove(u'…'));
}

}  // namespace

ListEditorWindow::ListEditorWindow(QWidget* parent) : QDialog(parent) {
  PaintBackground(*this, kBackgroundStyle, u'B');
}

void ListEditorWindow::Begin(const QString& path, WordListFormat format) {
  path_ = path;
  format_ = format;
  SetModified(false);
}

void ListEditorWindow::SetTitle(const QString& title) { setWindowTitle(modified_ ? title + u'*' : title); }

void ListEditorWindow::SetModified(bool modified) {
  modified_ = modified;
  QString title = windowTitle();
  if (title.endsWith(u'*')) title.chop(1);
  setWindowTitle(modified ? title + u'*' : title);
}

void ListEditorWindow::reject() {
  if (modified_) {
    QMessageBox box(QMessageBox::Question, tr("Confirm"), CloseQuestion(),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::No);
    MessageBoxSink::CaptionStandardButtons(box);
    if (box.exec() != QMessageBox::Yes) return;
  }
  QDialog::reject();
}

bool ListEditorWindow::SaveList(const WordList& list) {
  QString error;
  if (!SaveWordListFile(path_, list, format_, &error)) {
    ShowMessage(WordListSaveMessage(path_, error));
    return false;
  }
  SetModified(false);
  return true;
}

std::optional<QString> ListEditorWindow::AskImportText() {
  QFileDialog dialog(this, tr("Import"));
  dialog.setObjectName(QStringLiteral("ImportDialog"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilters({tr("Text files (*.txt)"), tr("All files (*)")});
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  const QString path = dialog.selectedFiles().first();
  // Read as the lists themselves are: a FIFO would block the window, /dev/zero fill memory.
  const std::variant<QByteArray, QString> read = ReadRegularFile(path, kLargestWordListFile);
  if (const auto* reason = std::get_if<QString>(&read)) {
    ShowMessage(tr("The file could not be read: %1: %2").arg(path, *reason));
    return std::nullopt;
  }
  return DecodeTextFile(std::get<QByteArray>(read));
}

void ListEditorWindow::ShowMessage(const QString& text) { MessageBoxSink(this).ShowMessage(text); }

QVBoxLayout* ListEditorWindow::MakeButtonColumn(QLayout* above) {
  QPushButton* add = Button(this, "cmdAdd");
  QPushButton* remove = Button(this, "cmdDelete");
  QPushButton* import = Button(this, "cmdImport");
  QPushButton* save = Button(this, "cmdSave");
  QPushButton* close = Button(this, "cmdClose");
  buttons_ = {add, remove, import, save, close};
  connect(add, &QPushButton::clicked, this, &ListEditorWindow::Add);
  connect(remove, &QPushButton::clicked, this, &ListEditorWindow::Remove);
  connect(import, &QPushButton::clicked, this, &ListEditorWindow::Import);
  connect(save, &QPushButton::clicked, this, &ListEditorWindow::Save);
  connect(close, &QPushButton::clicked, this, &ListEditorWindow::reject);

  auto* column = new QVBoxLayout;
  if (above) column->addLayout(above);
  column->addWidget(add);
  column->addWidget(remove);
  column->addWidget(import);
  column->addStretch();
  column->addWidget(save);
  column->addWidget(close);
  return column;
}

void ListEditorWindow::SetButtonCaptions(const ListEditorButtonCaptions& captions) {
  const std::array<const QString*, 5> texts = {&captions.add, &captions.remove, &captions.import, &captions.save,
                                               &captions.close};
  for (size_t i = 0; i < texts.size() && i < buttons_.size(); ++i) SetCaption(*buttons_[i], *texts[i]);
}

void ListEditorWindow::SetButtonFont(const QFont& font) {
  for (QPushButton* button : buttons_) button->setFont(font);
}
