#include "gui/view/reference_chart_window.h"

#include "gl/offscreen_renderer.h"
#include "gl/reference_chart.h"
#include "playback/playback_engine.h"
#include "playback/view_controls.h"
#include "signdata/sign_table.h"

#include <QGridLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QOpenGLContext>
#include <QPixmap>
#include <QScrollArea>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kCellWidth = 120;
constexpr int kCellHeight = 100;
constexpr int kColumns = 7;

}  // namespace

ReferenceChartWindow::ReferenceChartWindow(QWidget* parent)
    : QDialog(parent), cells_(new QWidget), grid_(new QGridLayout(cells_)), message_(new QLabel(this)) {
  setObjectName(QStringLiteral("ChartFrm"));
  setWindowTitle(QStringLiteral("Reference chart"));
  setAccessibleName(windowTitle());
  message_->setObjectName(QStringLiteral("lblChartMessage"));
  message_->setTextFormat(Qt::PlainText);
  message_->setWordWrap(true);
  message_->hide();
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName(QStringLiteral("ChartScroll"));
  scroll->setWidget(cells_);
  scroll->setWidgetResizable(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(message_);
  layout->addWidget(scroll, 1);
  // Room for the columns, the scroll bar and the margins, so no row scrolls sideways.
  resize(kColumns * (kCellWidth + 20) + 60, 600);
}

void ReferenceChartWindow::SetTitle(const QString& title) {
  setWindowTitle(title);
  setAccessibleName(title);
}

void ReferenceChartWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void ReferenceChartWindow::ClearCells() {
  while (QLayoutItem* item = grid_->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  cellCount_ = 0;
  cellSlots_.clear();
}

void ReferenceChartWindow::CaptionCell(QToolButton& button, int slot) {
  const QString letter = button.text();
  button.setAccessibleName(letter.isEmpty() ? tr("Sign %1").arg(slot) : letter);
  // A tooltip that looks like markup is taken as markup, and a sign's name comes from
  // a file: it is given as a paragraph of plain text.
  button.setToolTip(Qt::convertFromPlainText(tr("Play %1").arg(button.accessibleName())));
}

void ReferenceChartWindow::ShowDrawingError() {
  message_->setText(drawingError_ ? tr("The chart cannot be drawn: ") + *drawingError_ : QString());
}

// The title comes with the captions (SetTitle); the cells and the message follow here.
void ReferenceChartWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    for (const auto& [button, slot] : cellSlots_) CaptionCell(*button, slot);
    ShowDrawingError();
  }
  QDialog::changeEvent(event);
}

void ReferenceChartWindow::ShowSigns(const SignTable& table, HandAppearance appearance, bool mirrored) {
  ClearCells();
  // A thread has one current context at a time: the main window's is let go so the
  // offscreen one can draw; the main window makes its own current again to paint.
  if (QOpenGLContext* current = QOpenGLContext::currentContext()) current->doneCurrent();
  QString error;
  const std::unique_ptr<OffscreenRenderer> renderer = OffscreenRenderer::Create(kCellWidth, kCellHeight, &error);
  message_->setVisible(!renderer);
  drawingError_ = renderer ? std::nullopt : std::optional<QString>(error);
  ShowDrawingError();
  if (!renderer) return;
  renderer->SetAppearance(appearance, nullptr);
  renderer->View() = StartView(table.HandCount);
  renderer->View().Mirrored = mirrored;

  PlaybackEngine engine(table, *renderer);
  for (const ChartCell& cell : ChartCells(table)) {
    // One picture a sign, in its first key frame; slot 0 is the rest pose.
    if (cell.slot == 0 || cell.frame != 0 || !DrawChartCell(engine, *renderer, table, cell.slot, 0)) continue;
    const QString letter = cell.name.trimmed();
    auto* button = new QToolButton(cells_);
    button->setObjectName(QStringLiteral("chartCell%1").arg(cell.slot));
    button->setIcon(QIcon(QPixmap::fromImage(renderer->Image())));
    button->setIconSize(QSize(kCellWidth, kCellHeight));
    button->setText(letter);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    CaptionCell(*button, cell.slot);
    cellSlots_.emplace_back(button, cell.slot);
    connect(button, &QToolButton::clicked, this, [this, slot = cell.slot] { emit signChosen(slot); });
    grid_->addWidget(button, cellCount_ / kColumns, cellCount_ % kColumns);
    ++cellCount_;
  }
}
