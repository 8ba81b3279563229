#include "gui/practice/practice_chart.h"

#include "gui/practice/practice_window.h"
#include "shell/caption_table.h"
#include "support/gui_test_suites.h"

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

}  // namespace

class PracticeChartTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
  void cleanupTestCase() { QLocale::setDefault(QLocale::system()); }

  // Painted in the practice window's own size and in the smallest the chart allows,
  // with no session, a few and more than the bars have room to date: every text stays
  // inside the chart and no two texts overlap.
  void theLabelsFitAndStayApart_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("sessions");
    QTest::addColumn<bool>("smallest");
    for (int language : {0, 1})
      for (int sessions : {0, 1, 4, 10, 30})
        for (bool smallest : {false, true})
          QTest::addRow("language %d, %d sessions%s", language, sessions, smallest ? ", smallest" : "")
              << language << sessions << smallest;
  }

  void theLabelsFitAndStayApart() {
    QFETCH(int, language);
    QFETCH(int, sessions);
    QFETCH(bool, smallest);
    PracticeWindow window;
    window.SetCaptions(CaptionTable(), *InterfaceLanguageFromNumber(language), window.font());
    window.ShowHistory(Sessions(sessions));
    window.adjustSize();
    auto* chart = window.findChild<PracticeChart*>("PracticeChart");
    QVERIFY(chart != nullptr);
    if (smallest) chart->resize(chart->minimumSize());
    QImage picture(chart->size(), QImage::Format_ARGB32);
    chart->render(&picture);

    const std::vector<PracticeChart::DrawnLabel>& labels = chart->DrawnLabels();
    QStringList texts;
    for (const PracticeChart::DrawnLabel& label : labels) texts << label.text;
    const CaptionTable captions;
    QVERIFY(texts.contains(captions.Caption(RightShareAxisCaption, *InterfaceLanguageFromNumber(language))));
    QVERIFY(texts.contains(captions.Caption(SpeedAxisCaption, *InterfaceLanguageFromNumber(language))));
    QVERIFY(texts.contains(QStringLiteral("100")));
    if (sessions == 0) QVERIFY(texts.contains(captions.Caption(NoSessionCaption, *InterfaceLanguageFromNumber(language))));
    if (sessions > 0) {
      // The newest session is always dated, and at most as many dates as sessions.
      // In the system's date form (German here), not always the US one.
      const QDate newest = Sessions(sessions).back().When.toLocalTime().date();
      QVERIFY(texts.contains(u"%1.%2"_qs.arg(newest.day(), 2, 10, QChar(u'0')).arg(newest.month(), 2, 10, QChar(u'0'))));
      QVERIFY(texts.filter(QStringLiteral(".")).size() <= sessions);
      QVERIFY(texts.filter(QStringLiteral(".")).size() >= std::min(sessions, 3));
    }
    const QRectF inside(QPointF(0, 0), QSizeF(chart->size()));
    for (size_t i = 0; i < labels.size(); ++i) {
      QVERIFY2(inside.contains(labels[i].box), qPrintable(labels[i].text));
      for (size_t j = i + 1; j < labels.size(); ++j)
        QVERIFY2(!labels[i].box.intersects(labels[j].box), qPrintable(labels[i].text + QStringLiteral(" / ") + labels[j].text));
    }
  }
};

TOVARO_GUI_TEST(PracticeChartTest);

#include "practice_chart_test.moc"
