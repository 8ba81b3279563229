#pragma once

#include <QComboBox>
#include <QListWidget>
#include <QStringList>

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
