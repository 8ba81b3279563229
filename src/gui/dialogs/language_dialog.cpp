#include "gui/dialogs/language_dialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QLabel* NewNote(const QString& text, const char* name, QWidget* parent) {
  auto* note = new QLabel(text, parent);
  note->setObjectName(QString::fromLatin1(name));
  note->setTextFormat(Qt::PlainText);
  note->setWordWrap(true);
  note->setFrameShape(QFrame::Box);
  note->setLineWidth(1);
  return note;
}

// A marked note shows its frame; an unmarked one takes the frame's room as margin, so
// marking never moves the text.
void SetMarked(QLabel& note, bool marked) {
  note.setFrameShape(marked ? QFrame::Box : QFrame::NoFrame);
  note.setMargin(marked ? 2 : 3);
}

}  // namespace

LanguageDialog::LanguageDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FrmLang"));

  // Each option and note is written in its own language, so a reader finds theirs
  // whatever language the windows speak now.
  auto* group = new QButtonGroup(this);
  options_[0] = new QRadioButton(QStringLiteral("English"), this);
  options_[1] = new QRadioButton(QStringLiteral("(Japanese)"), this);
  options_[2] = new QRadioButton(QStringLiteral("(Korean)"), this);
  options_[3] = new QRadioButton(QStringLiteral("(Indonesian)"), this);
  for (size_t i = 0; i < options_.size(); ++i) {
    options_[i]->setObjectName(QStringLiteral("OptionButton1_%1").arg(i));
    group->addButton(options_[i], static_cast<int>(i));
  }
  const auto newName = [this](const QString& text, const char* name, QRadioButton* option) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setBuddy(option);
    // A screen reader names the option in its own language as well.
    option->setAccessibleName(option->text() + QLatin1Char(' ') + text);
    return label;
  };
  japaneseName_ = newName(QStringLiteral("日本語"), "Image3", options_[1]);
  koreanName_ = newName(QStringLiteral("한국어"), "KoreanName", options_[2]);
  indonesianName_ = newName(QStringLiteral("Bahasa Indonesia"), "IndonesianName", options_[3]);

  englishNote_ = NewNote(QStringLiteral("For English OS, select English option."), "Lbl1", this);
  japaneseNote_ = NewNote(QStringLiteral("日本語 OS では、日本語 (Japanese) オプションを選んでください。"),
                 "Img2", this);
  japaneseEnglishNote_ = NewNote(QStringLiteral("You can select English option even on Japanese OS."), "Lbl3",
                 this);
  koreanNote_ = NewNote(QStringLiteral("한국어 OS에서는 한국어 (Korean) 옵션을 선택하십시오."), "Img4", this);
  indonesianNote_ = NewNote(QStringLiteral("Jika OS Anda berbahasa Indonesia, pilih opsi Bahasa Indonesia (Indonesian)."),
                            "Lbl5", this);
  otherNote_ = NewNote(QStringLiteral("For other OS, select English option."), "Lbl6", this);

  auto* buttons = new QDialogButtonBox(this);
  ok_ = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
  ok_->setObjectName(QStringLiteral("Command1"));
  ok_->setDefault(true);
  cancel_ = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
  cancel_->setObjectName(QStringLiteral("Command2"));

  // Each option on the left, the notes that lead to it on the right.
  const auto optionWithName = [](QRadioButton* option, QLabel* name) {
    auto* row = new QHBoxLayout;
    row->addWidget(option);
    if (name != nullptr) row->addWidget(name);
    row->addStretch();
    return row;
  };
  const auto notes = [](std::initializer_list<QLabel*> labels) {
    auto* column = new QVBoxLayout;
    for (QLabel* label : labels) column->addWidget(label);
    column->addStretch();
    return column;
  };
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(16);
  grid->setVerticalSpacing(12);
  grid->addLayout(optionWithName(options_[0], nullptr), 0, 0, Qt::AlignTop);
  grid->addLayout(notes({englishNote_, otherNote_}), 0, 1);
  grid->addLayout(optionWithName(options_[1], japaneseName_), 1, 0, Qt::AlignTop);
  grid->addLayout(notes({japaneseNote_, japaneseEnglishNote_}), 1, 1);
  grid->addLayout(optionWithName(options_[2], koreanName_), 2, 0, Qt::AlignTop);
  grid->addLayout(notes({koreanNote_}), 2, 1);
  grid->addLayout(optionWithName(options_[3], indonesianName_), 3, 0, Qt::AlignTop);
  grid->addLayout(notes({indonesianNote_}), 3, 1);
  grid->setColumnStretch(1, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addSpacing(8);
  layout->addWidget(buttons);
  setMinimumWidth(560);

  PrepareLanguageOption(InterfaceLanguage::English);
  Retranslate();

  connect(group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
    // The options are numbered as their languages are stored.
    if (checked) choice_ = InterfaceLanguageFromNumber(id);
  });
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &LanguageDialog::reject);
}

void LanguageDialog::SelectOption(InterfaceLanguage option) {
  options_[static_cast<size_t>(InterfaceLanguageNumber(option))]->setChecked(true);
  // Set here too: checking an option that is already checked reports no change.
  choice_ = option;
}

void LanguageDialog::PrepareFirstRun(const QLocale& systemLocale) {
  const SystemLanguage language = SystemLanguageOf(systemLocale);
  MarkNotes(language);
  SelectOption(PreselectedLanguageOption(language));
}

void LanguageDialog::PrepareLanguageOption(InterfaceLanguage interfaceLanguage) {
  for (QLabel* note : {englishNote_, japaneseNote_, japaneseEnglishNote_, koreanNote_, indonesianNote_, otherNote_}) SetMarked(*note, false);
  SelectOption(interfaceLanguage);
}

bool LanguageDialog::IsMarked(const QLabel& note) { return note.frameShape() == QFrame::Box; }

void LanguageDialog::MarkNotes(SystemLanguage language) {
  SetMarked(*englishNote_, language == SystemLanguage::English);
  SetMarked(*japaneseNote_, language == SystemLanguage::Japanese);
  SetMarked(*japaneseEnglishNote_, language == SystemLanguage::Japanese);
  SetMarked(*koreanNote_, language == SystemLanguage::Korean);
  SetMarked(*indonesianNote_, language == SystemLanguage::Indonesian);
  SetMarked(*otherNote_, language == SystemLanguage::Other);
}

void LanguageDialog::Retranslate() {
  setWindowTitle(tr("Language Option"));
  ok_->setText(tr("OK"));
  cancel_->setText(tr("Cancel"));
}

void LanguageDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QDialog::changeEvent(event);
}

void LanguageDialog::reject() {
  choice_ = std::nullopt;
  QDialog::reject();
}
