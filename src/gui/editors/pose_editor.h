#pragma once

#include "signdata/key_frame_boxes.h"

#include <QDialog>
#include <QPointer>
#include <QString>

#include <array>
#include <functional>
#include <memory>

class DropDownList;
class FileDialog;
class FrameCopyDialog;
class HandValuePanel;
class MessageSink;
class NumberBox;
class PlaybackEngine;
class QButtonGroup;
class QCheckBox;
class QCloseEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class SignNameDialog;
class TimedPlayer;
class AngleTableDocument;
struct SignTable;

// What the pose editor works with, all owned by the main window: the sign table's
// document it edits (the table the words are spelled from, so every stored change is
// spelled at once), the engine and player that draw on the main window's drawing area,
// the speed box's text, and the file dialog for saving.
struct PoseEditorContext {
  AngleTableDocument& document;
  PlaybackEngine& engine;
  TimedPlayer& player;
  std::function<QString()> speedText;
  std::function<FileDialog&()> fileDialog;
};

// EditFrm2, the pose editor: one key frame of one sign as numbers in boxes, previewed
// on the hands of the main window, stored back with "Set", played with "Action" and
// saved to an angle data file. Modeless and a single instance: closing hides it, and
// what it shows survives until it is opened again.
//
// Every edit ("Set", "Add Frame", "Delete Frame", "Add Char") is one step of the
// document's undo history; Edit → Undo and Redo (here and in the main window) put the
// table back, and the editor shows the key frame it is on as it now stands. A table
// reloaded underneath it (a system switch) is met by checking every sign and key frame
// before it is touched.
class PoseEditor : public QDialog {
  Q_OBJECT

 public:
  PoseEditor(PoseEditorContext context, QWidget* parent = nullptr);
  ~PoseEditor() override;

  // Fills the sign list from the table, offers the "Left" panel only for a two-hand
  // table, takes `caption` (the current system's name) as its title and shows itself.
  // Does nothing while the table has no layout.
  void Open(const QString& caption);

  // "Set" has changed the table since it was last saved or the editor was closed
  // with OK to discarding; saving the table anywhere (here or from the main window's
  // question) clears it.
  bool TableModified() const { return tableModified_; }
  // The boxes hold changes not stored with "Set"; closing asks about them too.
  bool FrameEdited() const { return frameEdited_; }
  // The sign "Set" stores into: the one last chosen in the list.
  int CurrentSign() const { return currentSign_; }

  // Escape closes the editor as its Close button does, with the question about changes.
  void reject() override;

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildLayout();
  void Retranslate();
  void ConnectControls();
  NumberBox* Box(const ValueBoxId& box) const;
  int TableHands() const;

  void ChooseSign(int sign);
  void ListAboutToOpen();
  void FrameNumberTyped(const QString& text);
  void FrameNumberClicked();
  void ValueBoxChanged();
  void LoadFrame();
  void Display();
  void SetFrame();
  void AddFrame();
  void DeleteFrame();
  void CopyFrom();
  void AddSign();
  void Action();
  void Save();
  void ShowPanel(int hand);
  // An undo or redo changed slot `sign`: the list and the key frame shown follow it.
  void FollowSlotChange(int sign);
  void ShowTitle();

  // Writes a key frame into the boxes and previews it; false when it does not exist.
  bool ShowKeyFrame(int sign, int frame);
  // Draws the boxes' values on the hands. A box that is no number is named in a
  // message (or, when `quietly`, in the status line) and nothing is drawn.
  bool PreviewBoxes(bool quietly = false);
  QString ReadBoxes(KeyFrame& frame, bool withRate) const;
  void ShowFrameCount();
  void SetStatus(const QString& text);

  AngleTableDocument& document_;
  const SignTable& table_;
  PlaybackEngine& engine_;
  TimedPlayer& player_;
  std::function<QString()> speedText_;
  std::function<FileDialog&()> fileDialog_;
  std::unique_ptr<MessageSink> messages_;

  DropDownList* signList_;
  QLineEdit* frameNumberBox_;
  QLabel* frameCountLabel_;
  NumberBox* rateBox_;
  QGroupBox* handChoice_;
  std::array<QRadioButton*, 2> handOptions_{};
  QButtonGroup* handGroup_;
  QCheckBox* liveBox_;
  QStackedWidget* panelStack_;
  std::array<HandValuePanel*, 2> panels_{};
  QPushButton* addFrameButton_;
  QPushButton* deleteFrameButton_;
  QPushButton* copyButton_;
  QPushButton* addSignButton_;
  QPushButton* loadButton_;
  QPushButton* displayButton_;
  QPushButton* setButton_;
  QPushButton* actionButton_;
  QPushButton* saveButton_;
  QPushButton* closeButton_;
  QLabel* statusLine_;
  QLabel* frameLabel_ = nullptr;
  QLabel* rateLabel_ = nullptr;
  QMenu* editMenu_ = nullptr;
  QString caption_;
  QPointer<FrameCopyDialog> copyWindow_;
  QPointer<SignNameDialog> nameWindow_;

  int currentSign_ = 0;
  bool frameEdited_ = false;
  bool tableModified_ = false;
  QString savedFrameText_;
  bool writingBoxes_ = false;
  bool liveProblemShown_ = false;
  bool placed_ = false;
  // True while an edit of this window is being stored: it shows its own outcome.
  bool storing_ = false;
};
