#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

// One resource of a help document (a picture), as stored in the archive: its media type,
// the name the page refers to it by (Content-Location) and its Content-ID without the
// angle brackets, with the transfer encoding already undone.
struct HelpArchivePart {
  QString contentType;
  QString location;
  QString contentId;
  QByteArray data;
};

// A help document read from a single-file web archive (MHTML): the page and the parts it
// refers to. `htmlLocation` is the page's Content-Location, "index.html" when it has none.
struct HelpArchive {
  QString title;
  QString html;
  QString htmlLocation;
  std::vector<HelpArchivePart> parts;

  // The part a page reference names: "cid:ID" by Content-ID, anything else by
  // Content-Location, compared after resolving both against the page's own location.
  // Null when the archive holds no such part.
  const HelpArchivePart* FindPart(const QString& reference) const;
  // True when `reference` (without its fragment) names the page itself; an empty
  // reference is the page.
  bool IsPage(const QString& reference) const;
};

// Either an archive or the reason it could not be read.
struct HelpArchiveReading {
  std::optional<HelpArchive> archive;
  QString error;
};

// Archives larger than this are refused before parsing: the shipped documents are a
// few megabytes, so anything this size is not a help document.
inline constexpr qint64 kLargestHelpArchive = 64 * 1024 * 1024;

// Reads an archive from memory. Refused: anything that is not a multipart/related MIME
// message of plain parts holding exactly one HTML page in a known character set, and
// any archive that is truncated (no closing boundary) or that the MIME parser finds
// malformed.
HelpArchiveReading ReadHelpArchive(const QByteArray& bytes);
// Reads the archive at `path`; a missing or unreadable file is an error like any other.
HelpArchiveReading ReadHelpArchiveFile(const QString& path);
