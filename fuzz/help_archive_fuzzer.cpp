// Any bytes as a help archive. The reader ends, says why when it refuses, and an
// archive it takes can be searched for each of its parts and for its page.
#include "shell/help_archive.h"

#include <QUrl>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const HelpArchiveReading reading =
      ReadHelpArchive(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  if (!reading.archive) {
    if (reading.error.isEmpty()) std::abort();
    return 0;
  }
  const HelpArchive& archive = *reading.archive;
  if (!archive.IsPage(QString()) || !archive.IsPage(archive.htmlLocation)) std::abort();
  for (const HelpArchivePart& part : archive.parts) {
    // A cid: reference carries the Content-ID percent-encoded, as a page writes it.
    const QString reference = QStringLiteral("cid:") + QString::fromUtf8(QUrl::toPercentEncoding(part.contentId));
    if (!part.contentId.isEmpty() && archive.FindPart(reference) == nullptr) std::abort();
    if (!part.location.isEmpty()) archive.FindPart(part.location);
  }
  return 0;
}
