#include "gui/dialogs/font_dialog.h"

#include "shell/font_choice.h"
#include "gui/dialogs/message_box_sink.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <utility>

namespace {

QComboBox* NewFontBox(const char* name, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setEditable(true);
  // A typed name is taken as typed, never added to the list of installed fonts.
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setMinimumContentsLength(24);
  return box;
}

QLineEdit* NewSizeBox(const char* name, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setMaximumWidth(80);
  return box;
}

// Shows a name in a font box: its list entry when the list has it, else as typed text.
void ShowFontName(QComboBox& box, const QString& name) {
  const int index = box.findText(name, Qt::MatchFixedString);
  box.setCurrentIndex(index);
  box.setEditText(index >= 0 ? box.itemText(index) : name);
}

}  // namespace

FontDialog::FontDialog(FontFamilySource families, QWidget* parent)
    : QDialog(parent), families_(std::move(families)) {
  setObjectName(QStringLiteral("frmFont"));
  setWindowTitle(QStringLiteral("Font Selection"));

  CmbJp = NewFontBox("CmbJp", this);
  CmbKr = NewFontBox("CmbKr", this);
  TxtJp = NewSizeBox("TxtJp", this);
  TxtKr = NewSizeBox("TxtKr", this);
  btnOK = new QPushButton(this);
  btnOK->setObjectName(QStringLiteral("btnOK"));
  btnOK->setDefault(true);
  btnCancel = new QPushButton(this);
  btnCancel->setObjectName(QStringLiteral("btnCancel"));

  auto* form = new QFormLayout;
  auto addFont = [&](FontRow& labels, QComboBox* name, QLineEdit* size) {
    auto* row = new QHBoxLayout;
    row->addWidget(name, 1);
    labels.size = new QLabel(this);
    row->addWidget(labels.size);
    row->addWidget(size);
    labels.language = new QLabel(this);
    form->addRow(labels.language, row);
  };
  addFont(japaneseRow_, CmbJp, TxtJp);
  addFont(koreanRow_, CmbKr, TxtKr);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnOK);
  buttons->addWidget(btnCancel);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addSpacing(8);
  layout->addLayout(buttons);

  connect(btnOK, &QPushButton::clicked, this, &FontDialog::TakeFonts);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
  Retranslate();
}

void FontDialog::Retranslate() {
  setWindowTitle(tr("Font Selection"));
  btnOK->setText(tr("OK"));
  btnCancel->setText(tr("Cancel"));
  japaneseRow_.language->setText(tr("Japanese"));
  koreanRow_.language->setText(tr("Korean"));
  for (const FontRow* row : {&japaneseRow_, &koreanRow_}) row->size->setText(tr("Size"));
  // The row's label names a layout, not the boxes, so each box is named itself.
  CmbJp->setAccessibleName(tr("Japanese font"));
  CmbKr->setAccessibleName(tr("Korean font"));
  for (QComboBox* box : {CmbJp, CmbKr}) box->lineEdit()->setAccessibleName(box->accessibleName());
  TxtJp->setAccessibleName(tr("Japanese font size"));
  TxtKr->setAccessibleName(tr("Korean font size"));
}

void FontDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QDialog::changeEvent(event);
}

void FontDialog::InitialSet(const std::array<FontDescription, 3>& fonts) {
  fonts_ = fonts;
  CmbJp->clear();
  CmbKr->clear();
  lists_ = FontList(families_);
  CmbJp->addItems(lists_.Japanese);
  CmbKr->addItems(lists_.Korean);
  ShowFontName(*CmbJp, fonts_[JapaneseFont].Name);
  ShowFontName(*CmbKr, fonts_[KoreanFont].Name);
  TxtJp->setText(QString::number(fonts_[JapaneseFont].Size));
  TxtKr->setText(QString::number(fonts_[KoreanFont].Size));
}

void FontDialog::showEvent(QShowEvent* event) { QDialog::showEvent(event); }

void FontDialog::TakeFonts() {
  const FontChoice choice =
      CheckFontChoice(CmbJp->currentText(), TxtJp->text(), CmbKr->currentText(), TxtKr->text());
  switch (choice.Result) {
    case FontChoice::Outcome::Incomplete:
      return;
    case FontChoice::Outcome::Refused:
      MessageBoxSink(this).ShowMessage(choice.Message);
      return;
    case FontChoice::Outcome::Accepted:
      fonts_[JapaneseFont] = choice.Japanese;
      fonts_[KoreanFont] = choice.Korean;
      accept();
      return;
  }
}
