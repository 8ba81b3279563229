#include "shell/help_archive_writer.h"
#include "gui/help/help_browser.h"
#include "gui/help/help_window.h"

#include "support/fifo_trap.h"
#include "support/file_contents.h"
#include "support/gui_test_suites.h"
#include "support/main_window_harness.h"
#include "support/main_window_lookup.h"
#include "support/window_texts.h"

#include <QBuffer>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QScrollBar>
#include <QTextDocument>

namespace {

// Receives the web addresses the help hands to the desktop.
class UrlCatcher : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> opened;

 public slots:
  void Open(const QUrl& url) { opened << url; }
};

QByteArray Png(const QSize& size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::red);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

}  // namespace

class HelpWindowTest : public QObject, private MainWindowHarness {
  Q_OBJECT

 private:
  // The built document, put beside the program under test.
  void Ship(const char* fileName) {
    QVERIFY(QFile::copy(QStringLiteral(TOVARO_BUILD_DIR "/") + QLatin1String(fileName),
                        Dir() + QLatin1String(fileName)));
  }

  QList<HelpWindow*> HelpWindows() const {
    QList<HelpWindow*> shown;
    for (HelpWindow* window : window_->findChildren<HelpWindow*>())
      if (window->isVisible()) shown << window;
    return shown;
  }

  // Clicks the first link whose text is `text`, as a user would.
  static void ClickLink(HelpBrowser& browser, const QString& text) {
    const QTextCursor found = browser.document()->find(text);
    QVERIFY2(!found.isNull(), qPrintable(text));
    browser.setTextCursor(QTextCursor(browser.document()));
    browser.ensureCursorVisible();
    QTextCursor inside(browser.document());
    inside.setPosition(found.selectionStart() + 2);
    const QPoint point = browser.cursorRect(inside).center();
    QTest::mouseClick(browser.viewport(), Qt::LeftButton, {}, point);
  }

 private slots:
  void init() {
    SetUpProgram();
    WriteFiles(InterfaceLanguage::English, SystemId::American);
  }
  void cleanup() { TearDownProgram(); }

