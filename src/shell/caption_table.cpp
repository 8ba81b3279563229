#include "shell/caption_table.h"

#include "shell/interface_translation.h"

#include <QtGlobal>

namespace {

struct CaptionRowTexts {
  int Row;
  const char* English;  // UTF-8, the source of every translation
  const char16_t* Japanese;
};

// Row 10 is English in both columns: "View Point" has no Japanese caption.
constexpr CaptionRowTexts kCaptions[] = {
    {0, QT_TRANSLATE_NOOP("CaptionTable", "File"), u"ファイル"},
    {1, QT_TRANSLATE_NOOP("CaptionTable", "Exit"), u"終了"},
    {2, QT_TRANSLATE_NOOP("CaptionTable", "Tool"), u"ツール"},
    {3, QT_TRANSLATE_NOOP("CaptionTable", "Bitmap"), u"ビットマップ"},
    {4, QT_TRANSLATE_NOOP("CaptionTable", "Fingerspell Language"), u"指文字言語選択"},
    {5, QT_TRANSLATE_NOOP("CaptionTable", "Edit"), u"編集"},
    {6, QT_TRANSLATE_NOOP("CaptionTable", "Word List"), u"単語リスト"},
    {7, QT_TRANSLATE_NOOP("CaptionTable", "Practice"), u"練習"},
    {8, QT_TRANSLATE_NOOP("CaptionTable", "Help"), u"ヘルプ"},
    {9, QT_TRANSLATE_NOOP("CaptionTable", "About"), u"バージョン情報"},
    {10, QT_TRANSLATE_NOOP("CaptionTable", "View Point"), u"View Point"},
    {11, QT_TRANSLATE_NOOP("CaptionTable", "Home"), u"ホーム"},
    {12, QT_TRANSLATE_NOOP("CaptionTable", "Start"), u"スタート"},
    {13, QT_TRANSLATE_NOOP("CaptionTable", "Viewer"), u"読み手"},
    {14, QT_TRANSLATE_NOOP("CaptionTable", "Signer"), u"自分"},
    {15, QT_TRANSLATE_NOOP("CaptionTable", "Speed"), u"速度"},
    {16, QT_TRANSLATE_NOOP("CaptionTable", "Continue"), u"継続"},
    {17, QT_TRANSLATE_NOOP("CaptionTable", "End"), u"終了"},
    {18, QT_TRANSLATE_NOOP("CaptionTable", "Repeat"), u"再表示"},
    {19, QT_TRANSLATE_NOOP("CaptionTable", "British Sign Language (BSL)"), u"イギリス手話 (BSL)"},
    {20, QT_TRANSLATE_NOOP("CaptionTable", "Indonesian Alphabet"), u"インドネシア指文字"},
    {21, QT_TRANSLATE_NOOP("CaptionTable", "American Sign Language (ASL)"), u"アメリカ手話 (ASL)"},
    {22, QT_TRANSLATE_NOOP("CaptionTable", "Derived ASL Alphabet"), u"派生 ASL アルファベット"},
    {23, QT_TRANSLATE_NOOP("CaptionTable", "Japanese Sign Language (JSL)"), u"日本手話 (JSL)"},
    {24, QT_TRANSLATE_NOOP("CaptionTable", "Korean Sign Language (KSL)"), u"韓国手話 (KSL)"},
    {25, QT_TRANSLATE_NOOP("CaptionTable", "Japanese & Korean Numeric"), u"日韓 数字"},
    {30, QT_TRANSLATE_NOOP("CaptionTable", "Word"), u"単語"},
    {31, QT_TRANSLATE_NOOP("CaptionTable", "Numeric"), u"数字"},
    {32, QT_TRANSLATE_NOOP("CaptionTable", "Katakana"), u"振り仮名"},
    {33, QT_TRANSLATE_NOOP("CaptionTable", "Answer"), u"答え"},
    {34, QT_TRANSLATE_NOOP("CaptionTable", "Japanese"), u"日本語"},
    {35, QT_TRANSLATE_NOOP("CaptionTable", "English"), u"英語"},
    {36, QT_TRANSLATE_NOOP("CaptionTable", "Korean"), u"韓国語"},
    {37, QT_TRANSLATE_NOOP("CaptionTable", "Indonesian"), u"インドネシア語"},
    {38, QT_TRANSLATE_NOOP("CaptionTable", "Type the answer"), u"答えを入力する"},
    {39, QT_TRANSLATE_NOOP("CaptionTable", "Adapt speed"), u"速度を自動調整"},
    {40, QT_TRANSLATE_NOOP("CaptionTable", "Your answer"), u"あなたの答え"},
    {41, QT_TRANSLATE_NOOP("CaptionTable", "Word length (signs)"), u"単語の長さ（文字数）"},
    {42, QT_TRANSLATE_NOOP("CaptionTable", "to"), u"～"},
    {43, QT_TRANSLATE_NOOP("CaptionTable", "any"), u"指定なし"},
    {44, QT_TRANSLATE_NOOP("CaptionTable", "Shortest word"), u"最短の単語"},
    {45, QT_TRANSLATE_NOOP("CaptionTable", "Longest word"), u"最長の単語"},
    {46, QT_TRANSLATE_NOOP("CaptionTable", "Right %1 / %2, streak %3"), u"正解 %1 / %2、連続 %3"},
    {47, QT_TRANSLATE_NOOP("CaptionTable", "It was \"%1\"; you typed \"%2\""), u"正解は「%1」、入力は「%2」"},
    {48, QT_TRANSLATE_NOOP("CaptionTable", "Result"), u"結果"},
    {49, QT_TRANSLATE_NOOP("CaptionTable", "Score"), u"成績"},
    {50, QT_TRANSLATE_NOOP("CaptionTable", "Status"), u"状況"},
    {51, QT_TRANSLATE_NOOP("CaptionTable", "Play"), u"再生"},
    {52, QT_TRANSLATE_NOOP("CaptionTable", "Replay"), u"もう一度再生"},
    {53, QT_TRANSLATE_NOOP("CaptionTable", "Pause or resume"), u"一時停止／再開"},
    {54, QT_TRANSLATE_NOOP("CaptionTable", "Stop"), u"停止"},
    {55, QT_TRANSLATE_NOOP("CaptionTable", "One sign back"), u"1文字戻る"},
    {56, QT_TRANSLATE_NOOP("CaptionTable", "One sign forward"), u"1文字進む"},
    {57, QT_TRANSLATE_NOOP("CaptionTable", "Slow motion"), u"スロー再生"},
    {58, QT_TRANSLATE_NOOP("CaptionTable", "Show letters"), u"文字を表示"},
    {59, QT_TRANSLATE_NOOP("CaptionTable", "View"), u"表示"},
    {60, QT_TRANSLATE_NOOP("CaptionTable", "Front"), u"正面"},
    {61, QT_TRANSLATE_NOOP("CaptionTable", "Signer's eye"), u"自分の視点"},
    {62, QT_TRANSLATE_NOOP("CaptionTable", "Left side"), u"左側"},
    {63, QT_TRANSLATE_NOOP("CaptionTable", "Right side"), u"右側"},
    {64, QT_TRANSLATE_NOOP("CaptionTable", "From above"), u"上から"},
    {65, QT_TRANSLATE_NOOP("CaptionTable", "Left-handed"), u"左利き"},
    {66, QT_TRANSLATE_NOOP("CaptionTable", "Reference chart"), u"指文字一覧表"},
    {67, QT_TRANSLATE_NOOP("CaptionTable", "Natural hands"), u"自然な手"},
    {68, QT_TRANSLATE_NOOP("CaptionTable", "Export…"), u"エクスポート\u2026"},
    {69, QT_TRANSLATE_NOOP("CaptionTable", "Play the last word again (Ctrl+R)"), u"最後の単語をもう一度再生 (Ctrl+R)"},
    {70, QT_TRANSLATE_NOOP("CaptionTable", "Step of the word"), u"単語の中の位置"},
    {71, QT_TRANSLATE_NOOP("CaptionTable", "Where the word is; drag to any step"), u"単語の中の位置。ドラッグで好きな所へ"},
    {72, QT_TRANSLATE_NOOP("CaptionTable", "Letter being signed"), u"表示中の文字"},
    {73, QT_TRANSLATE_NOOP("CaptionTable", "Progress"), u"上達の記録"},
    {74, QT_TRANSLATE_NOOP("CaptionTable", "No session yet"), u"まだ記録がありません"},
    {75, QT_TRANSLATE_NOOP("CaptionTable", "Right answers (%)"), u"正答率 (%)"},
    {76, QT_TRANSLATE_NOOP("CaptionTable", "Speed (%)"), u"速度 (%)"},
    {77, QT_TRANSLATE_NOOP("CaptionTable", "Hangul"), u"ハングル"},
    {78, QT_TRANSLATE_NOOP("CaptionTable", "Lifelike motion"), u"自然な動き"},
    {79, QT_TRANSLATE_NOOP("CaptionTable", "read %1 for %2"), u"%2を%1と読み"},
    {80, QT_TRANSLATE_NOOP("CaptionTable", "missed %1"), u"%1を見落とし"},
    {81, QT_TRANSLATE_NOOP("CaptionTable", "added %1"), u"%1を余分に入力し"},
    {82, QT_TRANSLATE_NOOP("CaptionTable", "You %1"), u"%1ました"},
    {83, QT_TRANSLATE_NOOP("CaptionTable", " and "), u"と"},
    {84, QT_TRANSLATE_NOOP("CaptionTable", ", "), u"、"},
    {85, QT_TRANSLATE_NOOP("CaptionTable", ", and "), u"、"},
    {86, QT_TRANSLATE_NOOP("CaptionTable", "Reading speed"), u"読み取り速度"},
    {87, QT_TRANSLATE_NOOP("CaptionTable", "this word %1 letters/s at %2 %"), u"この単語は毎秒 %1 文字（%2 %）"},
    {88, QT_TRANSLATE_NOOP("CaptionTable", "you read %1 letters/s, the target is %2"), u"読み取りは毎秒 %1 文字、目標は %2"},
    {89, QT_TRANSLATE_NOOP("CaptionTable", "your reading speed is not known yet, the target is %1"), u"読み取り速度はまだ分かりません、目標は毎秒 %1 文字"},
    {90, QT_TRANSLATE_NOOP("CaptionTable", "about %1 sessions to the target"), u"目標まであと約 %1 回"},
    {91, QT_TRANSLATE_NOOP("CaptionTable", "target reached"), u"目標に到達"},
    {92, QT_TRANSLATE_NOOP("CaptionTable", "sessions to the target not known yet"), u"目標までの回数はまだ分かりません"},
    {93, QT_TRANSLATE_NOOP("CaptionTable", "; "), u"。"},
    {94, QT_TRANSLATE_NOOP("CaptionTable", "Sign shown: %1"), u"表した文字: %1"},
    {95, QT_TRANSLATE_NOOP("CaptionTable", "Sign you read: %1"), u"読み取った文字: %1"},
    {96, QT_TRANSLATE_NOOP("CaptionTable", "Focus on letters"), u"重点の文字"},
    {97, QT_TRANSLATE_NOOP("CaptionTable", "Close"), u"閉じる"},
    {98, QT_TRANSLATE_NOOP("CaptionTable", "%1 read as %2, once"), u"%1を%2と読んだ（1回）"},
    {99, QT_TRANSLATE_NOOP("CaptionTable", "Nothing confused yet"), u"まだ読み違いはありません"},
    {100, QT_TRANSLATE_NOOP("CaptionTable", "Date"), u"日付"},
    {101, QT_TRANSLATE_NOOP("CaptionTable", "Session"), u"回"},
    {102, QT_TRANSLATE_NOOP("CaptionTable", "Tries"), u"回数"},
    {103, QT_TRANSLATE_NOOP("CaptionTable", "Sign"), u"文字"},
    {104, QT_TRANSLATE_NOOP("CaptionTable", "No progress yet"), u"まだ上達の記録がありません"},
    {105, QT_TRANSLATE_NOOP("CaptionTable", "Words waiting for review: %1"), u"復習待ちの単語: %1"},
    {106, QT_TRANSLATE_NOOP("CaptionTable", "Reading speed"), u"読み取り速度"},
    {107, QT_TRANSLATE_NOOP("CaptionTable", "%1 read as %2, %3 times"), u"%1を%2と読んだ（%3回）"},
    {108, QT_TRANSLATE_NOOP("CaptionTable", "Most confused"), u"読み違えやすい文字"},
    {109, QT_TRANSLATE_NOOP("CaptionTable", "Accuracy of each sign"), u"文字ごとの正答率"},
    {110, QT_TRANSLATE_NOOP("CaptionTable", "Letters a second"), u"毎秒の文字数"},
};

}  // namespace

