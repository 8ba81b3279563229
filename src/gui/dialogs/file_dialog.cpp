#include "gui/dialogs/file_dialog.h"

#include "base/app_directory.h"
#include "gui/main_window/background_painter.h"
#include "shell/save_folder.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kBackgroundStyle = 4;

QString CleanFolder(const QString& path) {
  return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

QString DriveOf(const QString& folder) {
  const QString root = QStorageInfo(folder).rootPath();
  return root.isEmpty() ? QStringLiteral("/") : root;
}

}  // namespace

FileDialog::FileDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Obtain_FilePath2"));
  setWindowTitle(QStringLiteral("Tovaro"));

  Label = new QLabel(this);
  Label->setObjectName(QStringLiteral("Label"));
  Label->setTextFormat(Qt::PlainText);
  QFont titleFont = Label->font();
  titleFont.setBold(true);
  Label->setFont(titleFont);
  Label1 = new QLabel(this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setTextFormat(Qt::PlainText);
  Label1->setTextInteractionFlags(Qt::TextSelectableByMouse);

  Drive1 = new QComboBox(this);
  Drive1->setObjectName(QStringLiteral("Drive1"));

  folderModel_ = new QFileSystemModel(this);
  folderModel_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
  // The model's own provider reads files to guess their types, on any folder browsed.
  folderModel_->setIconProvider(&iconProvider_);
  Dir1 = new QTreeView(this);
  Dir1->setObjectName(QStringLiteral("Dir1"));
  Dir1->setModel(folderModel_);
  for (int column = 1; column < folderModel_->columnCount(); ++column) Dir1->hideColumn(column);
  Dir1->header()->hide();

  Combo1 = new QComboBox(this);
  Combo1->setObjectName(QStringLiteral("Combo1"));
  // The types are filled in when the window shows, in any language's words: the box
  // grows to the longest rather than keeping its first width.
  Combo1->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  File1 = new QListWidget(this);
  File1->setObjectName(QStringLiteral("File1"));
  File1->setSelectionMode(QAbstractItemView::SingleSelection);

  Label_FileName = new QLabel(this);
  Label_FileName->setObjectName(QStringLiteral("Label_FileName"));
  FileName = new QLineEdit(this);
  FileName->setObjectName(QStringLiteral("FileName"));
  Label_FileName->setBuddy(FileName);

  cmload = new QPushButton(this);
  cmload->setObjectName(QStringLiteral("cmload"));
  cmload->setDefault(true);
  cmcancel = new QPushButton(this);
  cmcancel->setObjectName(QStringLiteral("cmcancel"));

  auto* lists = new QGridLayout;
  lists->addWidget(Drive1, 0, 0);
  lists->addWidget(Dir1, 1, 0);
  lists->addWidget(Combo1, 0, 1);
  lists->addWidget(File1, 1, 1);
  lists->setColumnStretch(0, 1);
  lists->setColumnStretch(1, 1);
  auto* name = new QHBoxLayout;
  name->addWidget(Label_FileName);
  name->addWidget(FileName, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(Label1, 1);
  buttons->addWidget(cmload);
  buttons->addWidget(cmcancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label);
  layout->addLayout(lists, 1);
  layout->addLayout(name);
  layout->addLayout(buttons);
  resize(640, 420);
  Retranslate();

  PaintBackground(*this, kBackgroundStyle, u'R');

  // Picking a drive, even the current one, goes to its root.
  connect(Drive1, &QComboBox::activated, this, &FileDialog::SelectDrive);
  connect(Dir1->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) { SelectFolder(current); });
  // Folders are read and sorted in the background, so the tree keeps the current folder
  // in view as the way to it fills in, until the user opens or scrolls elsewhere.
  connect(folderModel_, &QAbstractItemModel::rowsInserted, this, &FileDialog::KeepFolderInView);
  connect(folderModel_, &QAbstractItemModel::layoutChanged, this, &FileDialog::KeepFolderInView);
  const auto stopFollowing = [this] {
    if (!movingFolder_) followFolder_ = false;
  };
  connect(Dir1, &QTreeView::expanded, this, stopFollowing);
  connect(Dir1, &QTreeView::collapsed, this, stopFollowing);
  connect(Dir1->verticalScrollBar(), &QScrollBar::actionTriggered, this, stopFollowing);
  connect(Combo1, &QComboBox::currentIndexChanged, this, &FileDialog::SelectType);
  connect(File1, &QListWidget::itemDoubleClicked, this, &FileDialog::ConfirmFile);
  connect(cmload, &QPushButton::clicked, this, &FileDialog::Confirm);
  connect(cmcancel, &QPushButton::clicked, this, &QDialog::reject);

  FillDriveList();
  SetFolder(AppDirectory());
}

FileDialog::~FileDialog() {
  Dir1->setModel(nullptr);
  delete folderModel_;
}

NameParts FileDialog::sufikso(const QString& name) const { return ::sufikso(name); }

QString FileDialog::sufix_removal(const QString& name) const {
  return ::sufix_removal(name);
}

QString FileDialog::sufix_check(const QString& name) const {
  return ::sufix_check(name, extension_);
}

void FileDialog::AddFajliloOptions(const QString& description, const QString& extension) {
  types_.push_back({description, extension});
}

