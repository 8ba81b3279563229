// Runs one Qt Test class of the window tests, named by the first argument, or all of
// them when no name is given; the remaining arguments go to Qt Test.
#include <QApplication>
#include <QStringList>

#include <cstdio>
#include <cstring>
#include <vector>

int RunMessageBoxSinkTest(int argc, char** argv);
int RunSystemChoiceWindowTest(int argc, char** argv);
int RunBackgroundPainterTest(int argc, char** argv);
int RunFileDialogTest(int argc, char** argv);
int RunMainWindowTest(int argc, char** argv);
int RunLanguageWindowTest(int argc, char** argv);
int RunFontWindowTest(int argc, char** argv);
int RunAboutWindowTest(int argc, char** argv);
int RunMainWindowLanguageTest(int argc, char** argv);

namespace {

struct Suite {
  const char* name;
  int (*run)(int, char**);
};

constexpr Suite kSuites[] = {
    {"MessageBoxSinkTest", RunMessageBoxSinkTest},
    {"SystemChoiceWindowTest", RunSystemChoiceWindowTest},
    {"BackgroundPainterTest", RunBackgroundPainterTest},
    {"FileDialogTest", RunFileDialogTest},
    {"MainWindowTest", RunMainWindowTest},
    {"LanguageWindowTest", RunLanguageWindowTest},
    {"FontWindowTest", RunFontWindowTest},
    {"AboutWindowTest", RunAboutWindowTest},
    {"MainWindowLanguageTest", RunMainWindowLanguageTest},
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const char* only = argc > 1 && argv[1][0] != '-' ? argv[1] : nullptr;
  std::vector<char*> args{argv[0]};
  for (int i = only ? 2 : 1; i < argc; ++i) args.push_back(argv[i]);

  int failures = 0;
  bool found = false;
  for (const Suite& suite : kSuites) {
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
