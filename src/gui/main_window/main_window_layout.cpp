#include "gui/main_window/main_window_layout.h"

#include "shell/caption_table.h"
#include "shell/font_description.h"
#include "gui/main_window/main_window_controls.h"
#include "gui/main_window/clickable_label.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QInputMethod>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace {

constexpr int kAlphabetPointSize = 12;

}  // namespace

void ApplyInputLayout(const MainWindowControls& ui, const InputLayout& layout,
                      const CaptionTable& captions, InterfaceLanguage language,
                      const std::array<QFont, 3>& fonts) {
  const auto caption = [&](int row) { return captions.Caption(row, language); };

  ui.hangulModeButton->setVisible(layout.MethodButtonVisible);
  ui.numericBox->setVisible(layout.NumericVisible);
  ui.numericBox->setChecked(layout.NumericChecked);
  if (layout.WordBoxVisible) ui.wordBox->setVisible(*layout.WordBoxVisible);
  if (layout.WordLabelVisible) ui.wordLabel->setVisible(*layout.WordLabelVisible);
  if (layout.WordLabelCaption) ui.wordLabel->setText(caption(*layout.WordLabelCaption));
  ui.readingLabel->setText(caption(layout.ReadingLabelCaption));

  switch (layout.ReadingFont) {
    case ReadingBoxFont::Unchanged: break;
    case ReadingBoxFont::EnglishAtTwelve: {
      QFont font = fonts[EnglishFont];
      font.setPointSize(kAlphabetPointSize);
      ui.readingBox->setFont(font);
      break;
    }
    case ReadingBoxFont::Japanese: ui.readingBox->setFont(fonts[JapaneseFont]); break;
    case ReadingBoxFont::Korean: ui.readingBox->setFont(fonts[KoreanFont]); break;
  }
  ApplyInputMethod(*ui.readingBox, layout.ReadingInputMethod);
  if (layout.WordBoxFont) ui.wordBox->setFont(fonts[*layout.WordBoxFont]);
  ApplyInputMethod(*ui.wordBox, layout.WordInputMethod);
  if (layout.SignLabelCaption) ui.systemLabel->setText(caption(*layout.SignLabelCaption));
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