  // The documents are found beside the program whatever the working folder; each opens
  // in a window of its own with its tool bar, and one that is missing or unreadable is
  // told and opens nothing.
  void eachDocumentOpensInItsOwnWindowFromAnyFolderOrSaysWhyNot() {
    Ship("HelpKor.mht");
    Ship("HelpJpn.mht");
    // An archive cut short: the reader's own reason is told with the path.
    const QByteArray korean = FileContents(Dir() + "HelpKor.mht");
    QVERIFY(WriteFileContents(Dir() + "HelpIna.mht", korean.left(korean.size() / 2)));
    QTemporaryDir elsewhere;
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(elsewhere.path()));
    MainWindow& window = ShowWindow();
    const QStringList messages = MessagesDuring([&] {
      MenusOf(window).mnuKoreanHelp->trigger();
      MenusOf(window).mnuKoreanHelp->trigger();
      MenusOf(window).mnuJapaneseHelp->trigger();
    });
    QDir::setCurrent(before);
    QCOMPARE(messages, QStringList());
    // A missing or unreadable document says so and opens nothing.
    QCOMPARE(MessagesDuring([&] { MenusOf(window).mnuEnglishHelp->trigger(); }),
             QStringList{"The help file could not be found: " + Dir() + "Help.mht"});
    QCOMPARE(MessagesDuring([&] { MenusOf(window).mnuIndonesianHelp->trigger(); }),
             QStringList{"The help file could not be read: " + Dir() + "HelpIna.mht\nThe MIME structure is damaged."});
    QCOMPARE(window.findChildren<HelpWindow*>().size(), 3);
    QList<HelpWindow*> windows = HelpWindows();
    QCOMPARE(windows.size(), 3);
    QCOMPARE(windows.takeLast()->windowTitle(), QStringLiteral("Tovaro ヘルプ"));
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    for (HelpWindow* help : windows) {
      QCOMPARE(help->windowTitle(), QStringLiteral("Tovaro 도움말"));
      QVERIFY(help->isWindow());
      QVERIFY(!help->isFullScreen());
      QVERIFY(help->findChild<QMenuBar*>() == nullptr);
      QVERIFY(help->browser->toPlainText().contains(QStringLiteral("지문자 일람표")));
      const QStringList names{"cmdBack", "cmdForward", "cmdHome", "cmdZoomIn", "cmdZoomOut", "cmdFind"};
      for (const QString& name : names) {
        auto* button = help->findChild<QToolButton*>(name);
        QVERIFY2(button, qPrintable(name));
        QVERIFY2(!button->accessibleName().isEmpty(), qPrintable(name));
        QCOMPARE(button->accessibleName(), button->text());
      }
      QCOMPARE(help->findChild<QToolButton*>("cmdBack")->accessibleName(), QStringLiteral("뒤로"));
    }
  }

  void backAndForwardAfterALinkAndOnlyWebLinksLeaveTheArchive() {
    Ship("Help.mht");
    MainWindow& window = ShowWindow();
    MenusOf(window).mnuEnglishHelp->trigger();
    QCOMPARE(HelpWindows().size(), 1);
    HelpWindow& help = *HelpWindows().first();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    QVERIFY(!help.backAction->isEnabled());
    QVERIFY(!help.forwardAction->isEnabled());

    ClickLink(*help.browser, QStringLiteral("Troubleshooting"));
    QCOMPARE(help.browser->source().fragment(), QStringLiteral("trouble"));
    QVERIFY(help.browser->verticalScrollBar()->value() > 0);
    QVERIFY(help.backAction->isEnabled());

    help.backAction->trigger();
    QCOMPARE(help.browser->source().fragment(), QString());
    QVERIFY(help.forwardAction->isEnabled());
    help.forwardAction->trigger();
    QCOMPARE(help.browser->source().fragment(), QStringLiteral("trouble"));
    help.homeAction->trigger();
    QCOMPARE(help.browser->source().fragment(), QString());

    // Zoom and Find act on the page.
    const int size = help.browser->font().pointSize();
    help.zoomInAction->trigger();
    QVERIFY(help.browser->font().pointSize() > size);
    help.zoomOutAction->trigger();
    QCOMPARE(help.browser->font().pointSize(), size);
    help.findAction->trigger();
    QTest::keyClicks(help.findBox, QStringLiteral("Tovaro.ini"));
    QTest::keyClick(help.findBox, Qt::Key_Return);
    QCOMPARE(help.browser->textCursor().selectedText(), QStringLiteral("Tovaro.ini"));

    // Web links go to the desktop and nothing else leaves the archive.
    HelpBrowser& browser = *help.browser;
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "Open");
    browser.FollowLink(QUrl(QStringLiteral("https://example.org/fingerspelling")));
    browser.FollowLink(QUrl(QStringLiteral("file:///etc/passwd")));
    browser.FollowLink(QUrl(QStringLiteral("other.html")));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QCOMPARE(catcher.opened, QList<QUrl>{QUrl(QStringLiteral("https://example.org/fingerspelling"))});
    QCOMPARE(browser.source(), browser.PageUrl());

    // Pictures come from the archive; the disk and the network give nothing.
    const QVariant chart = browser.loadResource(QTextDocument::ImageResource, QUrl("pictures/chart-asl.png"));
    QVERIFY(chart.value<QImage>().width() > 16);
    const QImage outside =
        browser.loadResource(QTextDocument::ImageResource, QUrl("file:///etc/passwd")).value<QImage>();
    QCOMPARE(outside.size(), QSize(16, 16));
    QCOMPARE(browser.loadResource(QTextDocument::HtmlResource, QUrl("https://example.org/")).toString(), QString());
  }

  void aPageSavedFromTheWebKeepsItsOwnLinksInside() {
    const QByteArray page =
        "<html><body><p><a href=\"#end\">down</a> <a href=\"https://example.org/other\">out</a>"
        " <img src=\"pic.png\"></p>" + QByteArray(4000, '\n') + "<p><a name=\"end\"></a>end</p></body></html>";
    HelpArchiveReading reading = ReadHelpArchive(WriteHelpArchive(
        QStringLiteral("https://example.org/help/page.html"), page,
        {{QStringLiteral("https://example.org/help/pic.png"), QStringLiteral("image/png"), Png(QSize(3, 2))}}));
    QVERIFY(reading.archive);
    HelpWindow help(std::move(*reading.archive), HelpToolBarCaptionsFor(0));
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "Open");
    help.browser->FollowLink(QUrl(QStringLiteral("#end")));
    QCOMPARE(help.browser->source().fragment(), QStringLiteral("end"));
    help.homeAction->trigger();
    help.browser->FollowLink(QUrl(QStringLiteral("https://example.org/help/page.html#end")));
    QCOMPARE(help.browser->source().fragment(), QStringLiteral("end"));
    help.browser->FollowLink(QUrl(QStringLiteral("https://example.org/other")));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QCOMPARE(catcher.opened, QList<QUrl>{QUrl(QStringLiteral("https://example.org/other"))});
    QCOMPARE(help.browser->loadResource(QTextDocument::ImageResource, QUrl("pic.png")).value<QImage>().size(),
             QSize(3, 2));
  }

  // A page that points outside its archive - at a missing file, up out of the current
  // folder, at a FIFO that would block for good - shows, and no file is opened for it.
  void aPageShowsWithoutOpeningAnythingOutsideItsArchive() {
    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkpath(QStringLiteral("a/b")));
    QVERIFY(QDir(root.path()).mkpath(QStringLiteral("etc")));
    FifoTrap upward(root.filePath(QStringLiteral("etc/hostname")));
    FifoTrap direct(root.filePath(QStringLiteral("pipe.png")));
    QVERIFY(upward.IsSet() && direct.IsSet());
    const QByteArray page = "<html><body><p>outside</p><img src=\"/nonexistent/x.png\">"
                            "<img src=\"../../etc/hostname\"><img src=\"" +
                            QFile::encodeName(root.filePath(QStringLiteral("pipe.png"))) +
                            "\"><img src=\"empty.png\"></body></html>";
    HelpArchiveReading reading = ReadHelpArchive(WriteHelpArchive(
        QStringLiteral("page.html"), page, {{QStringLiteral("empty.png"), QStringLiteral("image/png"), QByteArray()}}));
    QVERIFY(reading.archive);
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(root.filePath(QStringLiteral("a/b"))));
    {
      HelpWindow help(std::move(*reading.archive), HelpToolBarCaptionsFor(0));
      help.show();
      QVERIFY(QTest::qWaitForWindowExposed(&help));
      help.grab();
      QVERIFY(help.browser->toPlainText().contains(QStringLiteral("outside")));
    }
    QDir::setCurrent(before);
    QVERIFY(!upward.Opened());
    QVERIFY(!direct.Opened());
  }

  // A document without a title of its own, opened in each interface language with its
  // tool bar in that language, shows every text the English one does and none in English.
  void anUntitledDocumentsWindowSpeaksEachInterfaceLanguage() {
    const auto texts = [](InterfaceLanguage language) {
      const InterfaceLanguageScope scope(language);
      const HelpWindow window(HelpArchive{}, HelpToolBarCaptionsFor(InterfaceLanguageNumber(language)));
      return WindowTexts(window);
    };
    const QStringList english = texts(InterfaceLanguage::English);
    QVERIFY(english.contains(u"Tovaro Help"_qs));
    for (const InterfaceLanguage language :
         {InterfaceLanguage::Japanese, InterfaceLanguage::Korean, InterfaceLanguage::Indonesian}) {
      const QStringList translated = texts(language);
      const QStringList left = EnglishLeft(english, translated, {});
      QVERIFY2(left.isEmpty(), qPrintable(left.join(u" | ")));
      QCOMPARE(translated.size(), english.size());
    }
  }
};

TOVARO_GUI_TEST(HelpWindowTest);

#include "help_window_test.moc"
