#include "gui/practice/practice_controller.h"

#include "gui/dialogs/window_placement.h"
#include "gui/practice/practice_window.h"
#include "shell/practice_history.h"
#include "shell/practice_session.h"
#include "shell/program_places.h"
#include "shell/progress_store.h"
#include "shell/word_list_rules.h"
#include "signdata/word_list_file.h"

#include <QDateTime>

PracticeController::PracticeController(PracticeControllerContext context, QObject* parent)
    : QObject(parent), context_(context) {}

PracticeWindow& PracticeController::Window() {
  if (!window_) {
    window_ = new PracticeWindow(&context_.owner);
    runner_ = new PracticeRunner(*window_, context_.boxes, context_.signs, context_.messages,
                                 context_.places.UserFile(kPracticeHistoryFileName),
                                 context_.places.UserFile(kProgressFileName), window_);
    connect(runner_, &PracticeRunner::ended, this, [this] {
      emit optionsChosen({window_->TypedAnswer(), window_->AdaptSpeed(), static_cast<int16_t>(window_->Shortest()),
                          static_cast<int16_t>(window_->Longest())});
    });
  }
  return *window_;
}

void PracticeController::Practice(const PracticeStart& start) {
  PracticeWindow& window = Window();
  if (runner_->IsRunning()) return;
  window.SetCaptions(context_.captions, start.interface, start.interfaceFont);
  const PracticeOptions& options = start.options;
  window.SetOptions(options.typedAnswer, options.adaptSpeed, options.shortest, options.longest);
  WordList list;
  QString listError;
  // The numerals practise random numbers; no list is read for them.
  if (!start.numeric) {
    const WordListSource source = WordListOfSystem(start.system, start.kanaInput);
    const QString path = context_.places.FileToRead(source.FileName);
    const WordListLoad load = LoadWordListFile(path, source.Format);
    if (load.ok)
      list = load.list;
    else
      listError = WordListReadMessage(path, load.reason);
  }
  window.adjustSize();
  PlaceBesideMainWindow(window, context_.owner);
  const auto seed = static_cast<uint32_t>(QDateTime::currentMSecsSinceEpoch());
  runner_->Start(std::make_unique<PracticeSession>(start.system, start.numeric, start.kanaInput, list, seed),
                 listError);
}
