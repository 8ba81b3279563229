#include "gui/practice/progress_window.h"

#include "shell/caption_table.h"
#include "shell/month_day_format.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChartView>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <QValueAxis>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// From weak to strong: a sign's bar takes the colour of the fifth of 0..100 % its
// share of right readings falls in.
const std::array<QColor, 5> kStrengthColours{QColor(200, 60, 50), QColor(230, 130, 50), QColor(215, 185, 50),
                                             QColor(140, 185, 70), QColor(60, 150, 80)};

size_t StrengthBand(double share) {
  return std::min(kStrengthColours.size() - 1, static_cast<size_t>(share * kStrengthColours.size()));
}

constexpr int kChartHeight = 200;

int Percent(double share) { return static_cast<int>(std::lround(share * 100)); }

QChartView* ChartView(QWidget* parent, const char* name) {
  auto* view = new QChartView(parent);
  view->setObjectName(QString::fromLatin1(name));
  view->setRenderHint(QPainter::Antialiasing);
  view->setMinimumSize(360, kChartHeight);
  return view;
}

QTableWidget* Table(QWidget* parent, const char* name) {
  auto* table = new QTableWidget(parent);
  table->setObjectName(QString::fromLatin1(name));
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->verticalHeader()->hide();
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table->setMinimumWidth(260);
  return table;
}

// Puts `chart` in `view`, whose previous chart it gives back ownership of.
void Replace(QChartView& view, QChart* chart, const QFont& font) {
  chart->setTitleFont(QFont(font.family(), font.pointSize() + 1, QFont::Bold));
  chart->legend()->hide();
  chart->setBackgroundRoundness(0);
  for (QAbstractAxis* axis : chart->axes()) {
    axis->setLabelsFont(font);
    axis->setTitleFont(font);
  }
  // The side axis's title is cut to "..." where it is longer than the plot is high, as
  // a translated one in a large font may be: the view grows to hold it whole, above the
  // chart's title and below it the axis's numbers, its title and the margins.
  const QFontMetrics metrics(font);
  int longestTitle = 0;
  for (QAbstractAxis* axis : chart->axes(Qt::Vertical))
    longestTitle = std::max(longestTitle, metrics.horizontalAdvance(axis->titleText()));
  constexpr int kMargins = 80;
  view.setMinimumHeight(
      std::max(kChartHeight, longestTitle + QFontMetrics(chart->titleFont()).height() + 3 * metrics.height() + kMargins));
  QChart* old = view.chart();
  view.setChart(chart);
  delete old;
}

void FillTable(QTableWidget& table, const QStringList& columns, const std::vector<QStringList>& rows) {
  table.clear();
  table.setColumnCount(static_cast<int>(columns.size()));
  table.setHorizontalHeaderLabels(columns);
  table.setRowCount(static_cast<int>(rows.size()));
  for (size_t row = 0; row < rows.size(); ++row)
    for (int column = 0; column < rows[row].size(); ++column) {
      auto* item = new QTableWidgetItem(rows[row][column]);
      if (column > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table.setItem(static_cast<int>(row), column, item);
    }
}

}  // namespace

ProgressWindow::ProgressWindow(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmProgress"));
  // It stands beside the main window and the practice, which go on while it is open.
  setModal(false);
  headingLabel_ = new QLabel(this);
  headingLabel_->setObjectName(QStringLiteral("lblProgressHeading"));
  headingLabel_->setTextFormat(Qt::PlainText);
  accuracyChart_ = ChartView(this, "chtSignAccuracy");
  accuracyTable_ = Table(this, "tblSignAccuracy");
  speedChart_ = ChartView(this, "chtReadingSpeed");
  speedTable_ = Table(this, "tblReadingSpeed");
  confusedLabel_ = new QLabel(this);
  confusedLabel_->setTextFormat(Qt::PlainText);
  confusedList_ = new QListWidget(this);
  confusedList_->setObjectName(QStringLiteral("lstConfused"));
  confusedList_->setMaximumHeight(120);
  confusedLabel_->setBuddy(confusedList_);
  reviewLabel_ = new QLabel(this);
  reviewLabel_->setObjectName(QStringLiteral("lblReviews"));
  reviewLabel_->setTextFormat(Qt::PlainText);
  closeButton_ = new QPushButton(QStringLiteral("Close"), this);
  closeButton_->setObjectName(QStringLiteral("btnClose"));
  closeButton_->setAutoDefault(false);

  auto* layout = new QGridLayout(this);
  layout->addWidget(headingLabel_, 0, 0, 1, 2);
  layout->addWidget(accuracyChart_, 1, 0);
  layout->addWidget(accuracyTable_, 1, 1);
  layout->addWidget(speedChart_, 2, 0);
  layout->addWidget(speedTable_, 2, 1);
  auto* confused = new QVBoxLayout;
  confused->addWidget(confusedLabel_);
  confused->addWidget(confusedList_);
  layout->addLayout(confused, 3, 0);
  auto* closing = new QVBoxLayout;
  closing->addWidget(reviewLabel_);
  closing->addStretch();
  closing->addWidget(closeButton_, 0, Qt::AlignRight);
  layout->addLayout(closing, 3, 1);
  layout->setColumnStretch(0, 3);
  layout->setColumnStretch(1, 1);
  layout->setRowStretch(1, 3);
  layout->setRowStretch(2, 2);
  connect(closeButton_, &QPushButton::clicked, this, &QDialog::close);
  resize(900, 720);
  Fill();
}

