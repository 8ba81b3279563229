#include "gui/main_window/main_window.h"
#include "support/gui_test_suites.h"
#include "support/main_window_harness.h"
#include "support/main_window_lookup.h"
#include "support/modal_answer.h"
#include "support/window_beside.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QtTest>

#include <functional>
#include <set>

namespace {

// The controls a screen reader user acts on; each needs a name to be found by.
bool IsControl(QAccessible::Role role) {
  switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::EditableText:
    case QAccessible::ComboBox:
    case QAccessible::Slider:
    case QAccessible::SpinBox:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::List:
    case QAccessible::Table:
    case QAccessible::Tree:
    case QAccessible::PageTab:
    case QAccessible::Graphic:
    case QAccessible::Canvas:
      return true;
    default:
      return false;
  }
}

QString Describe(QAccessibleInterface& node) {
  const QObject* object = node.object();
  const QString name = object && !object->objectName().isEmpty() ? object->objectName()
                       : object                                  ? QString::fromLatin1(object->metaObject()->className())
                                                                 : QStringLiteral("?");
  return name + QStringLiteral(" (role %1)").arg(static_cast<int>(node.role()));
}

// What a screen reader could read of a node beyond its name: its value and its text.
QString Readable(QAccessibleInterface& node) {
  QString readable = node.text(QAccessible::Value);
  if (QAccessibleTextInterface* text = node.textInterface()) readable += text->text(0, text->characterCount());
  return readable;
}

// Everything under `node` a screen reader would trip over: a shown control without a
// name, or a hidden one that still gives its text away.
void CollectFaults(QAccessibleInterface& node, const QString& path, bool hiddenAbove, QStringList& faults) {
  const bool hidden = hiddenAbove || node.state().invisible;
  const QString here = path + u'/' + Describe(node);
  const auto* widget = qobject_cast<const QWidget*>(node.object());
  if (hidden) {
    // Qt keeps hidden widgets in the tree, marked as not shown, which screen readers
    // pass over; a box hidden by the program itself must not read out what it holds.
    if (widget && widget->isHidden() && !Readable(node).isEmpty())
      faults << here + QStringLiteral(": hidden, reads \"%1\"").arg(Readable(node));
  } else if (IsControl(node.role()) && node.text(QAccessible::Name).trimmed().isEmpty()) {
    faults << here + QStringLiteral(": no name");
  }
  for (int i = 0; i < node.childCount(); ++i)
    if (QAccessibleInterface* child = node.child(i)) CollectFaults(*child, here, hidden, faults);
}

QStringList WindowFaults(QWidget& window) {
  QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&window);
  if (!root) return {window.objectName() + QStringLiteral(": not accessible")};
  QStringList faults;
  if (root->role() != QAccessible::Window && root->role() != QAccessible::Dialog)
    faults << Describe(*root) + QStringLiteral(": not announced as a window");
  if (root->text(QAccessible::Name).trimmed().isEmpty()) faults << Describe(*root) + QStringLiteral(": no title");
  CollectFaults(*root, QString(), false, faults);
  return faults;
}

std::set<QWidget*> ShownWindows() {
  std::set<QWidget*> shown;
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window->isVisible()) shown.insert(window);
  return shown;
}

}  // namespace

// Every window of the program read through the accessibility tree, as a screen reader
// reads it: every window announced as one, every shown control named, nothing hidden
// readable; and those that work with the main window opened beside it.
class AccessibilityWalkTest : public QObject, private MainWindowHarness {
  Q_OBJECT

 private:
  struct WindowCase {
    const char* name;
    SystemId system;
    InterfaceLanguage language;
    // Brings the window up as a user does; a modal one is read while it is open.
    std::function<void(MainWindow&)> open;
    // The main window is read too, as the row leaves it.
    bool readMain;
    // The window works with the main window, and opens beside it.
    bool beside = false;
  };

  static void Trigger(MainWindow& window, const char* action) {
    auto* found = window.findChild<QAction*>(QString::fromLatin1(action));
    QVERIFY2(found, action);
    found->trigger();
  }

  template <typename Control>
  static Control* Find(const char* name) {
    for (QWidget* window : QApplication::topLevelWidgets())
      if (auto* found = window->findChild<Control*>(QString::fromLatin1(name)); found && found->isVisible()) return found;
    return nullptr;
  }

