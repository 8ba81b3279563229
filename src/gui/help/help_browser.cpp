#include "gui/help/help_browser.h"

#include <QDesktopServices>
#include <QTextDocument>

HelpBrowser::HelpBrowser(HelpArchive archive, QWidget* parent)
    : QTextBrowser(parent), archive_(std::move(archive)) {
  setObjectName(QStringLiteral("HelpBrowser"));
  setAccessibleName(archive_.title.isEmpty() ? QStringLiteral("Help") : archive_.title);
  setOpenLinks(false);
  setOpenExternalLinks(false);
  connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::FollowLink);
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
  if (type == QTextDocument::ImageResource || type == QTextDocument::StyleSheetResource) {
    if (const HelpArchivePart* part = archive_.FindPart(reference)) return part->data;
  }
  return {};
}
