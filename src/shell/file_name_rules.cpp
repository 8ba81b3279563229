#include "shell/file_name_rules.h"

namespace {

FileChoice MakeChoice(const QString& selectedFile, const QString& fileName, const QString& folder) {
  FileChoice choice;
  choice.BaseName = sufix_removal(selectedFile);
  choice.FileName = fileName;
  choice.Directory = DirectoryWithSeparator(folder);
  choice.FullPath = choice.Directory + choice.FileName;
  return choice;
}

}  // namespace

NameParts sufikso(const QString& name) {
  const qsizetype dot = name.indexOf(u'.');
  if (dot < 0) return {QStringLiteral("."), QString()};
  return {name.mid(dot), name.left(dot)};
}

QString sufix_removal(const QString& name) {
  const qsizetype dot = name.indexOf(u'.');
  return dot < 0 ? name : name.left(dot);
}

QString sufix_check(const QString& name, const QString& extension) {
  return name.contains(u'.') ? name : name + extension;
}

QString FileTypeEntry(const FileType& type) {
  return type.Description + QStringLiteral(" (*") + type.Extension + u')';
}

FileTypeSelection SelectFileType(const std::vector<FileType>& types, int index) {
  if (index >= 0 && static_cast<size_t>(index) < types.size()) {
    const QString& extension = types[static_cast<size_t>(index)].Extension;
    return {u'*' + extension, extension};
  }
  // "*.*" means every file, also one without a dot; "*" says that here.
  return {QStringLiteral("*"), std::nullopt};
}

QString DirectoryWithSeparator(const QString& folder) {
  return folder.endsWith(u'/') ? folder : folder + u'/';
}

FileChoice ConfirmFileChoice(bool loadMode, const QString& selectedFile, const QString& typedName,
                             const QString& folder, const QString& extension) {
  // A listed file is loaded by its own name: under "All Files (*.*)" a name without a
  // dot would otherwise gain the extension and name a file that does not exist.
  const QString fileName = !loadMode                ? sufix_check(typedName, extension)
                           : selectedFile.isEmpty() ? sufix_check(QString(), extension)
                                                    : selectedFile;
  return MakeChoice(selectedFile, fileName, folder);
}

FileChoice DoubleClickFileChoice(const QString& clickedFile, const QString& folder) {
  return MakeChoice(clickedFile, clickedFile, folder);
}
