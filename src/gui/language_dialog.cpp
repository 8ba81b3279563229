#include "gui/language_dialog.h"

#include <QButtonGroup>
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
  setWindowTitle(QStringLiteral("Language Option"));

  auto* group = new QButtonGroup(this);
  OptionButton1[0] = new QRadioButton(QStringLiteral("English"), this);
  OptionButton1[1] = new QRadioButton(QStringLiteral("(Japanese)"), this);
  for (size_t i = 0; i < OptionButton1.size(); ++i) {
    OptionButton1[i]->setObjectName(QStringLiteral("OptionButton1_%1").arg(i));
    group->addButton(OptionButton1[i], static_cast<int>(i));
  }
  Image3 = new QLabel(QStringLiteral("日本語"), this);
  Image3->setObjectName(QStringLiteral("Image3"));
  Image3->setTextFormat(Qt::PlainText);

  Lbl1 = NewNote(QStringLiteral("For English OS, select English option."), "Lbl1", this);
  Img2 = NewNote(QStringLiteral("日本語 OS では、日本語 (Japanese) オプションを選んでください。"),
                 "Img2", this);
  Lbl3 = NewNote(QStringLiteral("You can select English option even on Japanese OS."), "Lbl3",
                 this);
  Img4 = NewNote(QStringLiteral("한국어 OS에서는 English 옵션을 선택하십시오."), "Img4", this);
  Lbl5 = NewNote(QStringLiteral("Jika OS Indonesia, tolong milip English Option."), "Lbl5", this);
  Lbl6 = NewNote(QStringLiteral("For other OS, select English option."), "Lbl6", this);

  Command1 = new QPushButton(QStringLiteral("OK"), this);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command1->setDefault(true);
  Command2 = new QPushButton(QStringLiteral("Cancel"), this);
  Command2->setObjectName(QStringLiteral("Command2"));

  // Each option on the left, the notes that lead to it on the right.
  auto* japaneseOption = new QHBoxLayout;
  japaneseOption->addWidget(OptionButton1[1]);
  japaneseOption->addWidget(Image3);
  japaneseOption->addStretch();
  auto* japaneseNotes = new QVBoxLayout;
  japaneseNotes->addWidget(Img2);
  japaneseNotes->addWidget(Lbl3);
  japaneseNotes->addStretch();
  auto* englishNotes = new QVBoxLayout;
  for (QLabel* note : {Lbl1, Img4, Lbl5, Lbl6}) englishNotes->addWidget(note);

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(16);
  grid->setVerticalSpacing(12);
  grid->addWidget(OptionButton1[0], 0, 0, Qt::AlignTop);
  grid->addLayout(englishNotes, 0, 1);
  grid->addLayout(japaneseOption, 1, 0, Qt::AlignTop);
  grid->addLayout(japaneseNotes, 1, 1);
  grid->setColumnStretch(1, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Command1);
  buttons->addWidget(Command2);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addSpacing(8);
  layout->addLayout(buttons);
  setMinimumWidth(560);

  PrepareLanguageOption(0);

  connect(group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
    if (checked) LangChoice = static_cast<int16_t>(id);
  });
  connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
  connect(Command2, &QPushButton::clicked, this, &LanguageDialog::reject);
}

void LanguageDialog::SelectOption(int16_t option) {
  const size_t index = option == 1 ? 1 : 0;
  OptionButton1[index]->setChecked(true);
  // Set here too: checking an option that is already checked reports no change.
  LangChoice = static_cast<int16_t>(index);
}

void LanguageDialog::PrepareFirstRun(const QLocale& systemLocale) {
  const SystemLanguage language = SystemLanguageOf(systemLocale);
  MarkNotes(language);
  SelectOption(PreselectedLanguageOption(language));
}

void LanguageDialog::PrepareLanguageOption(int16_t interfaceLanguage) {
  for (QLabel* note : {Lbl1, Img2, Lbl3, Img4, Lbl5, Lbl6}) SetMarked(*note, false);
  SelectOption(interfaceLanguage);
}

bool LanguageDialog::IsMarked(const QLabel& note) { return note.frameShape() == QFrame::Box; }

void LanguageDialog::MarkNotes(SystemLanguage language) {
  SetMarked(*Lbl1, language == SystemLanguage::English);
  SetMarked(*Img2, language == SystemLanguage::Japanese);
  SetMarked(*Lbl3, language == SystemLanguage::Japanese);
  SetMarked(*Img4, language == SystemLanguage::Korean);
  SetMarked(*Lbl5, language == SystemLanguage::Indonesian);
  SetMarked(*Lbl6, language == SystemLanguage::Other);
}

void LanguageDialog::reject() {
  LangChoice = -1;
  QDialog::reject();
}
