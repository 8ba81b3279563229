#include "cli/angles_command.h"
#include "cli/cli_application.h"
#include "cli/landmarks_command.h"
#include "cli/export_command.h"
#include "cli/lint_command.h"
#include "cli/reading_command.h"
#include "cli/render_command.h"
#include "cli/shapes_command.h"
#include "cli/spell_command.h"
#include "cli/trace_command.h"
#include "cli/words_command.h"

#include <QCoreApplication>

#include <csignal>
#include <functional>
#include <iostream>
#include <map>

namespace {

const char* const kUsage =
    "Usage: tovaro-cli <command> [options]\n"
    "\n"
    "The headless companion of Tovaro.\n"
    "\n"
    "Commands:\n"
    "  angles   load angle data files into one sign table, report, optionally save it\n"
    "  spell    show the sign sequence each text becomes\n"
    "  trace    show every playback call a text makes\n"
    "  render   draw a key frame or a reference chart of hand shapes to a picture\n"
    "  export   write a spelled text as an animated GIF or an MP4 video\n"
    "  lint     check the hand shapes of an angle data file for fingers passing through\n"
    "           each other or the palm\n"
    "  shapes   build an angle data file from a hand-shape source\n"
    "  landmarks print the named points of the hands of a key frame as JSON\n"
    "  words    read a word list and optionally check that a system spells every entry\n"
    "  reading  print the half-width katakana reading of each Japanese text\n"
    "\n"
    "'tovaro-cli <command> --help' describes a command.\n";

using Command = std::function<int(const QStringList&, CliStreams)>;

}  // namespace

int main(int argc, char* argv[]) {
  // Past a file size limit (ulimit -f) a write should fail and be reported with its
  // file, not end the program with no word.
  std::signal(SIGXFSZ, SIG_IGN);
  const auto application = MakeCliApplication(argc, argv);
  QStringList arguments = QCoreApplication::arguments().mid(1);
  CliStreams streams{std::cout, std::cerr};

  const std::map<QString, Command> commands = {
      {QStringLiteral("angles"), RunAnglesCommand},
      {QStringLiteral("spell"), RunSpellCommand},
      {QStringLiteral("trace"), RunTraceCommand},
      {QStringLiteral("render"), RunRenderCommand},
      {QStringLiteral("export"), RunExportCommand},
      {QStringLiteral("lint"), RunLintCommand},
      {QStringLiteral("shapes"), RunShapesCommand},
      {QStringLiteral("landmarks"), RunLandmarksCommand},
      {QStringLiteral("words"), RunWordsCommand},
      {QStringLiteral("reading"), RunReadingCommand},
  };

  if (arguments.isEmpty()) {
    std::cerr << kUsage;
    return kExitUsage;
  }
  const QString name = arguments.takeFirst();
  if (name == u"--help" || name == u"-h" || name == u"help") {
    std::cout << kUsage;
    return kExitSuccess;
  }
  const auto command = commands.find(name);
  if (command == commands.end()) {
    std::cerr << "tovaro-cli: unknown command " << name << "\n" << kUsage;
    return kExitUsage;
  }
  return command->second(arguments, streams);
}
