#pragma once

#include <QDebug>
#include <QObject>
#include <QString>

#include <array>

// A window's control found by its objectName, as automation finds it; one that is not
// there is named before the test stumbles over it.
template <typename Control>
Control* Child(const QObject& window, const char* name) {
  auto* found = window.findChild<Control*>(QString::fromLatin1(name));
  if (!found) qWarning("no control %s", name);
  return found;
}

// The controls named prefix_0 .. prefix_(N-1).
template <typename Control, size_t N>
std::array<Control*, N> Children(const QObject& window, const char* prefix) {
  std::array<Control*, N> found{};
  for (size_t i = 0; i < N; ++i)
    found[i] = window.findChild<Control*>(QString::fromLatin1(prefix) + u'_' + QString::number(i));
  return found;
}
