// GMime first: glib's headers use names that Qt's keyword macros would replace.
#include "shell/gmime_support.h"

#include "shell/help_archive.h"

#include <QFile>
#include <QStringDecoder>
#include <QUrl>

#include <memory>

namespace {

struct GFree {
  void operator()(gpointer memory) const { g_free(memory); }
};
using GString = std::unique_ptr<char, GFree>;

QString FromGMime(const char* text) { return text ? QString::fromUtf8(text) : QString(); }

// The parser goes on past most damage; these are the findings after which what it
// built is not what the file says.
bool IsFatal(GMimeParserWarning warning) {
  switch (warning) {
    case GMIME_WARN_MALFORMED_MULTIPART:
    case GMIME_WARN_TRUNCATED_MESSAGE:
    case GMIME_WARN_MALFORMED_MESSAGE:
    case GMIME_WARN_PART_WITHOUT_CONTENT:
    case GMIME_WARN_INVALID_CONTENT_TYPE:
    case GMIME_CRIT_INVALID_HEADER_NAME:
    case GMIME_CRIT_CONFLICTING_HEADER:
    case GMIME_CRIT_CONFLICTING_PARAMETER:
    case GMIME_CRIT_MULTIPART_WITHOUT_BOUNDARY:
    case GMIME_CRIT_NESTING_OVERFLOW:
    case GMIME_CRIT_PART_WITHOUT_HEADERS_OR_CONTENT:
      return true;
    default:
      return false;
  }
}

void NoteWarning(gint64 /*offset*/, GMimeParserWarning warning, const gchar* /*item*/,
                 gpointer fatalSeen) {
  if (IsFatal(warning)) *static_cast<bool*>(fatalSeen) = true;
}

QByteArray DecodedContent(GMimePart* part) {
  GMimeDataWrapper* content = g_mime_part_get_content(part);
  if (!content) return {};
  GObjectPointer<GMimeStream> sink(g_mime_stream_mem_new());
  if (g_mime_data_wrapper_write_to_stream(content, sink.get()) < 0) return {};
  GByteArray* bytes = g_mime_stream_mem_get_byte_array(GMIME_STREAM_MEM(sink.get()));
  return QByteArray(reinterpret_cast<const char*>(bytes->data), static_cast<qsizetype>(bytes->len));
}

QString MediaType(GMimeObject* object) {
  GMimeContentType* type = g_mime_object_get_content_type(object);
  if (!type) return {};
  GString text(g_mime_content_type_get_mime_type(type));
  return FromGMime(text.get()).toLower();
}

QString ResolvedLocation(const QString& base, const QString& reference) {
  return QUrl(base).resolved(QUrl(reference)).adjusted(QUrl::RemoveFragment).toString();
}

// The page's title, for the window caption: the text of its <title> element.
QString PageTitle(const QString& html) {
  const qsizetype open = html.indexOf(QStringLiteral("<title>"), 0, Qt::CaseInsensitive);
  if (open < 0) return {};
  const qsizetype start = open + 7;
  const qsizetype close = html.indexOf(QStringLiteral("</title>"), start, Qt::CaseInsensitive);
  if (close < 0) return {};
  return html.mid(start, close - start).trimmed();
}

HelpArchiveReading Refused(const QString& reason) { return {std::nullopt, reason}; }

}  // namespace

const HelpArchivePart* HelpArchive::FindPart(const QString& reference) const {
  if (reference.startsWith(QStringLiteral("cid:"), Qt::CaseInsensitive)) {
    const QString id = QUrl::fromPercentEncoding(reference.mid(4).toUtf8());
    for (const HelpArchivePart& part : parts)
      if (!part.contentId.isEmpty() && part.contentId == id) return &part;
    return nullptr;
  }
  const QString wanted = ResolvedLocation(htmlLocation, reference);
  for (const HelpArchivePart& part : parts)
    if (!part.location.isEmpty() && ResolvedLocation(htmlLocation, part.location) == wanted)
      return &part;
  return nullptr;
}

bool HelpArchive::IsPage(const QString& reference) const {
  const QString withoutFragment = QUrl(reference).adjusted(QUrl::RemoveFragment).toString();
  return withoutFragment.isEmpty() ||
         ResolvedLocation(htmlLocation, withoutFragment) ==
             ResolvedLocation(htmlLocation, htmlLocation);
}

