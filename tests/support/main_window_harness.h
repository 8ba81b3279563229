#pragma once

#include "gui/main_window/main_window.h"
#include "shell/settings_file.h"
#include "support/angle_table_files.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

// Runs `action`, pressing OK on every message box it shows, and returns their texts.
// Nothing is left waiting for a box once the action is over.
inline QStringList MessagesDuring(const std::function<void()>& action) {
  QStringList texts;
  QTimer poll;
  poll.setInterval(10);
  QObject::connect(&poll, &QTimer::timeout, [&texts] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    texts << box->text();
    if (box->standardButtons() != QMessageBox::Ok) texts << QStringLiteral("<not OK alone>");
    box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok)->click() : box->reject();
  });
  poll.start();
  action();
  poll.stop();
  return texts;
}

// Lets the event loop run until the word playing in `window` has ended.
inline void WaitForWord(const MainWindow& window) {
  QElapsedTimer waited;
  waited.start();
  while (window.IsSpelling() && waited.elapsed() < 60000)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// The main window started the way the program starts it, over a temporary program
// folder, on a system whose language the test names and whose Japanese and Korean
// font families are a fixed few (each with its vertical "@" twin). A Qt Test class
// derives from it and calls SetUpProgram and TearDownProgram from init and cleanup.
class MainWindowHarness {
 protected:
  void SetUpProgram() {
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    started_ = false;
  }

  void TearDownProgram() {
    window_.reset();
    folder_.reset();
  }

  QString Dir() const { return folder_->path() + u'/'; }

  void WriteTables() { QVERIFY(WriteEverySystemTable(Dir())); }

  void WriteSettingsFile(std::optional<InterfaceLanguage> language, SystemId system, int16_t editable = 0) {
    Settings values;
    values.Interface = language;
    values.System = system;
    values.EditableCode = editable;
    QVERIFY(WriteSettings(Dir() + kSettingsFileName, values));
  }

  // The tables, and a settings file with these values.
  void WriteFiles(std::optional<InterfaceLanguage> language, SystemId system, int16_t editable = 0) {
    WriteTables();
    WriteSettingsFile(language, system, editable);
  }

  MainWindow& StartWindow(const QString& locale = QStringLiteral("en_US")) {
    window_ = std::make_unique<MainWindow>(Dir());
    window_->SetSystemLocale(QLocale(locale));
    window_->SetFontFamilies(FakeFamilies);
    started_ = window_->StartUp();
    return *window_;
  }

  MainWindow& ShowWindow() {
    MainWindow& window = StartWindow();
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) qWarning("the window did not become active");
    return window;
  }

  static QStringList FakeFamilies(FontScript script) {
    if (script == FontScript::Japanese)
      return {QStringLiteral("@IPAGothic"), QStringLiteral("IPAGothic"), QStringLiteral("IPAMincho")};
    return {QStringLiteral("NanumGothic"), QStringLiteral("@NanumGothic")};
  }

  std::unique_ptr<QTemporaryDir> folder_;
  std::unique_ptr<MainWindow> window_;
  bool started_ = false;
};
