#pragma once

#include <QWidget>
#include <QtTest>

// Makes `window` the active window, which alone gets the keyboard and focus events. A
// window that does not become active fails the test: keys sent to it would go nowhere
// and the checks after them would fail for a reason they do not name.
inline void ActivateWindow(QWidget& window) {
  window.show();
  window.activateWindow();
  QVERIFY2(QTest::qWaitForWindowActive(&window),
           qPrintable(u"the window "_qs + window.objectName() + u" did not become active"_qs));
}
