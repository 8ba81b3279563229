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
    {38, u"Type the answer", u"答えを入力する"},
    {39, u"Adapt speed", u"速度を自動調整"},
    {40, u"Your answer", u"あなたの答え"},
    {41, u"Word length (signs)", u"単語の長さ（文字数）"},
    {42, u"to", u"～"},
    {43, u"any", u"指定なし"},
    {44, u"Shortest word", u"最短の単語"},
    {45, u"Longest word", u"最長の単語"},
    {46, u"Right %1 / %2, streak %3", u"正解 %1 / %2、連続 %3"},
    {47, u"It was \"%1\"; you typed \"%2\"", u"正解は「%1」、入力は「%2」"},
    {48, u"Result", u"結果"},
    {49, u"Score", u"成績"},
    {50, u"Status", u"状況"},
    {51, u"Play", u"再生"},
    {52, u"Replay", u"もう一度再生"},
    {53, u"Pause or resume", u"一時停止／再開"},
    {54, u"Stop", u"停止"},
    {55, u"One sign back", u"1文字戻る"},
    {56, u"One sign forward", u"1文字進む"},
    {57, u"Slow motion", u"スロー再生"},
    {58, u"Show letters", u"文字を表示"},
    {59, u"View", u"表示"},
    {60, u"Front", u"正面"},
    {61, u"Signer's eye", u"自分の視点"},
    {62, u"Left side", u"左側"},
    {63, u"Right side", u"右側"},
    {64, u"From above", u"上から"},
    {65, u"Left-handed", u"左利き"},
    {66, u"Reference chart", u"指文字一覧表"},
    {67, u"Natural hands", u"自然な手"},
    {68, u"Export\u2026", u"エクスポート\u2026"},
    {69, u"Play the last word again (Ctrl+R)", u"最後の単語をもう一度再生 (Ctrl+R)"},
    {70, u"Step of the word", u"単語の中の位置"},
    {71, u"Where the word is; drag to any step", u"単語の中の位置。ドラッグで好きな所へ"},
    {72, u"Letter being signed", u"表示中の文字"},
    {73, u"Progress", u"上達の記録"},
    {74, u"No session yet", u"まだ記録がありません"},
    {75, u"Right answers (%)", u"正答率 (%)"},
    {76, u"Speed (%)", u"速度 (%)"},
    {77, u"Hangul", u"ハングル"},
    {78, u"Lifelike motion", u"自然な動き"},
    {79, u"read %1 for %2", u"%2を%1と読み"},
    {80, u"missed %1", u"%1を見落とし"},
    {81, u"added %1", u"%1を余分に入力し"},
    {82, u"You %1", u"%1ました"},
    {83, u" and ", u"と"},
    {84, u", ", u"、"},
    {85, u", and ", u"、"},
    {86, u"Reading speed", u"読み取り速度"},
    {87, u"this word %1 letters/s at %2 %", u"この単語は毎秒 %1 文字（%2 %）"},
    {88, u"you read %1 letters/s, the target is %2", u"読み取りは毎秒 %1 文字、目標は %2"},
    {89, u"your reading speed is not known yet, the target is %1", u"読み取り速度はまだ分かりません、目標は毎秒 %1 文字"},
    {90, u"about %1 sessions to the target", u"目標まであと約 %1 回"},
    {91, u"target reached", u"目標に到達"},
    {92, u"sessions to the target not known yet", u"目標までの回数はまだ分かりません"},
    {93, u"; ", u"。"},
    {94, u"Sign shown: %1", u"表した文字: %1"},
    {95, u"Sign you read: %1", u"読み取った文字: %1"},
    {96, u"Focus on letters", u"重点の文字"},
    {97, u"Close", u"閉じる"},
    {98, u"%1 read as %2, once", u"%1を%2と読んだ（1回）"},
    {99, u"Nothing confused yet", u"まだ読み違いはありません"},
    {100, u"Date", u"日付"},
    {101, u"Session", u"回"},
    {102, u"Tries", u"回数"},
    {103, u"Sign", u"文字"},
    {104, u"No progress yet", u"まだ上達の記録がありません"},
    {105, u"Words waiting for review: %1", u"復習待ちの単語: %1"},
    {106, u"Reading speed", u"読み取り速度"},
    {107, u"%1 read as %2, %3 times", u"%1を%2と読んだ（%3回）"},
    {108, u"Most confused", u"読み違えやすい文字"},
    {109, u"Accuracy of each sign", u"文字ごとの正答率"},
    {110, u"Letters a second", u"毎秒の文字数"},
};

}  // namespace

CaptionTable::CaptionTable() {
  for (const CaptionRowTexts& texts : kCaptions) {
    cells_[texts.Row][0] = QString::fromUtf16(texts.English);
    cells_[texts.Row][1] = QString::fromUtf16(texts.Japanese);
  }
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
