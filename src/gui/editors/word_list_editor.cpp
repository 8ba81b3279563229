#include "gui/editors/word_list_editor.h"

#include "convert/fingerspelling_system.h"
#include "convert/system_registry.h"
#include "convert/word_spelling.h"
#include "gui/main_window/main_window_layout.h"
#include "gui/input/method_button_pictures.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr SystemId kKorean = SystemId::KoreanHangul;
constexpr int kPictureSize = 24;
constexpr int kUnspellableRole = Qt::UserRole + 1;

}  // namespace

WordListEditor::WordListEditor(QWidget* parent)
    : ListEditorWindow(parent) {
  setObjectName(QStringLiteral("frmList"));

  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("List1"));
  entryBox_ = new QLineEdit(this);
  entryBox_->setObjectName(QStringLiteral("Text1"));
  hangulLabel_ = new QLabel(this);
  hangulLabel_->setObjectName(QStringLiteral("Label1"));
  hangulLabel_->setTextFormat(Qt::PlainText);
  hangulLabel_->setMinimumWidth(120);
  hangulModeButton_ = new QToolButton(this);
  hangulModeButton_->setObjectName(QStringLiteral("MethodBtn"));
  hangulModeButton_->setIconSize(QSize(kPictureSize, kPictureSize));
  countLabel_ = new QLabel(this);
  countLabel_->setObjectName(QStringLiteral("lblCount"));
  countLabel_->setTextFormat(Qt::PlainText);

  auto* entryRow = new QHBoxLayout;
  entryRow->addWidget(entryBox_, 1);
  entryRow->addWidget(hangulModeButton_);
  auto* entry = new QVBoxLayout;
  entry->addLayout(entryRow);
  entry->addWidget(hangulLabel_);
  QVBoxLayout* buttons = MakeButtonColumn(entry);
  auto* listColumn = new QVBoxLayout;
  listColumn->addWidget(list_, 1);
  listColumn->addWidget(countLabel_);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(listColumn, 1);
  layout->addLayout(buttons);
  resize(420, 420);

  connect(entryBox_, &QLineEdit::textEdited, this, &WordListEditor::ConvertTyped);
  connect(entryBox_, &QLineEdit::returnPressed, this, &WordListEditor::Add);
  connect(hangulModeButton_, &QToolButton::clicked, this, &WordListEditor::hangulModeClicked);
  connect(list_, &QListWidget::itemClicked, this, &WordListEditor::ShowSelected);
  connect(list_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { emit spellRequested(item->text()); });
  entryBox_->installEventFilter(this);
  Retranslate();
}

void WordListEditor::Retranslate() {
  SetTitle(tr("Word List"));
  list_->setAccessibleName(tr("Words"));
  entryBox_->setAccessibleName(tr("Word"));
  hangulLabel_->setAccessibleName(tr("Hangul"));
  hangulModeButton_->setAccessibleName(tr("Hangul input"));
  countLabel_->setAccessibleName(tr("Number of words"));
  SetButtonCaptions({tr("Add"), tr("Remove"), tr("Import…"), tr("Save"), tr("Close")});
  for (int i = 0; i < list_->count(); ++i) {
    QListWidgetItem* item = list_->item(i);
    if (!item->data(kUnspellableRole).toBool()) continue;
    item->setToolTip(UnspellableText());
    item->setData(Qt::AccessibleDescriptionRole, UnspellableText());
  }
  ShowCount();
}

void WordListEditor::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  ListEditorWindow::changeEvent(event);
}

QString WordListEditor::CloseQuestion() const { return tr("Exit without saving?"); }

QString WordListEditor::UnspellableText() { return tr("This system cannot spell this entry; the practice never asks it"); }

void WordListEditor::Initialize(const WordListEditorSetup& setup, const WordList& list) {
  setup_ = setup;
  Begin(setup.Path, setup.Source.Format);
  list_->clear();
  list_->addItems(list.Words);
  MarkUnspellableEntries();
  entryBox_->clear();
  hangulLabel_->clear();
  SetButtonFont(setup.InterfaceFont);
  countLabel_->setFont(setup.InterfaceFont);
  list_->setFont(setup.System == kKorean ? setup.KoreanFont : setup.EnglishFont);
  hangulLabel_->setFont(setup.KoreanFont);
  hangulModeButton_->setVisible(setup.System == kKorean);
  SetHangulMode(setup.HangulMode);
  ShowCount();
}

void WordListEditor::SetHangulMode(bool hangul) {
  setup_.HangulMode = hangul;
  ApplyMode();
}

