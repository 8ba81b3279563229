#pragma once

#include "gui/dialogs/name_only_icon_provider.h"
#include "shell/file_name_rules.h"

#include <QDialog>
#include <QString>

#include <vector>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QModelIndex;
class QPushButton;
class QShowEvent;
class QTreeView;

// The program's own window for choosing a file to load or a name to save under. The
// caller empties the type list (OptionInitialize), sets the mode and the title,
// registers its file types (AddFajliloOptions), shows the window modally and then
// takes Decided(), Extension() and FullPath(). The window is hidden, not destroyed, by
// its buttons, and keeps its folder for the next use.
class FileDialog : public QDialog {
  Q_OBJECT

 public:
  explicit FileDialog(QWidget* parent = nullptr);
  ~FileDialog() override;

  // Set by the caller before showing: True to load, False to save.
  void SetLoadMode(bool load) { loadMode_ = load; }
  // The title above the lists ("File Load", "File Save").
  void SetTitle(const QString& title);

  // Results, valid after the window was shown and hidden again.
  bool Decided() const { return decided_; }
  const QString& FullPath() const { return fullPath_; }
  const QString& ChosenFileName() const { return chosenFileName_; }    // with its extension
  const QString& ChosenDirectory() const { return chosenDirectory_; }  // ends in "/"
  const QString& BaseName() const { return baseName_; }                // up to the first dot
  // Of the type selected in the type list, with its dot.
  const QString& Extension() const { return extension_; }

  NameParts sufikso(const QString& name) const;
  QString sufix_removal(const QString& name) const;
  QString sufix_check(const QString& name) const;
  void AddFajliloOptions(const QString& description, const QString& extension);
  void OptionInitialize();

  // The folder whose files are listed; changing it moves the drive and folder lists.
  QString Folder() const { return folder_; }
  void SetFolder(const QString& path);
  // Where a save starts when the folder cannot be written (the data folder of an
  // installed program): the user's own folder.
  void SetSaveFallbackFolder(const QString& folder) { saveFallbackFolder_ = folder; }
  // The name a save offers; otherwise the box keeps what was typed last.
  void SetFileName(const QString& name);

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  static QString AllFilesEntry();
  void Retranslate();
  void ShowModeCaption();
  void Activate();
  void FillDriveList();
  void SelectType(int index);
  void SelectDrive(int index);
  void SelectFolder(const QModelIndex& index);
  void ShowFolderInTree();
  void KeepFolderInView();
  void RefreshFileList();
  QString SelectedFile() const;
  void Confirm();
  void ConfirmFile(QListWidgetItem* item);
  void Finish(const FileChoice& choice);

  // The controls, found by these objectNames.
  QComboBox* Drive1 = nullptr;       // mount roots
  QTreeView* Dir1 = nullptr;         // folders of the selected drive
  QListWidget* File1 = nullptr;      // files of the folder matching the selected type
  QComboBox* Combo1 = nullptr;       // registered types, then "All Files (*.*)"
  QLineEdit* FileName = nullptr;     // the name to save under
  QLabel* Label_FileName = nullptr;
  QLabel* Label = nullptr;           // the title the caller sets
  QLabel* Label1 = nullptr;          // the current folder
  QPushButton* cmload = nullptr;
  QPushButton* cmcancel = nullptr;

  bool loadMode_ = true;
  bool decided_ = false;
  QString fullPath_;
  QString chosenFileName_;
  QString chosenDirectory_;
  QString baseName_;
  QString extension_;
  std::vector<FileType> types_;
  QString pattern_ = QStringLiteral("*");
  QString folder_;
  QString saveFallbackFolder_;
  // The destructor deletes the model first: it asks the provider to its end.
  NameOnlyIconProvider iconProvider_;
  QFileSystemModel* folderModel_ = nullptr;
  bool movingFolder_ = false;  // the lists follow a folder set from code
  bool followFolder_ = false;  // the tree scrolls to the folder as it loads
};
