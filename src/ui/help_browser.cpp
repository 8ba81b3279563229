#include "ui/help_browser.h"

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

QUrl HelpBrowser::PageUrl() const {
  return QUrl(archive_.htmlLocation.isEmpty() ? QStringLiteral("help.html") : archive_.htmlLocation);
}

void HelpBrowser::FollowLink(const QUrl& link) {
  const QString scheme = link.scheme().toLower();
  if (scheme == QStringLiteral("http") || scheme == QStringLiteral("https") ||
      scheme == QStringLiteral("mailto")) {
    QDesktopServices::openUrl(link);
    return;
  }
  const QUrl target = source().resolved(link);
  if (scheme.isEmpty() && archive_.IsPage(target.toString())) setSource(target);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
  const QString reference = name.toString();
  if (type == QTextDocument::HtmlResource && archive_.IsPage(reference)) return archive_.html;
  if (type == QTextDocument::ImageResource || type == QTextDocument::StyleSheetResource) {
    if (const HelpArchivePart* part = archive_.FindPart(reference)) return part->data;
  }
  return {};
}
