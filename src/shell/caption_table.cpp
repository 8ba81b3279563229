#include "shell/caption_table.h"

namespace {

struct CaptionRowTexts {
  int Row;
  const char16_t* English;
  const char16_t* Japanese;
};

// Row 10 is English in both columns: "View Point" has no Japanese caption.
constexpr CaptionRowTexts kCaptions[] = {
    {0, u"File", u"ファイル"},
    {1, u"Exit", u"終了"},
    {2, u"Tool", u"ツール"},
    {3, u"Bitmap", u"ビットマップ"},
    {4, u"Fingerspell Language", u"指文字言語選択"},
    {5, u"Edit", u"編集"},
    {6, u"Word List", u"単語リスト"},
    {7, u"Practice", u"練習"},
    {8, u"Help", u"ヘルプ"},
    {9, u"About", u"バージョン情報"},
    {10, u"View Point", u"View Point"},
    {11, u"Home", u"ホーム"},
    {12, u"Start", u"スタート"},
    {13, u"Viewer", u"読み手"},
    {14, u"Signer", u"自分"},
    {15, u"Speed", u"速度"},
    {16, u"Continue", u"継続"},
    {17, u"End", u"終了"},
    {18, u"Repeat", u"再表示"},
    {19, u"British Sign Language (BSL)", u"イギリス手話 (BSL)"},
    {20, u"Indonesian Alphabet", u"インドネシア指文字"},
    {21, u"American Sign Language (ASL)", u"アメリカ手話 (ASL)"},
    {22, u"Derived ASL Alphabet", u"派生 ASL アルファベット"},
    {23, u"Japanese Sign Language (JSL)", u"日本手話 (JSL)"},
    {24, u"Korean Sign Language (KSL)", u"韓国手話 (KSL)"},
    {25, u"Japanese & Korean Numeric", u"日韓 数字"},
    {30, u"Word", u"単語"},
    {31, u"Numeric", u"数字"},
    {32, u"Katakana", u"振り仮名"},
    {33, u"Answer", u"答え"},
    {34, u"Japanese", u"日本語"},
    {35, u"English", u"英語"},
    {36, u"Korean", u"韓国語"},
    {37, u"Indonesian", u"インドネシア語"},
};

}  // namespace

CaptionTable::CaptionTable() {
  for (const CaptionRowTexts& texts : kCaptions) {
    cells_[texts.Row][0] = QString::fromUtf16(texts.English);
    cells_[texts.Row][1] = QString::fromUtf16(texts.Japanese);
  }
}

QString CaptionTable::Caption(int row, int16_t language) const {
  if (row < 0 || row >= kRows || language < 0 || language >= kColumns) return {};
  return cells_[row][language];
}

QString CaptionTable::SystemCaption(int16_t system, int16_t language) const {
  if (system < 0 || system > 5) return {};
  return Caption(FirstSystemCaption + system, language);
}
