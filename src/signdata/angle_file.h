#pragma once

#include "signdata/sign_table.h"

#include <QString>

// Success, or why not ("line 12: frame count 0"; the caller names the file).
struct FileResult {
  bool ok = true;
  QString reason;

  static FileResult Success() { return {}; }
  static FileResult Failure(QString why) { return {false, std::move(why)}; }
  explicit operator bool() const { return ok; }
};

// Reads the angle data file at `path` into `table` in the layout given by its
// ColumnCount. Entries may come in any order; a later entry for a slot replaces an
// earlier one; slots the file does not name keep what they held. SignCount becomes
// the highest slot the file names plus one (0 for a file with no entry). Only a
// regular file of at most 64 MiB is read.
// All or nothing: on failure the table and SignCount are exactly as before.
FileResult LoadAngleFile(SignTable& table, const QString& path);

// Writes slots 0..SignCount-1 in slot order in the layout given by ColumnCount,
// through a temporary file renamed over the target, so a failed save leaves the old
// file whole (a FIFO or a device is written straight into; see WriteOutputFile). Slots without key frames are skipped: their frame count 0 would make
// the file unreadable.
FileResult SaveAngleFile(const SignTable& table, const QString& path);

// The text SaveAngleFile writes (UTF-8 once encoded, CR LF line ends).
QString FormatAngleData(const SignTableSlots& table, int signCount, int columnCount);