void ProgressWindow::SetCaptions(const CaptionTable& captions, InterfaceLanguage language, const QFont& font) {
  const auto caption = [&](int row) { return captions.Caption(row, language); };
  progressTitle_ = caption(ProgressCaption);
  noProgress_ = caption(NoProgressCaption);
  accuracyTitle_ = caption(SignAccuracyCaption);
  confusedTitle_ = caption(MostConfusedCaption);
  confusedTimes_ = caption(ConfusedTimesCaption);
  confusedOnce_ = caption(ConfusedOnceCaption);
  nothingConfused_ = caption(NothingConfusedCaption);
  speedTitle_ = caption(ProgressReadingSpeedCaption);
  reviewCount_ = caption(ReviewCountCaption);
  signColumn_ = caption(SignColumnCaption);
  rightColumn_ = caption(RightShareAxisCaption);
  triesColumn_ = caption(SignTriesCaption);
  dateColumn_ = caption(SessionDateCaption);
  sessionColumn_ = caption(SessionNumberCaption);
  speedColumn_ = caption(SpeedAxisCaption);
  lettersColumn_ = caption(LettersPerSecondAxisCaption);
  closeButton_->setText(caption(ProgressCloseCaption));
  for (QWidget* control : findChildren<QWidget*>()) control->setFont(font);
  setFont(font);
  Fill();
}

void ProgressWindow::Show(const QString& system, const ProgressSummary& summary) {
  system_ = system;
  summary_ = summary;
  Fill();
}