void FileDialog::SetTitle(const QString& title) {
  Label->setText(title);
  setAccessibleName(title);
}

void FileDialog::OptionInitialize() { types_.clear(); }

void FileDialog::SetFolder(const QString& path) {
  const QString folder = CleanFolder(path);
  if (!QFileInfo(folder).isDir()) return;
  folder_ = folder;

  const QString drive = DriveOf(folder_);
  int driveIndex = Drive1->findText(drive);
  if (driveIndex < 0) {
    Drive1->addItem(drive);
    driveIndex = Drive1->count() - 1;
  }
  Drive1->setCurrentIndex(driveIndex);
  folderModel_->setRootPath(drive);
  Dir1->setRootIndex(folderModel_->index(drive));
  // Only the way to the current folder stays open.
  Dir1->collapseAll();
  ShowFolderInTree();

  Label1->setText(folder_);
  RefreshFileList();
}

void FileDialog::ShowFolderInTree() {
  movingFolder_ = true;
  const QModelIndex current = folderModel_->index(folder_);
  Dir1->setCurrentIndex(current == Dir1->rootIndex() ? QModelIndex() : current);
  movingFolder_ = false;
  followFolder_ = true;
  KeepFolderInView();
}

void FileDialog::KeepFolderInView() {
  if (!followFolder_) return;
  const QModelIndex current = folderModel_->index(folder_);
  if (current == Dir1->rootIndex()) return;
  movingFolder_ = true;
  Dir1->scrollTo(current, QAbstractItemView::PositionAtCenter);
  movingFolder_ = false;
}

void FileDialog::SetFileName(const QString& name) { FileName->setText(name); }

void FileDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) Activate();
}

void FileDialog::Activate() {
  FileName->setVisible(!loadMode_);
  Label_FileName->setVisible(!loadMode_);
  ShowModeCaption();

  // Mounts and folders may have come and gone since the last display.
  FillDriveList();
  const QString folder = QFileInfo(folder_).isDir() ? folder_ : AppDirectory();
  SetFolder(loadMode_ ? folder : FolderToSaveIn(folder, saveFallbackFolder_));

  {
    const QSignalBlocker blocker(Combo1);
    Combo1->clear();
    for (const FileType& type : types_) Combo1->addItem(FileTypeEntry(type));
    Combo1->addItem(AllFilesEntry());
    Combo1->setCurrentIndex(0);
  }
  SelectType(0);
  decided_ = false;
  if (!loadMode_) FileName->setFocus();
}

void FileDialog::ShowModeCaption() { cmload->setText(loadMode_ ? tr("Load") : tr("Save")); }

// The entry every list of types ends with; kAllFilesEntry is its English text.
QString FileDialog::AllFilesEntry() { return tr("All Files (*.*)"); }

void FileDialog::Retranslate() {
  Label_FileName->setText(tr("File Name"));
  cmcancel->setText(tr("Cancel"));
  ShowModeCaption();
  if (Combo1->count() > 0) Combo1->setItemText(Combo1->count() - 1, AllFilesEntry());
}

void FileDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QDialog::changeEvent(event);
}

void FileDialog::FillDriveList() {
  QStringList drives{QStringLiteral("/")};
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (volume.isValid() && volume.isReady() && !drives.contains(volume.rootPath()))
      drives.push_back(volume.rootPath());
  }
  std::sort(drives.begin() + 1, drives.end());
  Drive1->clear();
  Drive1->addItems(drives);
}

void FileDialog::SelectType(int index) {
  const FileTypeSelection selection = SelectFileType(types_, index);
  pattern_ = selection.Pattern;
  if (selection.Extension) extension_ = *selection.Extension;
  RefreshFileList();
}

void FileDialog::SelectDrive(int index) {
  if (index >= 0) SetFolder(Drive1->itemText(index));
}

void FileDialog::SelectFolder(const QModelIndex& index) {
  if (movingFolder_ || !index.isValid()) return;
  SetFolder(folderModel_->filePath(index));
}

void FileDialog::RefreshFileList() {
  File1->clear();
  if (folder_.isEmpty()) return;
  // Name filters match regardless of case, as names copied from other systems vary.
  const QStringList files = QDir(folder_).entryList(
      {pattern_}, QDir::Files | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
  File1->addItems(files);
}

QString FileDialog::SelectedFile() const {
  const QList<QListWidgetItem*> selected = File1->selectedItems();
  return selected.isEmpty() ? QString() : selected.front()->text();
}

void FileDialog::Confirm() {
  // An empty name would save a file called only by its extension, hidden from the user.
  if (!loadMode_ && FileName->text().trimmed().isEmpty()) {
    FileName->setFocus();
    return;
  }
  Finish(ConfirmFileChoice(loadMode_, SelectedFile(), FileName->text(), folder_, extension_));
}

void FileDialog::ConfirmFile(QListWidgetItem* item) {
  if (item) Finish(DoubleClickFileChoice(item->text(), folder_));
}

void FileDialog::Finish(const FileChoice& choice) {
  baseName_ = choice.BaseName;
  chosenFileName_ = choice.FileName;
  chosenDirectory_ = choice.Directory;
  fullPath_ = choice.FullPath;
  decided_ = true;
  accept();
}