bool WordListEditor::RomanKorean() const { return setup_.System == kKorean && !setup_.HangulMode; }

void WordListEditor::ApplyMode() {
  const bool korean = setup_.System == kKorean;
  hangulModeButton_->setIcon(setup_.HangulMode ? QIcon(HangulInputPicture(kPictureSize))
                                               : QIcon(RomanInputPicture(kPictureSize)));
  hangulLabel_->setVisible(RomanKorean());
  entryBox_->setFont(korean && setup_.HangulMode ? setup_.KoreanFont : setup_.EnglishFont);
  ApplyInputMethod(*entryBox_, korean && setup_.HangulMode ? InputMethodMode::Hangul
                                                           : InputMethodMode::Closed);
  hangulLabel_->clear();
}

void WordListEditor::ConvertTyped() {
  if (!RomanKorean()) return;
  const ConversionResult result = FindSystem(kKorean).ConvertRomanized(entryBox_->text());
  const auto* conversion = std::get_if<Conversion>(&result);
  // A text that is not (yet) romanized Korean shows nothing, so Add cannot take the
  // Hangul of an earlier text.
  hangulLabel_->setText(conversion ? conversion->shownText : QString());
}

void WordListEditor::Add() {
  const QString entry = RomanKorean() ? hangulLabel_->text() : entryBox_->text();
  const ListWordCheck check = CheckListWord(entry, setup_.System, setup_.Source.Spelling);
  if (!check.ok) {
    if (!check.message.isEmpty()) ShowMessage(check.message);
    return;
  }
  if (ListHolds(Words().Words, check.word)) {
    ShowMessage(AlreadyInListMessage(check.word));
    return;
  }
  MarkModified();
  list_->addItem(check.word);
  list_->setCurrentRow(list_->count() - 1);
  ShowCount();
}

void WordListEditor::ShowSelected() {
  QListWidgetItem* item = list_->currentItem();
  if (!item) return;
  if (RomanKorean())
    hangulLabel_->setText(item->text());
  else
    entryBox_->setText(item->text());
}

void WordListEditor::Remove() {
  const int row = list_->currentRow();
  if (row < 0 || !list_->currentItem()->isSelected()) return;
  MarkModified();
  delete list_->takeItem(row);
  ShowCount();
}

WordList WordListEditor::Words() const {
  WordList words;
  for (int i = 0; i < list_->count(); ++i) words.Words << list_->item(i)->text();
  return words;
}

void WordListEditor::Save() { SaveList(Words()); }

void WordListEditor::Import() {
  const std::optional<QString> text = AskImportText();
  if (!text) return;
  const WordImport import = ImportWords(*text, setup_.Source, setup_.System, Words());
  if (import.added.Count() > 0) {
    MarkModified();
    const int first = list_->count();
    list_->addItems(import.added.Words);
    // The first word added is selected and in view; the report names them all.
    list_->setCurrentRow(first);
    list_->scrollToItem(list_->item(first));
    ShowCount();
  }
  ShowMessage(ImportReportText(import));
}

// A file can hold entries typed elsewhere that this system cannot spell; the practice
// never asks them, and the editor shows which they are so they can be mended or removed.
void WordListEditor::MarkUnspellableEntries() {
  const QColor dimmed = palette().color(QPalette::Disabled, QPalette::Text);
  for (int i = 0; i < list_->count(); ++i) {
    QListWidgetItem* item = list_->item(i);
    const auto codes = SignCodesOfWord(item->text(), setup_.System, setup_.Source.Spelling);
    if (codes && !codes->empty()) continue;
    item->setData(kUnspellableRole, true);
    item->setForeground(dimmed);
    item->setToolTip(UnspellableText());
    item->setData(Qt::AccessibleDescriptionRole, UnspellableText());
  }
}

void WordListEditor::ShowCount() {
  int unspellable = 0;
  for (int i = 0; i < list_->count(); ++i) unspellable += list_->item(i)->data(kUnspellableRole).toBool();
  QString text = list_->count() == 1 ? tr("1 word") : tr("%1 words").arg(list_->count());
  if (unspellable > 0) text += tr(", %1 cannot be spelled").arg(unspellable);
  countLabel_->setText(text);
}

bool WordListEditor::eventFilter(QObject* watched, QEvent* event) {
  // After the click that gave the focus has placed the cursor.
  if (watched == entryBox_ && event->type() == QEvent::FocusIn)
    QTimer::singleShot(0, entryBox_, &QLineEdit::selectAll);
  return ListEditorWindow::eventFilter(watched, event);
}