HelpArchiveReading ReadHelpArchive(const QByteArray& bytes) {
  if (bytes.isEmpty()) return Refused(QStringLiteral("the file is empty"));
  if (bytes.size() > kLargestHelpArchive) return Refused(QStringLiteral("the file is too large"));
  InitialiseGMime();

  // The stream copies the bytes, so nothing here outlives the caller's buffer.
  GObjectPointer<GMimeStream> stream(g_mime_stream_mem_new_with_buffer(
      bytes.constData(), static_cast<size_t>(bytes.size())));
  GObjectPointer<GMimeParser> parser(g_mime_parser_new_with_stream(stream.get()));
  std::unique_ptr<GMimeParserOptions, decltype(&g_mime_parser_options_free)> options(
      g_mime_parser_options_new(), &g_mime_parser_options_free);
  bool fatalSeen = false;
  g_mime_parser_options_set_warning_callback(options.get(), &NoteWarning, &fatalSeen);
  GObjectPointer<GMimeMessage> message(g_mime_parser_construct_message(parser.get(), options.get()));
  if (!message) return Refused(QStringLiteral("not a MIME message"));
  if (fatalSeen) return Refused(QStringLiteral("the MIME structure is damaged"));

  GMimeObject* root = g_mime_message_get_mime_part(message.get());
  if (!root || !GMIME_IS_MULTIPART(root) || MediaType(root) != QStringLiteral("multipart/related"))
    return Refused(QStringLiteral("not a multipart/related web archive"));
  GMimeMultipart* multipart = GMIME_MULTIPART(root);

  // A cut-off file still parses, with its last part short; only the closing delimiter
  // shows that the writer finished.
  const char* boundary = g_mime_multipart_get_boundary(multipart);
  if (!boundary || !*boundary) return Refused(QStringLiteral("the archive has no boundary"));
  const QByteArray closing = QByteArray("\n--") + boundary + "--";
  if (!bytes.contains(closing)) return Refused(QStringLiteral("the archive is truncated"));

  const QString start = FromGMime(g_mime_object_get_content_type_parameter(root, "start"));
  HelpArchive archive;
  bool pageFound = false;
  const int count = g_mime_multipart_get_count(multipart);
  if (count < 1) return Refused(QStringLiteral("the archive holds no part"));
  for (int i = 0; i < count; ++i) {
    GMimeObject* object = g_mime_multipart_get_part(multipart, i);
    if (!object || !GMIME_IS_PART(object))
      return Refused(QStringLiteral("part %1 is not a plain part").arg(i + 1));
    GMimePart* part = GMIME_PART(object);
    const QString type = MediaType(object);
    const QString location = FromGMime(g_mime_part_get_content_location(part));
    const QString id = FromGMime(g_mime_object_get_content_id(object));
    const bool isStart = start.isEmpty() ? type == QStringLiteral("text/html")
                                         : QStringLiteral("<%1>").arg(id) == start || id == start;
    if (isStart && !pageFound) {
      if (type != QStringLiteral("text/html"))
        return Refused(QStringLiteral("the first page is not HTML"));
      QString charset = FromGMime(g_mime_object_get_content_type_parameter(object, "charset"));
      // ASCII is a subset of Latin-1, which Qt decodes without ICU.
      if (charset.isEmpty() || charset.compare(QStringLiteral("us-ascii"), Qt::CaseInsensitive) == 0)
        charset = QStringLiteral("ISO-8859-1");
      QStringDecoder decoder(charset.toLatin1().constData());
      if (!decoder.isValid())
        return Refused(QStringLiteral("unknown character set %1").arg(charset));
      archive.html = decoder.decode(DecodedContent(part));
      if (decoder.hasError())
        return Refused(QStringLiteral("the page is not valid %1").arg(charset));
      // Relative references need a page name to resolve against, even where the
      // writer gave the page none.
      archive.htmlLocation = location.isEmpty() ? QStringLiteral("index.html") : location;
      pageFound = true;
      continue;
    }
    archive.parts.push_back({type, location, id, DecodedContent(part)});
  }
  if (!pageFound) return Refused(QStringLiteral("the archive holds no HTML page"));
  archive.title = PageTitle(archive.html);
  return {std::move(archive), {}};
}

HelpArchiveReading ReadHelpArchiveFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return Refused(file.errorString());
  if (file.size() > kLargestHelpArchive) return Refused(QStringLiteral("the file is too large"));
  return ReadHelpArchive(file.readAll());
}
