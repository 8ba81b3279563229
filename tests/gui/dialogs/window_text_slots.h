#pragma once

// A window's texts widget by widget, for the interface-language tests: a translation
// that left a text blank shows against the window in English.

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QStringList>
#include <QWidget>

#include <array>
#include <vector>

// Each widget's own texts (title, tool tip, accessible name, caption) in a fixed order,
// so a text a translation left blank can be set against the English one.
using TextSlots = std::vector<std::array<QString, 4>>;

inline TextSlots SlotsOf(const QWidget& window) {
  QList<const QWidget*> widgets{&window};
  for (const QWidget* child : window.findChildren<QWidget*>()) widgets.append(child);
  TextSlots texts;
  for (const QWidget* widget : widgets) {
    QString caption;
    if (const auto* label = qobject_cast<const QLabel*>(widget)) caption = label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) caption = button->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(widget)) caption = group->title();
    if (const auto* menu = qobject_cast<const QMenu*>(widget)) caption = menu->title();
    texts.push_back({widget->isWindow() ? widget->windowTitle() : QString(), widget->toolTip(),
                     widget->accessibleName(), caption});
  }
  return texts;
}

inline QStringList BlankWhereEnglishIsNot(const TextSlots& english, const TextSlots& translated) {
  if (english.size() != translated.size()) return {QStringLiteral("the windows differ")};
  QStringList blank;
  for (size_t i = 0; i < english.size(); ++i)
    for (size_t slot = 0; slot < english[i].size(); ++slot)
      if (!english[i][slot].trimmed().isEmpty() && translated[i][slot].trimmed().isEmpty())
        blank.append(english[i][slot]);
  return blank;
}
