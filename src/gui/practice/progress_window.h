#pragma once

#include "shell/interface_language.h"
#include "shell/progress_summary.h"

#include <QDialog>
#include <QFont>
#include <QString>

class CaptionTable;
class QChartView;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

// Tool → Progress: for one system, how well each sign is read (bars from weak, red, to
// strong, green), the signs most often read as others, the reading speed over the
// sessions and how many words wait for review. Beside each chart a table holds the
// same numbers for a screen reader. It only shows; it never changes the progress.
class ProgressWindow : public QDialog {
  Q_OBJECT

 public:
  explicit ProgressWindow(QWidget* parent = nullptr);

  void SetCaptions(const CaptionTable& captions, InterfaceLanguage language, const QFont& font);
  // `system` is the system's name as the interface shows it.
  void Show(const QString& system, const ProgressSummary& summary);
  const ProgressSummary& Shown() const { return summary_; }

 private:
  void Fill();

  ProgressSummary summary_;
  QString system_;
  QLabel* headingLabel_;
  QChartView* accuracyChart_;
  QTableWidget* accuracyTable_;
  QLabel* confusedLabel_;
  QListWidget* confusedList_;
  QChartView* speedChart_;
  QTableWidget* speedTable_;
  QLabel* reviewLabel_;
  QPushButton* closeButton_;
  QString noProgress_ = QStringLiteral("No progress yet");
  QString accuracyTitle_ = QStringLiteral("Accuracy of each sign");
  QString confusedTitle_ = QStringLiteral("Most confused");
  QString confusedTimes_ = QStringLiteral("%1 read as %2, %3 times");
  QString confusedOnce_ = QStringLiteral("%1 read as %2, once");
  QString nothingConfused_ = QStringLiteral("Nothing confused yet");
  QString speedTitle_ = QStringLiteral("Reading speed");
  QString reviewCount_ = QStringLiteral("Words waiting for review: %1");
  QString signColumn_ = QStringLiteral("Sign");
  QString rightColumn_ = QStringLiteral("Right answers (%)");
  QString triesColumn_ = QStringLiteral("Tries");
  QString dateColumn_ = QStringLiteral("Date");
  QString sessionColumn_ = QStringLiteral("Session");
  QString speedColumn_ = QStringLiteral("Speed (%)");
  QString lettersColumn_ = QStringLiteral("Letters a second");
  QString progressTitle_ = QStringLiteral("Progress");
};
