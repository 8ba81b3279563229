#pragma once

// What a window says to its reader and to a screen reader, gathered for the tests of
// the interface languages: every text of its widgets, menus and actions, and every
// accessible name and description.

#include "shell/interface_translation.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QStringList>
#include <QTabWidget>
#include <QTableWidget>
#include <QWidget>

#include <memory>

// The interface language of the program while it lives, as the main window installs it;
// the windows already made are told before the constructor returns.
class InterfaceLanguageScope {
 public:
  explicit InterfaceLanguageScope(InterfaceLanguage language)
      : translation_(std::make_unique<InterfaceTranslation>(language)) {
    translation_->Install();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
  }
  ~InterfaceLanguageScope() {
    translation_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
  }
  InterfaceLanguageScope(const InterfaceLanguageScope&) = delete;
  InterfaceLanguageScope& operator=(const InterfaceLanguageScope&) = delete;

 private:
  std::unique_ptr<InterfaceTranslation> translation_;
};

// Every text `window` shows or names: its title, the texts of its labels, buttons,
// group boxes, line edits' placeholders, combo boxes' items, tabs, table headers, its
// menus' and actions' texts, tool tips, and every accessible name and description.
// Mnemonic ampersands are dropped; empty texts are left out.
inline QStringList WindowTexts(const QWidget& window) {
  QStringList texts;
  const auto add = [&texts](QString text) {
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    if (!text.trimmed().isEmpty()) texts.append(text);
  };
  const auto addWidget = [&](const QWidget& widget) {
    if (widget.isWindow()) add(widget.windowTitle());
    add(widget.toolTip());
    add(widget.accessibleName());
    add(widget.accessibleDescription());
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) add(label->text());
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) add(button->text());
    if (const auto* group = qobject_cast<const QGroupBox*>(&widget)) add(group->title());
    if (const auto* edit = qobject_cast<const QLineEdit*>(&widget)) add(edit->placeholderText());
    if (const auto* menu = qobject_cast<const QMenu*>(&widget)) add(menu->title());
    if (const auto* combo = qobject_cast<const QComboBox*>(&widget))
      for (int i = 0; i < combo->count(); ++i) add(combo->itemText(i));
    if (const auto* tabs = qobject_cast<const QTabWidget*>(&widget))
      for (int i = 0; i < tabs->count(); ++i) add(tabs->tabText(i));
    if (const auto* table = qobject_cast<const QTableWidget*>(&widget)) {
      for (int c = 0; c < table->columnCount(); ++c)
        if (const QTableWidgetItem* item = table->horizontalHeaderItem(c)) add(item->text());
    }
    for (const QAction* action : widget.actions()) {
      add(action->text());
      add(action->toolTip() == action->text().remove(u'&') ? QString() : action->toolTip());
    }
  };
  addWidget(window);
  for (const QWidget* child : window.findChildren<QWidget*>()) addWidget(*child);
  texts.removeDuplicates();
  return texts;
}

// The texts of a window in another language that are still as the English window has
// them: each holds a Latin letter, is no file name, and is not among `kept` (names that
// stay in every language, such as the program's name or a system's abbreviation).
inline QStringList EnglishLeft(const QStringList& english, const QStringList& translated, const QStringList& kept) {
  static const QRegularExpression latinLetter(QStringLiteral("[A-Za-z]"));
  static const QRegularExpression fileName(QStringLiteral("^[^ ]+\\.[A-Za-z0-9]{2,4}$"));
  QStringList left;
  for (const QString& text : translated) {
    if (!english.contains(text) || kept.contains(text)) continue;
    if (!text.contains(latinLetter) || fileName.match(text).hasMatch()) continue;
    left.append(text);
  }
  return left;
}
