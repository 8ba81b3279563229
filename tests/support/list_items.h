#pragma once

#include <QComboBox>
#include <QListWidget>
#include <QStringList>
#include <QtTest>

// The texts of a list's entries, in order.
inline QStringList Items(const QListWidget& list) {
  QStringList items;
  for (int i = 0; i < list.count(); ++i) items << list.item(i)->text();
  return items;
}

inline QStringList Items(const QComboBox& box) {
  QStringList items;
  for (int i = 0; i < box.count(); ++i) items << box.itemText(i);
  return items;
}

// Clicks the entry in `row`, or the one entry whose text is `text`, as a user does.
inline void ClickItem(QListWidget& list, int row) {
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(row)).center());
}

inline void ClickItem(QListWidget& list, const QString& text) {
  const QList<QListWidgetItem*> found = list.findItems(text, Qt::MatchExactly);
  QVERIFY2(found.size() == 1, qPrintable(text));
  ClickItem(list, list.row(found[0]));
}
