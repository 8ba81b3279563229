#include "gui/help/help_browser.h"

#include <QDesktopServices>
#include <QImage>
#include <QTextDocument>

HelpBrowser::HelpBrowser(HelpArchive archive, QWidget* parent)
    : QTextBrowser(parent), archive_(std::move(archive)) {
  setObjectName(QStringLiteral("HelpBrowser"));
  setAccessibleName(archive_.title.isEmpty() ? tr("Help") : archive_.title);
  setOpenLinks(false);
  setOpenExternalLinks(false);
  connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::FollowLink);
  // Only our own loadResource answers; the base class would look in these folders.
  setSearchPaths({});
  setSource(PageUrl(), QTextDocument::HtmlResource);
}

QUrl HelpBrowser::PageUrl() const { return QUrl(archive_.htmlLocation); }

void HelpBrowser::FollowLink(const QUrl& link) {
  // A page saved from the web keeps its web address as its location, so a link to one
  // of its own anchors can look like a web address: the page itself is checked first.
  const QUrl target = source().resolved(link);
  if (archive_.IsPage(target.toString())) {
    setSource(target);
    return;
  }
  const QString scheme = target.scheme().toLower();
  if (scheme == QStringLiteral("http") || scheme == QStringLiteral("https") ||
      scheme == QStringLiteral("mailto"))
    QDesktopServices::openUrl(target);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
  const QString reference = name.toString();
  if (type == QTextDocument::HtmlResource && archive_.IsPage(reference)) return archive_.html;
  const HelpArchivePart* part = archive_.FindPart(reference);
  if (type == QTextDocument::StyleSheetResource && part) return part->data;
  // Whatever the archive does not hold must still be answered: given nothing, the
  // document reads the name from disk, and an image that is null is loaded from the
  // disk by name (relative to the current folder) - which can hang on a FIFO. So a
  // part that is no picture is decoded here and stood in for too.
  if (type == QTextDocument::ImageResource) {
    const QImage image = part ? QImage::fromData(part->data) : QImage();
    return image.isNull() ? BrokenImage() : image;
  }
  if (type == QTextDocument::HtmlResource) return QString();
  return QByteArray();
}

QImage HelpBrowser::BrokenImage() {
  QImage image(16, 16, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  return image;
}
