#pragma once

#include "gui/main_window/main_window.h"
#include "shell/settings_file.h"
#include "support/active_window.h"
#include "support/angle_table_files.h"
#include "support/manual_step_source.h"
#include "support/modal_answer.h"

#include <QApplication>
#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

// The main window started the way the program starts it, over a temporary program
// folder, on a system whose language the test names and whose Japanese and Korean
// font families are a fixed few (each with its vertical "@" twin). A Qt Test class
// derives from it and calls SetUpProgram and TearDownProgram from init and cleanup.
// Its words step only when the test steps them (PlayWordToEnd, Steps).
class MainWindowHarness {
 protected:
  void SetUpProgram() {
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    started_ = false;
  }

  void TearDownProgram() {
    steps_ = nullptr;
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
    steps_ = &UseManualSteps(*window_);
    window_->SetSystemLocale(QLocale(locale));
    window_->SetFontFamilies(FakeFamilies);
    started_ = window_->StartUp();
    return *window_;
  }

  MainWindow& ShowWindow() {
    MainWindow& window = StartWindow();
    ActivateWindow(window);
    return window;
  }

  // The steps of the started window's words.
  ManualStepSource& Steps() { return *steps_; }

  // Plays the word (and any word that follows it at once) to its end, one step at a
  // time, the window handling what each step asked for (the picture, held input)
  // before the next, as between the steps of the clock.
  void PlayWordToEnd() {
    constexpr int kMostSteps = 100000;
    for (int taken = 0; window_->IsSpelling() && taken < kMostSteps && steps_->Advance() == 1; ++taken)
      QCoreApplication::processEvents();
    QVERIFY2(!window_->IsSpelling(), "the word did not end");
  }

  static QStringList FakeFamilies(FontScript script) {
    if (script == FontScript::Japanese)
      return {QStringLiteral("@IPAGothic"), QStringLiteral("IPAGothic"), QStringLiteral("IPAMincho")};
    return {QStringLiteral("NanumGothic"), QStringLiteral("@NanumGothic")};
  }

  std::unique_ptr<QTemporaryDir> folder_;
  std::unique_ptr<MainWindow> window_;
  ManualStepSource* steps_ = nullptr;
  bool started_ = false;
};
