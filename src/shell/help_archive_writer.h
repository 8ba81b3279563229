#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// A picture (or any other resource) to put into a help archive under the name the page
// refers to it by.
struct HelpArchiveResource {
  QString location;
  QString contentType;
  QByteArray data;
};

// Builds a single-file web archive: a multipart/related MIME message whose first part
// is the page (UTF-8 HTML, quoted-printable) and whose other parts are the resources
// (base64), each with its Content-Location and a Content-ID made from it. The subject
// is the page's title. Lines end in CR LF, as mail and web archives expect.
QByteArray WriteHelpArchive(const QString& pageLocation, const QByteArray& pageUtf8,
                            const std::vector<HelpArchiveResource>& resources);
