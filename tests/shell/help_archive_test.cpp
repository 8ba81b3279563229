#include "shell/help_archive.h"
#include "shell/help_archive_writer.h"

#include "support/file_contents.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>


namespace {

const QByteArray kPage =
    "<html><head><title>Hilfe \xc3\xa4</title></head><body>"
    "<p>\xe6\x89\x8b\xe8\xa9\xb1 <img src=\"pictures/a.png\"></p></body></html>";

QByteArray SmallArchive() {
  return WriteHelpArchive(QStringLiteral("help.html"), kPage,
                          {{QStringLiteral("pictures/a.png"), QStringLiteral("image/png"),
                            QByteArray("\x89PNG\r\n\x1a\n-picture-bytes", 22)},
                           {QStringLiteral("pictures/b.png"), QStringLiteral("image/png"),
                            QByteArray(3000, '\x07')}});
}

// A hand-made archive around `body`, so each test names exactly what is wrong.
QByteArray HandMade(const QByteArray& contentType, const QByteArray& body) {
  return "MIME-Version: 1.0\r\nContent-Type: " + contentType + "\r\n\r\n" + body;
}

const QByteArray kHtmlPart =
    "--b\r\nContent-Type: text/html; charset=utf-8\r\nContent-Location: help.html\r\n\r\n"
    "<html><body>x</body></html>\r\n";

}  // namespace

TEST(HelpArchiveTest, WrittenArchiveReadsBackWithItsPageAndParts) {
  const HelpArchiveReading reading = ReadHelpArchive(SmallArchive());
  ASSERT_TRUE(reading.archive) << reading.error.toStdString();
  const HelpArchive& archive = *reading.archive;
  EXPECT_EQ(archive.html, QString::fromUtf8(kPage));
  EXPECT_EQ(archive.title, QStringLiteral("Hilfe ä"));
  EXPECT_EQ(archive.htmlLocation, QStringLiteral("help.html"));
  ASSERT_EQ(archive.parts.size(), 2u);
  EXPECT_EQ(archive.parts[0].contentType, QStringLiteral("image/png"));
  EXPECT_EQ(archive.parts[0].data, QByteArray("\x89PNG\r\n\x1a\n-picture-bytes", 22));
  EXPECT_EQ(archive.parts[1].data, QByteArray(3000, '\x07'));

  // References as a page makes them: relative, resolved, and by Content-ID.
  for (const char* reference : {"pictures/a.png", "./pictures/a.png", "cid:pictures/a.png@tovaro.help"}) {
    const HelpArchivePart* part = archive.FindPart(QString::fromLatin1(reference));
    ASSERT_NE(part, nullptr) << reference;
    EXPECT_EQ(part->location, QStringLiteral("pictures/a.png"));
  }
  for (const char* missing : {"pictures/c.png", "a.png", "cid:nothing", "", "file:///etc/passwd"})
    EXPECT_EQ(archive.FindPart(QString::fromLatin1(missing)), nullptr) << missing;
  for (const char* page : {"", "#start", "help.html", "help.html#trouble"})
    EXPECT_TRUE(archive.IsPage(QString::fromLatin1(page))) << page;
  for (const char* other : {"other.html", "https://example.org/", "pictures/a.png"})
    EXPECT_FALSE(archive.IsPage(QString::fromLatin1(other))) << other;
}

TEST(HelpArchiveTest, TruncatedArchivesAreRefusedWhereverTheyAreCut) {
  const QByteArray whole = SmallArchive();
  ASSERT_TRUE(ReadHelpArchive(whole).archive);
  for (qsizetype length = 0; length < whole.size(); length += 37) {
    const HelpArchiveReading reading = ReadHelpArchive(whole.left(length));
    EXPECT_FALSE(reading.archive) << "cut at " << length;
    EXPECT_FALSE(reading.error.isEmpty()) << "cut at " << length;
  }
}

