#include "shell/picture_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

NameCheck CheckPictureName(const QString& name) {
  if (name.isEmpty()) return NameCheck::Empty;
  if (name.startsWith(u'.')) return NameCheck::Invalid;
  for (const QChar c : name)
    if (c == u'/' || c == u'\\' || c.unicode() < 0x20 || c.unicode() == 0x7f ||
        c.category() == QChar::Other_Control)
      return NameCheck::Invalid;
  return NameCheck::Accepted;
}

QString ChildFolder(const QString& parent, const QString& name) { return parent + name + u'/'; }

QString CapturePicturePath(const QString& folder, const QString& name) {
  return folder + name + QStringLiteral(".bmp");
}

FolderAttempt CreateFolder(const QString& path) {
  // mkdir itself tells an existing folder from other failures, with no race between
  // a check and the making.
  const QByteArray native = QFile::encodeName(QDir::cleanPath(path));
  if (::mkdir(native.constData(), 0777) == 0) return {FolderAttempt::Outcome::Created, {}};
  const int failure = errno;
  if (failure == EEXIST && QFileInfo(path).isDir()) return {FolderAttempt::Outcome::AlreadyExists, {}};
  return {FolderAttempt::Outcome::Failed, QString::fromLocal8Bit(std::strerror(failure))};
}

QString FolderExistsQuestion(InterfaceLanguage language) {
  return language == InterfaceLanguage::Japanese ? QStringLiteral("既にディレクトリが存在している")
                       : QCoreApplication::translate("Messages", "The folder already exists. Use it?");
}

QString FolderFailedMessage(InterfaceLanguage language, const QString& reason) {
  return language == InterfaceLanguage::Japanese ? QStringLiteral("エラー発生")
                       : QCoreApplication::translate("Messages", "The folder could not be created: ") + reason;
}

QString PictureNotSavedMessage(const QString& reason) {
  return QCoreApplication::translate("Messages", "The picture could not be saved: ") + reason;
}
