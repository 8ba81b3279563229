#include "gui/practice/practice_chart.h"

#include "gui/practice/practice_window.h"
#include "shell/caption_table.h"
#include "support/gui_test_suites.h"

#include <QAbstractAxis>
#include <QCategoryAxis>
#include <QImage>
#include <QtTest>

namespace {

std::vector<PracticeSessionRecord> Sessions(int count) {
  std::vector<PracticeSessionRecord> sessions;
  const QDateTime first(QDate(2026, 11, 20), QTime(10, 0), Qt::UTC);
  for (int i = 0; i < count; ++i)
    sessions.push_back({first.addDays(i), SystemId::JapaneseKana, 10, i % 11, 80 + 15 * (i % 7)});
  return sessions;
}

QString GermanDate(const QDateTime& when) {
  const QDate date = when.toLocalTime().date();
  return u"%1.%2"_qs.arg(date.day(), 2, 10, QChar(u'0')).arg(date.month(), 2, 10, QChar(u'0'));
}

}  // namespace

class PracticeChartTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
  void cleanupTestCase() { QLocale::setDefault(QLocale::system()); }

  // Drawn in the practice window's own size and in the smallest the chart allows, with
  // no session, a few and more than the bars have room to date: the scales carry their
  // captions, the newest session is dated and no two dates touch; a screen reader hears
  // every session's numbers, or that there is none.
  void theDatesStayApartAndEverySessionIsSpoken_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("sessions");
    QTest::addColumn<bool>("smallest");
    for (int language : {0, 1})
      for (int sessions : {0, 1, 4, 10, 30})
        for (bool smallest : {false, true})
          QTest::addRow("language %d, %d sessions%s", language, sessions, smallest ? ", smallest" : "")
              << language << sessions << smallest;
  }

  void theDatesStayApartAndEverySessionIsSpoken() {
    QFETCH(int, language);
    QFETCH(int, sessions);
    QFETCH(bool, smallest);
    const InterfaceLanguage interface = *InterfaceLanguageFromNumber(language);
    PracticeWindow window;
    window.SetCaptions(CaptionTable(), interface, window.font());
    window.ShowHistory(Sessions(sessions));
    window.adjustSize();
    auto* chart = window.findChild<PracticeChart*>("PracticeChart");
    QVERIFY(chart != nullptr);
    if (smallest) chart->resize(chart->minimumSize());
    QImage picture(chart->size(), QImage::Format_ARGB32);
    static_cast<QWidget*>(chart)->render(&picture);

    const CaptionTable captions;
    QStringList titles;
    for (QAbstractAxis* axis : chart->chart()->axes(Qt::Vertical)) titles << axis->titleText();
    QCOMPARE(titles, (QStringList{captions.Caption(RightShareAxisCaption, interface),
                                  captions.Caption(SpeedAxisCaption, interface)}));
    QCOMPARE(chart->accessibleName(), captions.Caption(ProgressCaption, interface));
    if (sessions == 0) {
      QCOMPARE(chart->chart()->title(), captions.Caption(NoSessionCaption, interface));
      QCOMPARE(chart->accessibleDescription(), captions.Caption(NoSessionCaption, interface));
      return;
    }
    QVERIFY(chart->chart()->title().isEmpty());
    const std::vector<PracticeSessionRecord> shown = Sessions(sessions);
    const std::vector<int>& dated = chart->DatedSessions();
    // The newest session is always dated, in the system's date form (German here).
    QCOMPARE(dated.back(), sessions - 1);
    QVERIFY(static_cast<int>(dated.size()) >= std::min(sessions, 3));
    auto* dates = qobject_cast<QCategoryAxis*>(chart->chart()->axes(Qt::Horizontal).front());
    QVERIFY(dates->categoriesLabels().contains(GermanDate(shown.back().When)));
    const QFontMetricsF metrics(dates->labelsFont());
    const double slot = chart->chart()->plotArea().width() / sessions;
    for (size_t k = 1; k < dated.size(); ++k) {
      const double room = (dated[k] - dated[k - 1]) * slot;
      QVERIFY2(room > metrics.horizontalAdvance(GermanDate(shown[dated[k]].When)), qPrintable(QString::number(room)));
    }
    QVERIFY(QRectF(QPointF(0, 0), QSizeF(chart->size())).contains(chart->chart()->plotArea()));

    const QStringList spoken = chart->accessibleDescription().split(u"; "_qs);
    QCOMPARE(spoken.size(), sessions);
    const PracticeSessionRecord& newest = shown.back();
    QCOMPARE(spoken.back(), u"%1: %2 %3, %4 %5"_qs.arg(GermanDate(newest.When), captions.Caption(RightShareAxisCaption, interface))
                                .arg(newest.Right * 10)
                                .arg(captions.Caption(SpeedAxisCaption, interface))
                                .arg(newest.AverageSpeed));
  }
};

TOVARO_GUI_TEST(PracticeChartTest);

#include "practice_chart_test.moc"