  QStringList ReadRow(const WindowCase& row) {
    SetUpProgram();
    WriteFiles(row.language, row.system);
    for (const char* help : {"Help.mht", "HelpJpn.mht", "HelpKor.mht", "HelpIna.mht"})
      QFile::copy(QStringLiteral(TOVARO_BUILD_DIR "/") + QLatin1String(help), Dir() + QLatin1String(help));
    for (const char* list : {"ENGdefault.txt", "INAdefault.txt", "JSLdefault.txt", "RomajiDefault.txt"})
      QFile::copy(QStringLiteral(TOVARO_BUILD_DIR "/") + QLatin1String(list), Dir() + QLatin1String(list));
    MainWindow& window = ShowWindow();
    // Narrow enough at the screen's left to leave room beside it.
    window.move(0, 0);
    window.resize(window.minimumSizeHint());
    const std::set<QWidget*> before = ShownWindows();

    QStringList faults;
    bool modalRead = false;
    const QPointer<QTimer> watch = WatchModals<QWidget>(
        [&](QWidget& modal) {
          faults << WindowFaults(modal);
          if (row.beside && !StandsBeside(modal, window)) faults << QStringLiteral("opened over the main window");
          modalRead = true;
          return false;
        },
        1000);
    row.open(window);
    delete watch.data();
    for (QWidget* shown : ShownWindows()) {
      const bool opened = !before.contains(shown);
      if (opened || (row.readMain && shown == &window)) faults << WindowFaults(*shown);
      if (opened && row.beside && !StandsBeside(*shown, window)) faults << QStringLiteral("opened over the main window");
    }
    if (!modalRead && ShownWindows() == before && !row.readMain) faults << QStringLiteral("no window opened");
    TearDownProgram();
    return faults;
  }

 private slots:
  void everyWindowIsAnnouncedEveryControlNamedAndNothingHiddenReadable() {
    using enum SystemId;
    const auto nothing = [](MainWindow&) {};
    const auto startPractice = [](MainWindow& window) {
      Trigger(window, "mnuQuiz");
      if (auto* typed = Find<QCheckBox>("chkTypedAnswer")) typed->setChecked(true);
      auto* start = Find<QPushButton>("btnStartPractice");
      QVERIFY(start);
      start->click();
    };
    const std::vector<WindowCase> rows{
        {"main window", American, InterfaceLanguage::English, nothing, true},
        {"main window, Korean", KoreanHangul, InterfaceLanguage::English, nothing, true},
        {"main window, numerals", JapaneseKana, InterfaceLanguage::Japanese,
         [](MainWindow& window) { ControlsOf(window).numericBox->click(); }, true},
        {"main window, recording", BritishTwoHanded, InterfaceLanguage::English,
         [](MainWindow& window) { Trigger(window, "mnuBmp"); }, true},
        {"pose editor", American, InterfaceLanguage::English, [](MainWindow& window) { Trigger(window, "mnuEdit"); }, false},
        {"word list editor", American, InterfaceLanguage::English, [](MainWindow& window) { Trigger(window, "mnuList"); }, false, true},
        {"reading list editor", JapaneseKana, InterfaceLanguage::Japanese,
         [](MainWindow& window) { Trigger(window, "mnuList"); }, false, true},
        {"practice before Start", American, InterfaceLanguage::English,
         [](MainWindow& window) { Trigger(window, "mnuQuiz"); }, true, true},
        {"practice with typed answers", American, InterfaceLanguage::English, startPractice, true},
        {"progress", American, InterfaceLanguage::English, [](MainWindow& window) { Trigger(window, "mnuProgress"); }, false, true},
        {"reference chart", American, InterfaceLanguage::English, [](MainWindow& window) { Trigger(window, "mnuChart"); }, false, true},
        {"help", American, InterfaceLanguage::English, [](MainWindow& window) { Trigger(window, "mnuEnglishHelp"); }, false},
        {"about", American, InterfaceLanguage::English, [](MainWindow& window) { Trigger(window, "mnuAbout"); }, false},
        {"language", American, InterfaceLanguage::English, [](MainWindow& window) { Trigger(window, "mnuLang"); }, false},
        {"systems", American, InterfaceLanguage::English, [](MainWindow& window) { Trigger(window, "mnuOption"); }, false},
        {"fonts", American, InterfaceLanguage::English, [](MainWindow& window) { Trigger(window, "mnuFont"); }, false},
        {"sign name", American, InterfaceLanguage::English,
         [](MainWindow& window) {
           Trigger(window, "mnuEdit");
           if (auto* add = Find<QPushButton>("cmdAddChar")) add->click();
         },
         false},
        {"frame copy", American, InterfaceLanguage::English,
         [](MainWindow& window) {
           Trigger(window, "mnuEdit");
           if (auto* copy = Find<QPushButton>("CopyCmd")) copy->click();
         },
         false},
    };
    QStringList faults;
    for (const WindowCase& row : rows)
      for (const QString& fault : ReadRow(row)) faults << QString::fromLatin1(row.name) + QStringLiteral(": ") + fault;
    for (const QString& fault : faults) qWarning().noquote() << fault;
    QVERIFY2(faults.isEmpty(), "see the faults above");
  }
};

TOVARO_GUI_TEST(AccessibilityWalkTest);

#include "accessibility_walk_test.moc"
