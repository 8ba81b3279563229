// Runs one Qt Test class of the window tests, named by the first argument, or all of
// them when no name is given; the remaining arguments go to Qt Test.
#include "support/gui_test_suites.h"

#include <QApplication>

#include <cstdio>
#include <cstring>
#include <vector>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const char* only = argc > 1 && argv[1][0] != '-' ? argv[1] : nullptr;
  std::vector<char*> args{argv[0]};
  for (int i = only ? 2 : 1; i < argc; ++i) args.push_back(argv[i]);

  int failures = 0;
  bool found = false;
  for (const GuiTestSuite& suite : GuiTestSuites()) {
    if (only && std::strcmp(only, suite.name) != 0) continue;
    found = true;
    failures += suite.run(static_cast<int>(args.size()), args.data());
  }
  if (!found) {
    std::fprintf(stderr, "No test class named %s\n", only);
    return 2;
  }
  return failures == 0 ? 0 : 1;
}
