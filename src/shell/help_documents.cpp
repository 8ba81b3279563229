#include "shell/help_documents.h"

#include <QCoreApplication>

QString HelpDocumentFileName(int16_t index) {
  switch (index) {
    case 0: return QStringLiteral("Help.mht");
    case 1: return QStringLiteral("HelpJpn.mht");
    case 2: return QStringLiteral("HelpKor.mht");
    case 3: return QStringLiteral("HelpIna.mht");
    default: return {};
  }
}

HelpToolBarCaptions HelpToolBarCaptionsFor(int16_t index) {
  switch (index) {
    case 1:
      return {QStringLiteral("戻る"), QStringLiteral("進む"), QStringLiteral("ホーム"),
              QStringLiteral("拡大"), QStringLiteral("縮小"), QStringLiteral("検索"),
              QStringLiteral("検索する文字")};
    case 2:
      return {QStringLiteral("뒤로"), QStringLiteral("앞으로"), QStringLiteral("처음"),
              QStringLiteral("확대"), QStringLiteral("축소"), QStringLiteral("찾기"),
              QStringLiteral("찾을 내용")};
    case 3:
      return {QStringLiteral("Kembali"), QStringLiteral("Maju"), QStringLiteral("Beranda"),
              QStringLiteral("Perbesar"), QStringLiteral("Perkecil"), QStringLiteral("Cari"),
              QStringLiteral("Teks yang dicari")};
    default:
      return {QStringLiteral("Back"), QStringLiteral("Forward"), QStringLiteral("Home"),
              QStringLiteral("Zoom in"), QStringLiteral("Zoom out"), QStringLiteral("Find"),
              QStringLiteral("Text to find")};
  }
}

QString HelpFileNotFoundMessage(const QString& path) {
  return QCoreApplication::translate("Messages", "The help file could not be found: ") + path;
}

QString HelpFileUnreadableMessage(const QString& path) {
  return QCoreApplication::translate("Messages", "The help file could not be read: ") + path;
}
