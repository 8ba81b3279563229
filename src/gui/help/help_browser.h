#pragma once

#include "shell/help_archive.h"

#include <QImage>
#include <QTextBrowser>

// Shows the page of a help archive. Everything the page refers to comes from the
// archive: no file is read from disk and nothing from the network. Links within the
// page move within it (and go into the history); web and mail addresses go to the
// user's own programs through QDesktopServices; any other link is ignored.
class HelpBrowser : public QTextBrowser {
  Q_OBJECT

 public:
  explicit HelpBrowser(HelpArchive archive, QWidget* parent = nullptr);

  const HelpArchive& Archive() const { return archive_; }
  // The name the page is shown under; Home returns to it.
  QUrl PageUrl() const;
  // What a click on a link does, reachable for tests and keyboard activation alike.
  void FollowLink(const QUrl& link);

  // A part of the archive, or for anything else a blank picture, an empty page or
  // empty style: never nothing, as nothing makes Qt look for the name on disk.
  QVariant loadResource(int type, const QUrl& name) override;

 private:
  // Stands in for a picture the archive does not hold; it must not be a null image.
  static QImage BrokenImage();

  HelpArchive archive_;
};
