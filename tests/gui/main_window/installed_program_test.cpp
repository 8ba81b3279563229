#include "gui/main_window/main_window.h"

#include "shell/program_places.h"
#include "shell/settings_file.h"
#include "support/angle_table_files.h"
#include "support/gui_test_suites.h"
#include "support/main_window_harness.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

// The desktop program installed system-wide: its executable in a read-only bin folder
// with no data beside it, its data in the read-only share/tovaro of the same prefix, and
// the user's files under the XDG folders.
class InstalledProgramTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    savedConfigHome_ = qgetenv("XDG_CONFIG_HOME");
    savedDataHome_ = qgetenv("XDG_DATA_HOME");
  }

  void cleanup() {
    RestoreVariable("XDG_CONFIG_HOME", savedConfigHome_);
    RestoreVariable("XDG_DATA_HOME", savedDataHome_);
  }

  void startsFromTheInstalledDataAndWritesTheSettingsUnderTheUsersConfigFolder() {
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString bin = root.path() + "/prefix/bin/";
    const QString data = root.path() + "/prefix/share/tovaro/";
    QVERIFY(QDir().mkpath(bin));
    QVERIFY(QDir().mkpath(data));
    QVERIFY(WriteEverySystemTable(data));
    const QFileDevice::Permissions readOnly =
        QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther | QFileDevice::ExeOther;
    QVERIFY(QFile::setPermissions(bin, readOnly));
    QVERIFY(QFile::setPermissions(data, readOnly));
    const auto writableAgain = qScopeGuard([&] {
      QFile::setPermissions(bin, readOnly | QFileDevice::WriteOwner);
      QFile::setPermissions(data, readOnly | QFileDevice::WriteOwner);
    });
    qputenv("XDG_CONFIG_HOME", (root.path() + "/config").toUtf8());
    qputenv("XDG_DATA_HOME", (root.path() + "/home-data").toUtf8());

    const ProgramPlaces places = ProgramPlacesFor(bin);
    QCOMPARE(places.DataFolder, data);
    QVERIFY2(places.SettingsFile().startsWith(root.path() + "/config/"), qPrintable(places.SettingsFile()));
    QVERIFY2(places.UserFolder.startsWith(root.path() + "/home-data/"), qPrintable(places.UserFolder));
    QVERIFY(QFileInfo(places.UserFolder).isDir());

    {
      MainWindow window(places);
      bool started = false;
      QVERIFY(MessagesDuring([&] { started = window.StartUp(); }).isEmpty());
      QVERIFY(started);
      QCOMPARE(window.windowTitle(), QStringLiteral("Tovaro — PositionBSL.csv"));
      QCOMPARE(window.Table().HandCount, int16_t{2});
      window.show();
      window.close();
    }
    QVERIFY(QFile::exists(places.SettingsFile()));
    QVERIFY(!QFile::exists(bin + kSettingsFileName));
    QVERIFY(!QFile::exists(data + kSettingsFileName));
  }

 private:
  static void RestoreVariable(const char* name, const QByteArray& value) {
    if (value.isNull())
      qunsetenv(name);
    else
      qputenv(name, value);
  }

  QByteArray savedConfigHome_;
  QByteArray savedDataHome_;
};

TOVARO_GUI_TEST(InstalledProgramTest);

#include "installed_program_test.moc"
