#pragma once

#include "signdata/angle_file.h"
#include "signdata/key_frame_editing.h"
#include "signdata/sign_table.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <optional>

// The sign table as the user edits it: the table, the file it came from or was last
// saved to, the undo history of its edits and whether it holds changes not saved.
// Every window that shows the table reads it here and follows `changed`; every edit
// goes through one of the edit routines, each one step of the undo history.
//
// The table lives as long as the document at one address, so the playback engine and
// the sign front end may keep a reference to it.
class AngleTableDocument : public QObject {
  Q_OBJECT

 public:
  explicit AngleTableDocument(QObject* parent = nullptr);

  const SignTable& Table() const { return table_; }
  // Empty until a file has been loaded or saved.
  const QString& FilePath() const { return path_; }
  QUndoStack& UndoStack() { return undo_; }
  // No change since the table was loaded or last saved.
  bool IsClean() const { return undo_.isClean(); }

  // An empty table in the layout of `hands` hands, with no file, as a system's table
  // starts before its file is read.
  void SetLayout(int hands);
  // Reads the angle data file at `path` into the table in its layout (slots the file
  // does not name keep what they held); nothing when the table has no layout. On
  // success the document is that file's, clean and with no history; on failure nothing
  // changes.
  std::optional<FileResult> Load(const QString& path);
  // The table and file a caller kept, put back whole (clean, with no history).
  void Restore(const SignTable& table, const QString& path);
  // Writes the table to `path`; on success the document is that file's and clean.
  FileResult SaveAs(const QString& path);

  // The edits of the pose editor, with the outcomes (and refusals) of the table's own
  // routines. A refused edit changes nothing and leaves no step in the history.
  EditOutcome StoreKeyFrame(int sign, int frame, const KeyFrame& values);
  EditOutcome AppendKeyFrame(int sign);
  EditOutcome DeleteKeyFrame(int sign, int frame);
  EditOutcome AddSign(const QString& name);

 signals:
  // The table changed: an edit, an undo or redo, a load.
  void changed();
  // An edit, or its undo or redo, changed slot `slot` (and perhaps the sign count);
  // told just before `changed`.
  void slotChanged(int slot);
  // The document became clean (saved, loaded, undone to the saved state) or not.
  void cleanChanged(bool clean);
  // The table is now that file's: loaded from it or saved to it.
  void filePathChanged(const QString& path);

 private:
  // Runs `edit` on a copy of the table and, when it was not refused, pushes the slot it
  // changed (and the sign count) as one undoable step named `name`.
  template <typename Edit>
  EditOutcome Push(const QString& name, int slot, Edit edit);
  void ReplaceWhole(SignTable table, QString path);

  SignTable table_;
  QString path_;
  QUndoStack undo_;
  friend class SignSlotChange;
};
