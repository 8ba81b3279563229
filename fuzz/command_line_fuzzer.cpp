// Any command line of tovaro-cli, one argument a line, the first naming the command.
// Every command that reads files and text runs whole, in a folder of its own that holds
// copies of the shipped data and hand-shape sources; the commands that draw (render,
// export, lint) are left out, as one run of them takes seconds. Whatever the arguments,
// a command ends with status 0, 1 or 2, and wrong usage says why.
#include "cli/angles_command.h"
#include "cli/landmarks_command.h"
#include "cli/reading_command.h"
#include "cli/shapes_command.h"
#include "cli/spell_command.h"
#include "cli/trace_command.h"
#include "cli/words_command.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>

#include <cstdlib>
#include <map>
#include <sstream>

namespace {

using Command = int (*)(const QStringList&, CliStreams);

const std::map<QString, Command>& Commands() {
  static const std::map<QString, Command> commands = {
      {QStringLiteral("angles"), RunAnglesCommand},       {QStringLiteral("spell"), RunSpellCommand},
      {QStringLiteral("trace"), RunTraceCommand},         {QStringLiteral("shapes"), RunShapesCommand},
      {QStringLiteral("landmarks"), RunLandmarksCommand}, {QStringLiteral("words"), RunWordsCommand},
      {QStringLiteral("reading"), RunReadingCommand},
  };
  return commands;
}

// The folder the commands run in, and the files it starts with, so a command that
// writes over one of them can be undone before the next input.
struct Sandbox {
  QTemporaryDir folder;
  QMap<QString, QByteArray> files;
};

Sandbox& TheSandbox() {
  static Sandbox sandbox;
  return sandbox;
}

void CopyInto(Sandbox& sandbox, const QString& sourceFolder, const QStringList& patterns) {
  for (const QFileInfo& file : QDir(sourceFolder).entryInfoList(patterns, QDir::Files)) {
    QFile source(file.filePath());
    if (!source.open(QIODevice::ReadOnly)) std::abort();
    const QByteArray bytes = source.readAll();
    QFile copy(sandbox.folder.filePath(file.fileName()));
    if (!copy.open(QIODevice::WriteOnly) || copy.write(bytes) != bytes.size()) std::abort();
    sandbox.files.insert(file.fileName(), bytes);
  }
}

// Puts the folder back as it started: files a command wrote are removed, and shipped
// files it wrote over are restored.
void Restore(Sandbox& sandbox) {
  QDir folder(sandbox.folder.path());
  for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
    const auto original = sandbox.files.constFind(name);
    if (original == sandbox.files.cend()) {
      folder.remove(name);
      continue;
    }
    QFile file(folder.filePath(name));
    if (file.size() == original->size() && file.open(QIODevice::ReadOnly) && file.readAll() == *original) continue;
    file.close();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
    file.write(*original);
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  static QCoreApplication application(*argc, *argv);
  Sandbox& sandbox = TheSandbox();
  if (!sandbox.folder.isValid()) std::abort();
  CopyInto(sandbox, QStringLiteral(TOVARO_SOURCE_DATA), {QStringLiteral("*.csv"), QStringLiteral("*.txt"),
                                                         QStringLiteral("*.html")});
  CopyInto(sandbox, QStringLiteral(TOVARO_SOURCE_AUTHORING), {QStringLiteral("*.shapes")});
  if (!QDir::setCurrent(sandbox.folder.path())) std::abort();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  QStringList arguments =
      QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)).split(u'\n');
  const auto command = Commands().find(arguments.takeFirst());
  if (command == Commands().end()) return 0;
  // Names stay inside the folder: no path may reach a file outside it.
  for (const QString& argument : arguments)
    if (argument.contains(u'/') || argument.contains(QStringLiteral(".."))) return 0;

  std::ostringstream out;
  std::ostringstream err;
  const int status = command->second(arguments, CliStreams{out, err});
  if (status < 0 || status > 2) std::abort();
  if (status == 2 && err.str().empty()) std::abort();
  Restore(TheSandbox());
  return 0;
}
