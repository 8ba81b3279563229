// GMime first: glib's headers use names that Qt's keyword macros would replace.
#include "shell/gmime_support.h"

#include "shell/help_archive_writer.h"

#include <memory>

namespace {

// A fixed boundary keeps the archive the same from build to build. Neither base64 nor
// this quoted-printable page can hold it: "=_" never starts an encoded line.
constexpr const char* kBoundary = "=_tovaro_help_part";

GMimePart* MakePart(const QString& contentType, const QString& location, const QByteArray& data,
                    GMimeContentEncoding encoding) {
  GObjectPointer<GMimeContentType> type(
      g_mime_content_type_parse(nullptr, contentType.toUtf8().constData()));
  GMimePart* part = g_mime_part_new_with_type(g_mime_content_type_get_media_type(type.get()),
                                              g_mime_content_type_get_media_subtype(type.get()));
  g_mime_part_set_content_location(part, location.toUtf8().constData());
  g_mime_part_set_content_id(part, (location + QStringLiteral("@tovaro.help")).toUtf8().constData());
  g_mime_part_set_content_encoding(part, encoding);
  GObjectPointer<GMimeStream> stream(
      g_mime_stream_mem_new_with_buffer(data.constData(), static_cast<size_t>(data.size())));
  GObjectPointer<GMimeDataWrapper> content(
      g_mime_data_wrapper_new_with_stream(stream.get(), GMIME_CONTENT_ENCODING_DEFAULT));
  g_mime_part_set_content(part, content.get());
  return part;
}

QByteArray PageTitle(const QByteArray& page) {
  const qsizetype open = page.indexOf("<title>");
  const qsizetype close = open < 0 ? -1 : page.indexOf("</title>", open);
  return close < 0 ? QByteArray() : page.mid(open + 7, close - open - 7).trimmed();
}

}  // namespace

QByteArray WriteHelpArchive(const QString& pageLocation, const QByteArray& pageUtf8,
                            const std::vector<HelpArchiveResource>& resources) {
  InitialiseGMime();
  GObjectPointer<GMimeMultipart> related(g_mime_multipart_new_with_subtype("related"));
  g_mime_object_set_content_type_parameter(GMIME_OBJECT(related.get()), "type", "text/html");
  g_mime_multipart_set_boundary(related.get(), kBoundary);

  GObjectPointer<GMimePart> page(MakePart(QStringLiteral("text/html"), pageLocation, pageUtf8,
                                          GMIME_CONTENT_ENCODING_QUOTEDPRINTABLE));
  g_mime_object_set_content_type_parameter(GMIME_OBJECT(page.get()), "charset", "utf-8");
  g_mime_multipart_add(related.get(), GMIME_OBJECT(page.get()));
  for (const HelpArchiveResource& resource : resources) {
    GObjectPointer<GMimePart> part(MakePart(resource.contentType, resource.location, resource.data,
                                            GMIME_CONTENT_ENCODING_BASE64));
    g_mime_multipart_add(related.get(), GMIME_OBJECT(part.get()));
  }

  GObjectPointer<GMimeMessage> message(g_mime_message_new(TRUE));
  g_mime_message_set_subject(message.get(), PageTitle(pageUtf8).constData(), "utf-8");
  g_mime_message_set_mime_part(message.get(), GMIME_OBJECT(related.get()));

  std::unique_ptr<GMimeFormatOptions, decltype(&g_mime_format_options_free)> format(
      g_mime_format_options_new(), &g_mime_format_options_free);
  g_mime_format_options_set_newline_format(format.get(), GMIME_NEWLINE_FORMAT_DOS);
  GObjectPointer<GMimeStream> sink(g_mime_stream_mem_new());
  g_mime_object_write_to_stream(GMIME_OBJECT(message.get()), format.get(), sink.get());
  GByteArray* bytes = g_mime_stream_mem_get_byte_array(GMIME_STREAM_MEM(sink.get()));
  return QByteArray(reinterpret_cast<const char*>(bytes->data), static_cast<qsizetype>(bytes->len));
}
