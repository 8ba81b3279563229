#pragma once

#include <QtTest>

#include <vector>

// A Qt Test class of the window tests, by the name ctest runs it under.
struct GuiTestSuite {
  const char* name;
  int (*run)(int argc, char** argv);
};

// Every class registered with TOVARO_GUI_TEST, for gui_test_main to run.
inline std::vector<GuiTestSuite>& GuiTestSuites() {
  static std::vector<GuiTestSuite> suites;
  return suites;
}

// Registers a Qt Test class with gui_test_main; it stands after the class.
#define TOVARO_GUI_TEST(Class)                                                           \
  [[maybe_unused]] static const bool kRegistered##Class = [] {                           \
    GuiTestSuites().push_back({#Class, [](int argc, char** argv) {                       \
                                 Class test;                                             \
                                 return QTest::qExec(&test, argc, argv);                 \
                               }});                                                      \
    return true;                                                                         \
  }()
