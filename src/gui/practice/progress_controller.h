#pragma once

#include "convert/system_id.h"
#include "shell/interface_language.h"

#include <QFont>
#include <QObject>
#include <QPointer>

#include <functional>

class CaptionTable;
class PracticeWindow;
class ProgressWindow;
class QWidget;
struct ProgramPlaces;

// Whose progress is shown, and in which interface.
struct ProgressShown {
  SystemId system = SystemId::American;
  InterfaceLanguage interface = InterfaceLanguage::English;
  QFont interfaceFont;
};

// What the progress window works with, all the main window's.
struct ProgressControllerContext {
  QWidget& owner;  // the main window, beside which the progress opens from its menu
  const ProgramPlaces& places;
  const CaptionTable& captions;
  std::function<ProgressShown()> shown;  // asked each time the window opens
};

// Tool → Progress, and the practice window's Progress button: reads the progress file
// as the window opens, so it shows what the practice has kept up to then.
class ProgressController : public QObject {
  Q_OBJECT

 public:
  explicit ProgressController(ProgressControllerContext context, QObject* parent = nullptr);

  // Opens (or brings forward) the window beside `beside`, which it is a child of, so a
  // modal practice window does not keep it from being used.
  void Open(QWidget& beside);
  // The practice window's Progress button opens the window beside it.
  void Follow(PracticeWindow& practice);
  ProgressWindow* Window() const;

 private:
  ProgressControllerContext context_;
  QPointer<ProgressWindow> window_;
  QPointer<PracticeWindow> followed_;
};
