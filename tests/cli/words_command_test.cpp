#include "cli/words_command.h"

#include "support/command_run.h"
#include "support/file_contents.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

CommandRun Words(const QStringList& arguments) { return RunCommand(RunWordsCommand, arguments); }

}  // namespace

TEST(WordsCommand, PrintsOneJsonLinePerEntryInTheFormatOfTheFileName) {
  QTemporaryDir dir;
  const QString reading = dir.filePath(QStringLiteral("JSLdefault.txt"));
  const QString html = dir.filePath(QStringLiteral("k.html"));
  const QString plain = dir.filePath(QStringLiteral("words.txt"));
  ASSERT_TRUE(WriteFileContents(reading, "\xef\xbd\xb2\xef\xbe\x87,\xe7\x8a\xac\r\n"));  // ｲﾇ,犬
  ASSERT_TRUE(WriteFileContents(html, "<p>&#54620;</p>\r\n"));
  ASSERT_TRUE(WriteFileContents(plain, "cat\r\ncaf\xc3\xa9\r\n"));

  EXPECT_EQ(Words({reading}).out, "{\"reading\":\"\xef\xbd\xb2\xef\xbe\x87\",\"word\":\"\xe7\x8a\xac\"}\n");
  EXPECT_EQ(Words({html}).out, "{\"word\":\"\xed\x95\x9c\"}\n");
  EXPECT_EQ(Words({"--format", "html", plain}).out, "");

  const CommandRun checked = Words({"--check", "2", plain});
  EXPECT_EQ(checked.status, 1);
  EXPECT_EQ(checked.out, "{\"spells\":true,\"word\":\"cat\"}\n{\"spells\":false,\"word\":\"caf\xc3\xa9\"}\n");
  EXPECT_EQ(checked.err, "1 of 2 entries cannot be spelled in system 2\n");
  EXPECT_EQ(Words({"--check", "2", "--format", "plain", reading}).status, 1);
}

TEST(WordsCommand, AnUnreadableFileOrWrongUsageFails) {
  const CommandRun missing = Words({"/no/such/list.txt"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "Error /no/such/list.txt: the file does not exist\n");
  EXPECT_EQ(Words({}).status, 2);
  EXPECT_EQ(Words({"--format", "csv", "a.txt"}).status, 2);
  EXPECT_EQ(Words({"--check", "6", "a.txt"}).status, 2);
}
