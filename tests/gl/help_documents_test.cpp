// The four built help documents: each a web archive whose page finds every picture and
// anchor it names, all four with the same sections in the same order, and charts that
// are the pictures the shipped angle files draw today.
#include "cli/render_command.h"
#include "shell/help_archive.h"
#include "shell/help_documents.h"

#include "support/command_run.h"

#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString BuiltDocument(int16_t index) {
  return QStringLiteral(TOVARO_BUILD_DIR "/") + HelpDocumentFileName(index);
}

HelpArchive ReadBuilt(int16_t index) {
  HelpArchiveReading reading = ReadHelpArchiveFile(BuiltDocument(index));
  EXPECT_TRUE(reading.archive) << BuiltDocument(index).toStdString() << ": "
                               << reading.error.toStdString();
  return reading.archive ? std::move(*reading.archive) : HelpArchive{};
}

QStringList Captures(const QString& html, const QString& pattern) {
  QStringList found;
  QRegularExpressionMatchIterator matches = QRegularExpression(pattern).globalMatch(html);
  while (matches.hasNext()) found << matches.next().captured(1);
  return found;
}

QStringList Sections(const QString& html, const char* level) {
  return Captures(html, QStringLiteral("<%1><a name=\"([^\"]+)\"></a>").arg(QLatin1String(level)));
}

}  // namespace

// Every document in the four languages has the sections of the English one, in the
// same order, and the same pictures.
TEST(HelpDocumentsTest, EveryDocumentHoldsOnePageWithTheSameSectionsAndEveryPictureAndAnchorItNames) {
  const HelpArchive english = ReadBuilt(0);
  EXPECT_EQ(Sections(english.html, "h2"), (QStringList{"start", "systems", "charts", "editor", "wordlists",
                                                       "practice", "capture", "language", "settings", "cli",
                                                       "trouble"}));
  EXPECT_EQ(Sections(english.html, "h3"), (QStringList{"alphabets", "japanese", "korean", "numerals"}));
  for (int16_t index = 0; index < kHelpDocumentCount; ++index) {
    SCOPED_TRACE(HelpDocumentFileName(index).toStdString());
    const HelpArchive archive = ReadBuilt(index);
    ASSERT_FALSE(archive.html.isEmpty());
    EXPECT_FALSE(archive.title.isEmpty());
    EXPECT_EQ(Sections(archive.html, "h2"), Sections(english.html, "h2"));
    EXPECT_EQ(Sections(archive.html, "h3"), Sections(english.html, "h3"));
    EXPECT_EQ(Captures(archive.html, QStringLiteral("<h3>")).size(),
              Captures(english.html, QStringLiteral("<h3>")).size());
    if (index > 0) {
      EXPECT_NE(archive.html, english.html);
    }

    const QStringList pictures = Captures(archive.html, QStringLiteral("<img src=\"([^\"]+)\""));
    EXPECT_EQ(pictures.size(), 6);  // the main window and five charts
    EXPECT_EQ(pictures, Captures(english.html, QStringLiteral("<img src=\"([^\"]+)\"")));
    QSet<QString> used;
    for (const QString& picture : pictures) {
      const HelpArchivePart* part = archive.FindPart(picture);
      ASSERT_NE(part, nullptr) << picture.toStdString();
      EXPECT_FALSE(QImage::fromData(part->data).isNull()) << picture.toStdString();
      used.insert(part->location);
    }
    EXPECT_EQ(used.size(), archive.parts.size()) << "a part no page refers to";

    const QStringList names = Captures(archive.html, QStringLiteral("<a name=\"([^\"]+)\">"));
    const QSet<QString> anchors(names.begin(), names.end());
    EXPECT_EQ(anchors.size(), names.size()) << "an anchor named twice";
    const QStringList links = Captures(archive.html, QStringLiteral("href=\"([^\"]*)\""));
    EXPECT_GT(links.size(), 20);
    for (const QString& link : links) {
      ASSERT_TRUE(link.startsWith(u'#')) << "a link that leaves the page: " << link.toStdString();
      EXPECT_TRUE(anchors.contains(link.mid(1))) << link.toStdString();
    }
    for (const char* active : {"<script", "javascript:", " onclick=", " onload=", "<iframe", "<object"})
      EXPECT_FALSE(archive.html.contains(QLatin1String(active), Qt::CaseInsensitive)) << active;
  }
}

TEST(HelpDocumentsTest, ChartsAreThoseTheShippedAngleFilesDrawNow) {
  const HelpArchive archive = ReadBuilt(0);
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const struct {
    const char* table;
    const char* hands;
  } tables[] = {{"BSL", "2"}, {"INA", "2"}, {"ASL", "1"}, {"JSL", "1"}, {"KSL", "1"}};
  for (const auto& table : tables) {
    SCOPED_TRACE(table.table);
    const QString name = QString::fromLatin1(table.table).toLower();
    const QString drawn = folder.filePath(name + ".png");
    const CommandRun run = RunCommand(
        RunRenderCommand,
        {"--angles", QStringLiteral(TOVARO_SOURCE_DIR "/data/Position%1.csv").arg(table.table),
         "--hands", table.hands, "--chart", "--size", TOVARO_HELP_CHART_SIZE, "--columns",
         TOVARO_HELP_CHART_COLUMNS, "--out", drawn});
    ASSERT_EQ(run.status, 0) << run.err;
    const HelpArchivePart* part = archive.FindPart(QStringLiteral("pictures/chart-%1.png").arg(name));
    ASSERT_NE(part, nullptr);
    const QImage shipped = QImage::fromData(part->data).convertToFormat(QImage::Format_RGB32);
    const QImage now = QImage(drawn).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(now.isNull());
    EXPECT_EQ(shipped.size(), now.size());
    EXPECT_TRUE(shipped == now) << "the help's chart is not what the angle file draws; rebuild";
  }
}
