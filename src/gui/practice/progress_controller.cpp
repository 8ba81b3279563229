#include "gui/practice/progress_controller.h"

#include "gui/dialogs/window_placement.h"
#include "gui/practice/practice_window.h"
#include "gui/practice/progress_window.h"
#include "shell/caption_table.h"
#include "shell/program_places.h"
#include "shell/progress_store.h"
#include "shell/progress_summary.h"

ProgressController::ProgressController(ProgressControllerContext context, QObject* parent)
    : QObject(parent), context_(std::move(context)) {}

void ProgressController::Open(QWidget& beside) {
  if (!window_) window_ = new ProgressWindow(&beside);
  if (window_->parentWidget() != &beside) window_->setParent(&beside, window_->windowFlags());
  const ProgressShown shown = context_.shown();
  window_->SetCaptions(context_.captions, shown.interface, shown.interfaceFont);
  QString name = context_.captions.SystemCaption(shown.system, shown.interface);
  if (name.isEmpty()) name = context_.captions.Caption(NumeralSystemCaption, shown.interface);
  window_->Show(name, ReadProgressSummary(context_.places.UserFile(kProgressFileName), shown.system));
  if (!window_->isVisible()) PlaceBesideMainWindow(*window_, beside);
  window_->show();
  window_->raise();
  window_->activateWindow();
}

void ProgressController::Follow(PracticeWindow& practice) {
  if (followed_ == &practice) return;
  followed_ = &practice;
  connect(&practice, &PracticeWindow::progressClicked, this, [this, &practice] { Open(practice); });
}

ProgressWindow* ProgressController::Window() const { return window_; }
