#include "app/main_window_layout.h"

#include "app/caption_table.h"
#include "app/font_description.h"
#include "app/main_window_controls.h"
#include "ui/clickable_label.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QInputMethod>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace {

constexpr int kAlphabetPointSize = 12;

}  // namespace

void ApplyInputLayout(const frmSpaceControls& ui, const InputLayout& layout,
                      const CaptionTable& captions, int16_t language,
                      const std::array<QFont, 3>& fonts) {
  const auto caption = [&](int row) { return captions.Caption(row, language); };

  ui.MethodBtn->setVisible(layout.MethodButtonVisible);
  ui.CheckBoxNumeric->setVisible(layout.NumericVisible);
  ui.CheckBoxNumeric->setChecked(layout.NumericChecked);
  if (layout.WordBoxVisible) ui.InputArea->setVisible(*layout.WordBoxVisible);
  if (layout.WordLabelVisible) ui.Label1->setVisible(*layout.WordLabelVisible);
  if (layout.WordLabelCaption) ui.Label1->setText(caption(*layout.WordLabelCaption));
  ui.Label2->setText(caption(layout.ReadingLabelCaption));

  switch (layout.ReadingFont) {
    case ReadingBoxFont::Unchanged: break;
    case ReadingBoxFont::EnglishAtTwelve: {
      QFont font = fonts[EnglishFont];
      font.setPointSize(kAlphabetPointSize);
      ui.FuriganaTxt->setFont(font);
      break;
    }
    case ReadingBoxFont::Japanese: ui.FuriganaTxt->setFont(fonts[JapaneseFont]); break;
    case ReadingBoxFont::Korean: ui.FuriganaTxt->setFont(fonts[KoreanFont]); break;
  }
  ApplyInputMethod(*ui.FuriganaTxt, layout.ReadingInputMethod);
  if (layout.WordBoxFont) ui.InputArea->setFont(fonts[*layout.WordBoxFont]);
  ApplyInputMethod(*ui.InputArea, layout.WordInputMethod);
  if (layout.SignLabelCaption) ui.SignLabel->setText(caption(*layout.SignLabelCaption));
}

void ApplyInputMethod(QLineEdit& box, InputMethodMode mode) {
  if (mode == InputMethodMode::Unchanged) return;
  box.setProperty("inputMethodMode", static_cast<int>(mode));
  box.setAttribute(Qt::WA_InputMethodEnabled, mode != InputMethodMode::Disabled);
  // A closed input method passes keys through as typed: roman letters, no conversion.
  box.setInputMethodHints(mode == InputMethodMode::Closed
                              ? Qt::ImhLatinOnly | Qt::ImhNoPredictiveText
                              : Qt::ImhNone);
  if (box.hasFocus()) QGuiApplication::inputMethod()->update(Qt::ImEnabled | Qt::ImHints);
}