CaptionTable::CaptionTable() {
  const InterfaceTranslation japanese(InterfaceLanguage::Japanese);
  const InterfaceTranslation korean(InterfaceLanguage::Korean);
  const InterfaceTranslation indonesian(InterfaceLanguage::Indonesian);
  for (const CaptionRowTexts& texts : kCaptions) {
    auto& row = cells_[static_cast<size_t>(texts.Row)];
    row[0] = QString::fromUtf8(texts.English);
    // The Japanese captions are the described ones; the translation file holds the same.
    const QString translatedJapanese = japanese.Translate("CaptionTable", texts.English);
    row[1] = translatedJapanese.isEmpty() ? QString::fromUtf16(texts.Japanese) : translatedJapanese;
    // A caption not translated yet shows in English rather than not at all.
    const QString translatedKorean = korean.Translate("CaptionTable", texts.English);
    row[2] = translatedKorean.isEmpty() ? row[0] : translatedKorean;
    const QString translatedIndonesian = indonesian.Translate("CaptionTable", texts.English);
    row[3] = translatedIndonesian.isEmpty() ? row[0] : translatedIndonesian;
  }
}

QString DescribedJapaneseCaption(int row) {
  for (const CaptionRowTexts& texts : kCaptions)
    if (texts.Row == row) return QString::fromUtf16(texts.Japanese);
  return {};
}

int SystemCaptionRow(SystemId system) { return FirstSystemCaption + SystemNumber(system); }

QString CaptionTable::Caption(int row, InterfaceLanguage language) const {
  const int column = InterfaceLanguageNumber(language);
  if (row < 0 || row >= kRows || column < 0 || column >= kColumns) return {};
  return cells_[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

QString CaptionTable::SystemCaption(SystemId system, InterfaceLanguage language) const {
  if (!IsChoosableSystem(system)) return {};
  return Caption(SystemCaptionRow(system), language);
}
