#include "gui/editors/reading_list_editor.h"

#include "gui/main_window/main_window_layout.h"
#include "shell/word_list_rules.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

QLineEdit* Box(QWidget* parent, const char* name, QLabel* label) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(QString::fromLatin1(name));
  label->setBuddy(box);
  return box;
}

QLabel* Caption(QWidget* parent, const char* name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

}  // namespace

ReadingListEditor::ReadingListEditor(QWidget* parent)
    : ListEditorWindow(parent) {
  setObjectName(QStringLiteral("frmListJSL"));

  wordLabel_ = Caption(this, "Label1", QString());
  wordBox_ = Box(this, "Text2", wordLabel_);
  readingLabel_ = Caption(this, "Label2", QString());
  readingBox_ = Box(this, "Text1", readingLabel_);
  writtenList_ = new QListWidget(this);
  writtenList_->setObjectName(QStringLiteral("List2"));
  readingList_ = new QListWidget(this);
  readingList_->setObjectName(QStringLiteral("List1"));
  readingList_->setFocusPolicy(Qt::NoFocus);
  readingList_->setSelectionMode(QAbstractItemView::NoSelection);
  countLabel_ = Caption(this, "lblCount", QString());

  // The typed form goes in as full-width hiragana, the reading as kana too; the
  // reading is made half-width when it is added.
  ApplyInputMethod(*wordBox_, InputMethodMode::Hiragana);
  ApplyInputMethod(*readingBox_, InputMethodMode::Hiragana);

  auto* boxes = new QGridLayout;
  boxes->addWidget(wordLabel_, 0, 0);
  boxes->addWidget(wordBox_, 0, 1);
  boxes->addWidget(readingLabel_, 1, 0);
  boxes->addWidget(readingBox_, 1, 1);
  auto* lists = new QHBoxLayout;
  lists->addWidget(writtenList_, 3);
  lists->addWidget(readingList_, 2);
  QVBoxLayout* buttons = MakeButtonColumn();
  auto* left = new QVBoxLayout;
  left->addLayout(boxes);
  left->addLayout(lists, 1);
  left->addWidget(countLabel_);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addLayout(buttons);
  resize(460, 460);

  connect(writtenList_, &QListWidget::itemClicked, this, &ReadingListEditor::ShowSelected);
  connect(writtenList_, &QListWidget::currentRowChanged, this, [this](int row) {
    readingList_->setCurrentRow(row);
    if (row >= 0) readingList_->scrollToItem(readingList_->item(row));
  });
  connect(writtenList_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    emit spellRequested(readingList_->item(writtenList_->row(item))->text());
  });
  connect(readingList_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { emit spellRequested(item->text()); });
  wordBox_->installEventFilter(this);
  readingBox_->installEventFilter(this);
  Retranslate();
}

// The window is the Japanese readers' own, so its texts are written in Japanese first.
void ReadingListEditor::Retranslate() {
  SetTitle(tr("単語リスト"));
  wordLabel_->setText(tr("單語"));
  wordBox_->setAccessibleName(wordLabel_->text());
  writtenList_->setAccessibleName(wordLabel_->text());
  readingLabel_->setText(tr("振り假名"));
  readingBox_->setAccessibleName(readingLabel_->text());
  readingList_->setAccessibleName(readingLabel_->text());
  countLabel_->setAccessibleName(tr("語数"));
  SetButtonCaptions({tr("追加"), tr("削除"), tr("Import…"), tr("保存"), tr("閉じる")});
  ShowCount();
}

void ReadingListEditor::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  ListEditorWindow::changeEvent(event);
}

QString ReadingListEditor::CloseQuestion() const { return tr("保存しないで閉じますか？"); }

void ReadingListEditor::Initialize(const QString& path, const WordList& list, const QFont& font) {
  Begin(path, WordListFormat::Reading);
  writtenList_->clear();
  readingList_->clear();
  for (int i = 0; i < list.Count(); ++i) Append(list.Words[i], list.Written.value(i, list.Words[i]));
  for (QWidget* control : findChildren<QWidget*>()) control->setFont(font);
  ShowCount();
}

void ReadingListEditor::Append(const QString& reading, const QString& written) {
  readingList_->addItem(reading);
  writtenList_->addItem(written);
}

void ReadingListEditor::Add() {
  if (wordBox_->text().trimmed().isEmpty()) return;
  if (readingBox_->text().trimmed().isEmpty()) {
    ShowMessage(tr("フリガナを入れて下さい"));
    return;
  }
  const ReadingWordCheck check = CheckReadingWord(readingBox_->text(), wordBox_->text());
  if (!check.ok) {
    ShowMessage(check.message);
    return;
  }
  const WordList words = Words();
  for (int i = 0; i < words.Count(); ++i) {
    if (words.Words[i] == check.reading && words.Written[i] == check.written) {
      ShowMessage(AlreadyInListMessage(check.written));
      return;
    }
  }
  MarkModified();
  Append(check.reading, check.written);
  writtenList_->setCurrentRow(writtenList_->count() - 1);
  ShowCount();
}

void ReadingListEditor::ShowSelected() {
  const int row = writtenList_->currentRow();
  if (row < 0) return;
  readingBox_->setText(readingList_->item(row)->text());
  wordBox_->setText(writtenList_->item(row)->text());
}

void ReadingListEditor::Remove() {
  const int row = writtenList_->currentRow();
  if (row < 0 || !writtenList_->currentItem()->isSelected()) return;
  MarkModified();
  delete writtenList_->takeItem(row);
  delete readingList_->takeItem(row);
  ShowCount();
}

WordList ReadingListEditor::Words() const {
  WordList words;
  for (int i = 0; i < readingList_->count(); ++i) {
    words.Words << readingList_->item(i)->text();
    words.Written << writtenList_->item(i)->text();
  }
  return words;
}

void ReadingListEditor::Save() { SaveList(Words()); }

void ReadingListEditor::Import() {
  const std::optional<QString> text = AskImportText();
  if (!text) return;
  const WordImport import = ImportWords(
      *text, WordListOfSystem(SystemId::JapaneseKana, KanaInput::Japanese), SystemId::JapaneseKana, Words());
  if (import.added.Count() > 0) {
    MarkModified();
    const int first = writtenList_->count();
    for (int i = 0; i < import.added.Count(); ++i) Append(import.added.Words[i], import.added.Written[i]);
    writtenList_->setCurrentRow(first);
    writtenList_->scrollToItem(writtenList_->item(first));
    ShowCount();
  }
  ShowMessage(ImportReportText(import));
}

void ReadingListEditor::ShowCount() { countLabel_->setText(tr("%1 語").arg(writtenList_->count())); }

bool ReadingListEditor::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    // A new entry starts from empty boxes; a new reading from an empty reading box.
    if (watched == wordBox_) {
      wordBox_->clear();
      readingBox_->clear();
    } else if (watched == readingBox_) {
      readingBox_->clear();
    }
  }
  return ListEditorWindow::eventFilter(watched, event);
}