TEST(HelpArchiveTest, MalformedArchivesAreRefusedWithAReason) {
  const struct {
    const char* what;
    QByteArray bytes;
  } cases[] = {
      {"empty", QByteArray()},
      {"plain text", QByteArray("just some words\r\n")},
      {"a single HTML part", HandMade("text/html", "<html></html>")},
      {"mixed, not related", HandMade("multipart/mixed; boundary=b", kHtmlPart + "--b--\r\n")},
      {"no boundary parameter", HandMade("multipart/related", kHtmlPart + "--b--\r\n")},
      {"no closing boundary", HandMade("multipart/related; boundary=b", kHtmlPart)},
      {"no part at all", HandMade("multipart/related; boundary=b", "--b--\r\n")},
      {"no HTML page",
       HandMade("multipart/related; boundary=b",
                "--b\r\nContent-Type: image/png\r\nContent-Location: a.png\r\n\r\nxx\r\n--b--\r\n")},
      {"unknown character set",
       HandMade("multipart/related; boundary=b",
                "--b\r\nContent-Type: text/html; charset=x-no-such-set\r\n\r\n<html></html>\r\n--b--\r\n")},
      {"page not valid UTF-8",
       HandMade("multipart/related; boundary=b",
                "--b\r\nContent-Type: text/html; charset=utf-8\r\n\r\n<p>\xff\xfe</p>\r\n--b--\r\n")},
      {"nested multipart",
       HandMade("multipart/related; boundary=b",
                kHtmlPart + "--b\r\nContent-Type: multipart/mixed; boundary=c\r\n\r\n--c\r\n"
                            "Content-Type: text/plain\r\n\r\nx\r\n--c--\r\n--b--\r\n")},
      {"start names an image",
       HandMade("multipart/related; boundary=b; start=\"<p@x>\"",
                "--b\r\nContent-Type: image/png\r\nContent-ID: <p@x>\r\n\r\nxx\r\n" + kHtmlPart +
                    "--b--\r\n")},
  };
  for (const auto& test : cases) {
    const HelpArchiveReading reading = ReadHelpArchive(test.bytes);
    EXPECT_FALSE(reading.archive) << test.what;
    EXPECT_FALSE(reading.error.isEmpty()) << test.what;
  }
  // The same frame with nothing wrong reads, so the cases above fail for their own reason.
  EXPECT_TRUE(ReadHelpArchive(HandMade("multipart/related; boundary=b", kHtmlPart + "--b--\r\n")).archive);
}

TEST(HelpArchiveTest, APageWithoutALocationStillResolvesItsPictures) {
  const HelpArchiveReading reading = ReadHelpArchive(HandMade(
      "multipart/related; boundary=b",
      "--b\r\nContent-Type: text/html\r\n\r\n<img src=\"p.png\">\r\n"
      "--b\r\nContent-Type: image/png\r\nContent-Location: p.png\r\n"
      "Content-Transfer-Encoding: base64\r\n\r\nAAEC\r\n--b--\r\n"));
  ASSERT_TRUE(reading.archive) << reading.error.toStdString();
  EXPECT_FALSE(reading.archive->htmlLocation.isEmpty());
  EXPECT_TRUE(reading.archive->IsPage(reading.archive->htmlLocation + "#x"));
  const HelpArchivePart* picture = reading.archive->FindPart(QStringLiteral("p.png"));
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->data, QByteArray("\x00\x01\x02", 3));
}

TEST(HelpArchiveTest, FilesThatCannotBeReadAreErrors) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  EXPECT_FALSE(ReadHelpArchiveFile(folder.filePath("missing.mht")).archive);
  EXPECT_FALSE(ReadHelpArchiveFile(folder.path()).archive);
  const QString written = folder.filePath("Help.mht");
  ASSERT_TRUE(WriteFileContents(written, SmallArchive()));
  EXPECT_TRUE(ReadHelpArchiveFile(written).archive);
}
