#include "shell/angle_table_document.h"

#include <QUndoCommand>

#include <utility>

// One edit as the slot it changed, before and after, and the sign count around it: an
// edit touches one slot only (Add Char also the count), so undo and redo put back
// exactly the values that were there.
class SignSlotChange : public QUndoCommand {
 public:
  SignSlotChange(AngleTableDocument& document, const QString& name, int slot, const SignTable& after)
      : QUndoCommand(name),
        document_(document),
        slot_(slot),
        before_(document.table_.Signs[slot]),
        after_(after.Signs[slot]),
        countBefore_(document.table_.SignCount),
        countAfter_(after.SignCount) {}

  void redo() override { Apply(after_, countAfter_); }
  void undo() override { Apply(before_, countBefore_); }

 private:
  void Apply(const SignRecord& record, int16_t count) {
    document_.table_.Signs[slot_] = record;
    document_.table_.SignCount = count;
    emit document_.slotChanged(slot_);
    emit document_.changed();
  }

  AngleTableDocument& document_;
  const int slot_;
  const SignRecord before_;
  const SignRecord after_;
  const int16_t countBefore_;
  const int16_t countAfter_;
};

AngleTableDocument::AngleTableDocument(QObject* parent) : QObject(parent) {
  connect(&undo_, &QUndoStack::cleanChanged, this, &AngleTableDocument::cleanChanged);
}

void AngleTableDocument::SetLayout(int hands) { ReplaceWhole(SignTable::WithHands(hands), QString()); }

std::optional<FileResult> AngleTableDocument::Load(const QString& path) {
  if (!table_.HasLayout()) return std::nullopt;
  SignTable loaded = table_;
  const FileResult result = LoadAngleFile(loaded, path);
  if (result) ReplaceWhole(std::move(loaded), path);
  return result;
}

void AngleTableDocument::Restore(const SignTable& table, const QString& path) { ReplaceWhole(table, path); }

FileResult AngleTableDocument::SaveAs(const QString& path) {
  const FileResult saved = SaveAngleFile(table_, path);
  if (!saved) return saved;
  undo_.setClean();
  if (path != path_) {
    path_ = path;
    emit filePathChanged(path_);
  }
  return saved;
}

void AngleTableDocument::ReplaceWhole(SignTable table, QString path) {
  table_ = std::move(table);
  // The history belongs to the table it edited; a table read anew starts clean.
  undo_.clear();
  if (path != path_) {
    path_ = std::move(path);
    emit filePathChanged(path_);
  }
  emit changed();
}

template <typename Edit>
EditOutcome AngleTableDocument::Push(const QString& name, int slot, Edit edit) {
  SignTable after = table_;
  const EditOutcome outcome = edit(after);
  if (outcome.Ok()) undo_.push(new SignSlotChange(*this, name, slot, after));
  return outcome;
}

// The table's routines refuse key frames a sign does not have; a sign outside the table
// is refused here, before its slot is read.
EditOutcome AngleTableDocument::StoreKeyFrame(int sign, int frame, const KeyFrame& values) {
  if (sign < 0 || sign >= kSignSlots) return EditOutcome::Refused(kFrameNumberExceedsMessage);
  return Push(QString::fromUtf8(QT_TRANSLATE_NOOP("Messages", "Set")), sign,
              [&](SignTable& table) { return ::StoreKeyFrame(table, sign, frame, values); });
}

EditOutcome AngleTableDocument::AppendKeyFrame(int sign) {
  if (sign < 0 || sign >= kSignSlots) return EditOutcome::Refused(kFrameNumberExceedsMessage);
  return Push(QString::fromUtf8(QT_TRANSLATE_NOOP("Messages", "Add Frame")), sign, [&](SignTable& table) { return ::AppendKeyFrame(table, sign); });
}

EditOutcome AngleTableDocument::DeleteKeyFrame(int sign, int frame) {
  if (sign < 0 || sign >= kSignSlots) return EditOutcome::Refused(kFrameNumberExceedsMessage);
  return Push(QString::fromUtf8(QT_TRANSLATE_NOOP("Messages", "Delete Frame")), sign,
              [&](SignTable& table) { return ::DeleteKeyFrame(table, sign, frame); });
}

EditOutcome AngleTableDocument::AddSign(const QString& name) {
  if (table_.SignCount >= kSignSlots) return EditOutcome::Refused(kNoFreeSignSlotMessage);
  return Push(QString::fromUtf8(QT_TRANSLATE_NOOP("Messages", "Add Char")), table_.SignCount, [&](SignTable& table) { return ::AddSign(table, name); });
}