void ProgressWindow::Fill() {
  setWindowTitle(system_.isEmpty() ? progressTitle_ : progressTitle_ + QStringLiteral(" \u2013 ") + system_);
  setAccessibleName(windowTitle());
  const QString heading = summary_.IsEmpty() ? noProgress_ : system_;
  headingLabel_->setText(heading);
  headingLabel_->setAccessibleName(heading.isEmpty() ? progressTitle_ : heading);
  const QFont shownFont = font();

  // Each sign's bar stands in the set of its colour and is nothing in the others.
  auto* bands = new QStackedBarSeries;
  std::array<QBarSet*, kStrengthColours.size()> sets{};
  for (size_t band = 0; band < sets.size(); ++band) {
    sets[band] = new QBarSet(QString());
    sets[band]->setColor(kStrengthColours[band]);
    sets[band]->setBorderColor(kStrengthColours[band]);
    bands->append(sets[band]);
  }
  bands->setBarWidth(0.8);
  QStringList letters;
  std::vector<QStringList> accuracyRows;
  for (const SignAccuracy& sign : summary_.Signs) {
    const size_t strength = StrengthBand(sign.Share());
    for (size_t band = 0; band < sets.size(); ++band) sets[band]->append(band == strength ? Percent(sign.Share()) : 0);
    // A category axis needs names of its own; two signs of one name keep both.
    QString letter = sign.Label;
    while (letters.contains(letter)) letter += u'\u200B';
    letters << letter;
    accuracyRows.push_back({sign.Label, QString::number(Percent(sign.Share())), QString::number(sign.Tries)});
  }
  auto* accuracy = new QChart;
  accuracy->setTitle(accuracyTitle_);
  accuracy->addSeries(bands);
  auto* signAxis = new QBarCategoryAxis;
  signAxis->append(letters);
  // A kana system has some fifty signs: their one-letter names are narrow enough to
  // stand under their bars whole, though the axis would cut them to "..." by its room.
  signAxis->setTruncateLabels(false);
  auto* shareAxis = new QValueAxis;
  shareAxis->setRange(0, 100);
  shareAxis->setTickCount(5);
  shareAxis->setLabelFormat(QStringLiteral("%d"));
  shareAxis->setTitleText(rightColumn_);
  accuracy->addAxis(signAxis, Qt::AlignBottom);
  accuracy->addAxis(shareAxis, Qt::AlignLeft);
  bands->attachAxis(signAxis);
  bands->attachAxis(shareAxis);
  Replace(*accuracyChart_, accuracy, shownFont);
  accuracyChart_->setAccessibleName(accuracyTitle_);
  accuracyTable_->setAccessibleName(accuracyTitle_);
  FillTable(*accuracyTable_, {signColumn_, rightColumn_, triesColumn_}, accuracyRows);

  auto* line = new QLineSeries;
  line->setPen(QPen(QColor(40, 70, 170), 2));
  line->setPointsVisible(true);
  int fastest = 1;
  std::vector<QStringList> speedRows;
  const QLocale locale;
  const QString dateFormat = MonthDayFormat(locale);
  // The reading speed in letters a second where the sessions measured it; the speed in
  // percent of the sessions before there was one.
  const bool inLetters = std::any_of(summary_.Speeds.begin(), summary_.Speeds.end(),
                                     [](const SpeedPoint& point) { return point.LettersPerSecond.has_value(); });
  double highest = 1.0;
  for (size_t i = 0; i < summary_.Speeds.size(); ++i) {
    const SpeedPoint& point = summary_.Speeds[i];
    if (inLetters && !point.LettersPerSecond) continue;
    const double value = inLetters ? *point.LettersPerSecond : point.Speed;
    line->append(static_cast<double>(i + 1), value);
    highest = std::max(highest, value);
    speedRows.push_back({QString::number(i + 1), locale.toString(point.When.toLocalTime().date(), dateFormat),
                         inLetters ? locale.toString(value, 'f', 1) : QString::number(point.Speed)});
  }
  fastest = static_cast<int>(std::ceil(highest));
  const QString valueColumn = inLetters ? lettersColumn_ : speedColumn_;
  auto* speeds = new QChart;
  speeds->setTitle(speedTitle_);
  speeds->addSeries(line);
  // Whole sessions only: at most six marks, on the first session and every step after.
  const int sessionCount = std::max(2, static_cast<int>(summary_.Speeds.size()));
  auto* sessionAxis = new QValueAxis;
  sessionAxis->setRange(1, sessionCount);
  sessionAxis->setTickType(QValueAxis::TicksDynamic);
  sessionAxis->setTickAnchor(1);
  sessionAxis->setTickInterval(std::max(1, (sessionCount - 1 + 4) / 5));
  sessionAxis->setLabelFormat(QStringLiteral("%d"));
  sessionAxis->setTitleText(sessionColumn_);
  auto* speedAxis = new QValueAxis;
  // Four round steps above the fastest session: tens of percent, or whole letters.
  speedAxis->setRange(0, inLetters ? std::max(4, (fastest + 3) / 4 * 4) : (fastest * 105 / 100 + 39) / 40 * 40);
  speedAxis->setTickCount(5);
  speedAxis->setLabelFormat(QStringLiteral("%d"));
  speedAxis->setTitleText(valueColumn);
  speeds->addAxis(sessionAxis, Qt::AlignBottom);
  speeds->addAxis(speedAxis, Qt::AlignLeft);
  line->attachAxis(sessionAxis);
  line->attachAxis(speedAxis);
  Replace(*speedChart_, speeds, shownFont);
  speedChart_->setAccessibleName(speedTitle_);
  speedTable_->setAccessibleName(speedTitle_);
  FillTable(*speedTable_, {sessionColumn_, dateColumn_, valueColumn}, speedRows);

  confusedLabel_->setText(confusedTitle_);
  confusedList_->setAccessibleName(confusedTitle_);
  confusedList_->clear();
  for (const ConfusedPair& pair : summary_.Confused)
    confusedList_->addItem(pair.Times == 1 ? confusedOnce_.arg(pair.Sign, pair.ReadAs)
                                           : confusedTimes_.arg(pair.Sign, pair.ReadAs).arg(pair.Times));
  if (summary_.Confused.empty()) confusedList_->addItem(nothingConfused_);

  reviewLabel_->setText(reviewCount_.arg(summary_.WaitingForReview));
  reviewLabel_->setAccessibleName(reviewLabel_->text());
  closeButton_->setAccessibleName(closeButton_->text());
}
