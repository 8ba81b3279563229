// Build step: packs one help page and its pictures into a single-file web archive.
//   tovaro-help-pack --out Help.mht --page help.html [--picture LOCATION=FILE]...
// LOCATION is the name the page uses for the picture ("pictures/chart-asl.png").
#include "base/file_replacement.h"
#include "shell/help_archive_writer.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>
#include <optional>

namespace {

int Fail(const QString& text) {
  std::fprintf(stderr, "tovaro-help-pack: %s\n", qPrintable(text));
  return 1;
}

std::optional<QByteArray> ReadWhole(const QString& path, QString* error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    *error = path + QStringLiteral(": ") + file.errorString();
    return std::nullopt;
  }
  return file.readAll();
}

QString PictureType(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QStringLiteral("png")) return QStringLiteral("image/png");
  if (suffix == QStringLiteral("jpg") || suffix == QStringLiteral("jpeg"))
    return QStringLiteral("image/jpeg");
  if (suffix == QStringLiteral("gif")) return QStringLiteral("image/gif");
  return QStringLiteral("application/octet-stream");
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  const QStringList arguments = application.arguments().mid(1);
  QString out;
  QString page;
  std::vector<std::pair<QString, QString>> pictures;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& name = arguments[i];
    if (i + 1 >= arguments.size()) return Fail(name + QStringLiteral(" needs a value"));
    const QString value = arguments[++i];
    if (name == QStringLiteral("--out")) {
      out = value;
    } else if (name == QStringLiteral("--page")) {
      page = value;
    } else if (name == QStringLiteral("--picture")) {
      const qsizetype equals = value.indexOf(u'=');
      if (equals <= 0) return Fail(QStringLiteral("--picture takes LOCATION=FILE"));
      pictures.emplace_back(value.left(equals), value.mid(equals + 1));
    } else {
      return Fail(QStringLiteral("unknown option ") + name);
    }
  }
  if (out.isEmpty() || page.isEmpty())
    return Fail(QStringLiteral("usage: --out FILE --page FILE [--picture LOCATION=FILE]..."));

  QString error;
  const auto html = ReadWhole(page, &error);
  if (!html) return Fail(error);
  std::vector<HelpArchiveResource> resources;
  for (const auto& [location, path] : pictures) {
    const auto data = ReadWhole(path, &error);
    if (!data) return Fail(error);
    resources.push_back({location, PictureType(path), *data});
  }
  const QByteArray archive =
      WriteHelpArchive(QFileInfo(page).fileName(), *html, resources);
  if (!ReplaceFile(out, archive, &error)) return Fail(out + QStringLiteral(": ") + error);
  return 0;
}
