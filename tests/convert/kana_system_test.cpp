#include "convert/kana_system.h"

#include "convert/kana_signs.h"
#include "convert/romaji_converter.h"
#include "support/converter_bench.h"

namespace {

class KanaSystemTest : public ConverterBench {
 protected:
  KanaSystemTest() { signs.LangSet(SystemId::JapaneseKana); }

  // The half-width katakana the romaji converter gives, as text; blanks and the other
  // characters no kana sign shows stand for themselves.
  static QString Kana(const QString& romaji) {
    const auto values = RomajiToCodePageKana(LowerRomaji(romaji));
    if (!values) return QStringLiteral("<fails>");
    QString text;
    for (const uint16_t v : *values)
      text += v >= 0xA1 && v <= 0xDF ? HalfWidthKatakana(v) : QChar(static_cast<char16_t>(v));
    return text;
  }
};

}  // namespace

TEST_F(KanaSystemTest, EveryRomajiSpellingOfTheTable) {
  const std::pair<const char*, const char*> rows[] = {
      {"a i u e o", "ｱ ｲ ｳ ｴ ｵ"},
      {"ka ki ku ke ko", "ｶ ｷ ｸ ｹ ｺ"},
      {"kya kyi kyu kye kyo", "ｷｬ ｷｨ ｷｭ ｷｪ ｷｮ"},
      {"sa si su se so", "ｻ ｼ ｽ ｾ ｿ"},
      {"sha shi shu she sho", "ｼｬ ｼ ｼｭ ｼｪ ｼｮ"},
      {"sya syi syu sye syo", "ｼｬ ｼｨ ｼｭ ｼｪ ｼｮ"},
      {"ta ti tu te to", "ﾀ ﾁ ﾂ ﾃ ﾄ"},
      {"tsa tsi tsu tse tso", "ﾂｧ ﾂｨ ﾂ ﾂｪ ﾂｫ"},
      {"cha chi chu che cho", "ﾁｬ ﾁ ﾁｭ ﾁｪ ﾁｮ"},
      {"ca ci cu ce co", "ｶ ｼ ｸ ｾ ｺ"},
      {"na ni nu ne no", "ﾅ ﾆ ﾇ ﾈ ﾉ"},
      {"nya nyi nyu nye nyo", "ﾆｬ ﾆｨ ﾆｭ ﾆｪ ﾆｮ"},
      {"ha hi hu he ho", "ﾊ ﾋ ﾌ ﾍ ﾎ"},
      {"hya hyi hyu hye hyo", "ﾋｬ ﾋｨ ﾋｭ ﾋｪ ﾋｮ"},
      {"fa fi fu fe fo", "ﾌｧ ﾌｨ ﾌ ﾌｪ ﾌｫ"},
      {"fya fyi fyu fye fyo", "ﾌｬ ﾌｨ ﾌｭ ﾌｪ ﾌｮ"},
      {"ma mi mu me mo", "ﾏ ﾐ ﾑ ﾒ ﾓ"},
      {"mya myi myu mye myo", "ﾐｬ ﾐｨ ﾐｭ ﾐｪ ﾐｮ"},
      {"ya yi yu ye yo", "ﾔ ｲ ﾕ ｲｪ ﾖ"},
      {"ra ri ru re ro", "ﾗ ﾘ ﾙ ﾚ ﾛ"},
      {"rya ryi ryu rye ryo", "ﾘｬ ﾘｨ ﾘｭ ﾘｪ ﾘｮ"},
      {"wa wi wu we wo", "ﾜ ｳｨ ｳ ｳｪ ｦ"},
      {"ga gi gu ge go", "ｶﾞ ｷﾞ ｸﾞ ｹﾞ ｺﾞ"},
      {"gya gyi gyu gye gyo", "ｷﾞｬ ｷﾞｨ ｷﾞｭ ｷﾞｪ ｷﾞｮ"},
      {"za zi zu ze zo", "ｻﾞ ｼﾞ ｽﾞ ｾﾞ ｿﾞ"},
      {"zya zyi zyu zye zyo", "ｼﾞｬ ｼﾞｨ ｼﾞｭ ｼﾞｪ ｼﾞｮ"},
      {"ja ji ju je jo", "ｼﾞｬ ｼﾞ ｼﾞｭ ｼﾞｪ ｼﾞｮ"},
      {"jya jyi jyu jye jyo", "ｼﾞｬ ｼﾞｨ ｼﾞｭ ｼﾞｪ ｼﾞｮ"},
      {"da di du de do", "ﾀﾞ ﾁﾞ ﾂﾞ ﾃﾞ ﾄﾞ"},
      {"dya dyi dyu dye dyo", "ﾁﾞｬ ﾁﾞｨ ﾁﾞｭ ﾁﾞｪ ﾁﾞｮ"},
      {"ba bi bu be bo", "ﾊﾞ ﾋﾞ ﾌﾞ ﾍﾞ ﾎﾞ"},
      {"bya byi byu bye byo", "ﾋﾞｬ ﾋﾞｨ ﾋﾞｭ ﾋﾞｪ ﾋﾞｮ"},
      {"pa pi pu pe po", "ﾊﾟ ﾋﾟ ﾌﾟ ﾍﾟ ﾎﾟ"},
      {"pya pyi pyu pye pyo", "ﾋﾟｬ ﾋﾟｨ ﾋﾟｭ ﾋﾟｪ ﾋﾟｮ"},
  };
  for (const auto& [romaji, katakana] : rows)
    EXPECT_EQ(Kana(romaji), QString::fromUtf8(katakana)) << romaji;
}

TEST_F(KanaSystemTest, WordsAndTheSpecialCasesOfNAndOfDoubledConsonants) {
  const std::pair<const char*, const char*> cases[] = {
      {"nna", "ﾝﾅ"},      {"nn", "ﾝﾝ"},        {"n", "ﾝ"},        {"kanji", "ｶﾝｼﾞ"},
      {"n'a", "ﾝｱ"},      {"n'", "ﾝ"},         {"nyo", "ﾆｮ"},     {"n-", "ﾝｰ"},
      {"kka", "ｯｶ"},      {"ccha", "ｯﾁｬ"},     {"ssha", "ｯｼｬ"},   {"tte", "ｯﾃ"},
      {"yya", "ｯﾔ"},      {"a-.､ ", "ｱｰ｡､ "},  {"", ""},
      {"toukyou", "ﾄｳｷｮｳ"}, {"gakkou", "ｶﾞｯｺｳ"}, {"nippon", "ﾆｯﾎﾟﾝ"}, {"shinbun", "ｼﾝﾌﾞﾝ"},
      {"kon'ya", "ｺﾝﾔ"},    {"konnya", "ｺﾝﾆｬ"},   {"ra-men", "ﾗｰﾒﾝ"},   {"cchi", "ｯﾁ"},
      {"TouKyou", "ﾄｳｷｮｳ"},
  };
  for (const auto& [romaji, katakana] : cases)
    EXPECT_EQ(Kana(romaji), QString::fromUtf8(katakana)) << romaji;
  // Romaji are spelled as their katakana; SignClassTest follows "toukyou" to its signs.
  for (const char* word : {"kon'ya", "ra-men", "TouKyou"}) EXPECT_TRUE(signs.JslRomanText(word)) << word;

  for (const char* invalid : {"tchi", "la", "qa", "va", "xa", "a1", "a'", "'a", "k", "ky",
                              "kyk", "ts", "tsk", "sh", "ch", "nyk", "aN\u00e9", "\u212Aa"})
    EXPECT_EQ(Kana(QString::fromUtf8(invalid)), "<fails>") << invalid;
}

TEST_F(KanaSystemTest, HalfWidthKatakanaAndTheirMarks) {
  // The voiced, semi-voiced and small marks alone: the golden traces (ｱﾘｶﾞﾄｳ, ﾊﾟﾝ, ｷｬｯﾄ).
  const std::pair<const char*, std::vector<SignStep>> cases[] = {
      {"ｶｶ", Steps({{6, 16}, {6, 16}})},
      {"ｶﾞｶﾞ", Steps({{6, 4}, {6, 4}})},
      {"ｶｶﾞ", Steps({{6, 16}, {6, 4}})},
      {"ｺｺｺ", Steps({{10, 16}, {10, 16}, {10, 0}})},
      {"ｱ", Steps({{1, 0}})},
      {"ｦ", Steps({{5, 2}})},
      {"ｧｨｩｪｫ", Steps({{1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 2}})},
      {"ｯｬｭｮ", Steps({{18, 2}, {36, 2}, {37, 2}, {38, 2}})},
      {"ｰﾜﾝ", Steps({{46, 0}, {44, 0}, {45, 0}})},
  };
  for (const auto& [kana, steps] : cases) {
    EXPECT_TRUE(signs.Text(QString::fromUtf8(kana))) << kana;
    EXPECT_EQ(Sequence(), steps) << kana;
    // The reading shows the katakana themselves.
    EXPECT_EQ(signs.KatakanaString(), QString::fromUtf8(kana)) << kana;
  }
}

TEST_F(KanaSystemTest, AFailedConversionLeavesEverythingAsTheLastGoodOneLeftIt) {
  // Rejected romaji fails also when nothing was converted before.
  EXPECT_FALSE(signs.JslRomanText("xyz"));
  EXPECT_FALSE(signs.Result());
  EXPECT_EQ(signs.KatakanaString(), "");

  ASSERT_TRUE(signs.JslRomanText("toukyou"));
  const std::vector<SignStep> before = Sequence();
  // Not romaji; romaji with a space or punctuation (which no sign shows); text that is
  // not half-width katakana; a mark with nothing before it.
  for (const char* romaji : {"tchi", "gakkoul", "a b", "a.", "a\uff64", "x"}) {
    EXPECT_FALSE(signs.JslRomanText(QString::fromUtf8(romaji))) << romaji;
    EXPECT_EQ(Sequence(), before) << romaji;
    EXPECT_EQ(signs.KatakanaString(), QString::fromUtf8("ﾄｳｷｮｳ"));
  }
  for (const char* text : {"カ", "か", "ｶ ｶ", "ｶ｡", "ka", "ﾞｱ", "ﾟ", "ｱ\xef\xbd\xa2"}) {
    EXPECT_FALSE(signs.Text(QString::fromUtf8(text))) << text;
    EXPECT_EQ(Sequence(), before) << text;
    EXPECT_EQ(signs.KatakanaString(), QString::fromUtf8("ﾄｳｷｮｳ"));
  }
  EXPECT_FALSE(signs.Result());
  // The empty text succeeds with no signs.
  EXPECT_TRUE(signs.Text(""));
  EXPECT_TRUE(Sequence().empty());
  EXPECT_EQ(signs.KatakanaString(), "");
}

TEST_F(KanaSystemTest, AMarkMovesTheHandAfterTheShapeFromItsFirstKeyFrame) {
  PutPlainShapes(1, 46);
  Put(6, {Frame(1.0f), Frame(0.5f, 30.0f)});  // ｶ has two key frames
  // The moves of the semi-voiced and the small mark are pinned by the golden traces
  // ("ﾊﾟﾝ", "ｷｬｯﾄ"), but not after a shape of several key frames.
  signs.Text(QString::fromUtf8("ｶﾞ"));
  signs.StartRoutine(40);
  const std::vector<std::string> expected = {
      "SetHandPose 0 0",        Shifted(6, 0), RedrawLine(100), Shifted(6, 1), RedrawLine(50),
      Shifted(6, 0, {{kRightWristPosY, -100}}), RedrawLine(100),
  };
  EXPECT_EQ(Calls(), expected);
}

TEST_F(KanaSystemTest, ARepeatedKanaBouncesOrHoldsWhenItsShapeHasSeveralKeyFrames) {
  PutPlainShapes(1, 46);
  KeyFrame turned = Frame();
  turned.RightWristAngle[2] = 45.0f;
  Put(7, {turned});                           // ｷ is turned about its length
  Put(8, {Frame(1.0f), Frame(0.5f, 30.0f)});  // ｸ has two key frames

  signs.Text(QString::fromUtf8("ｺｺｷｷ"));
  signs.StartRoutine(40);
  std::vector<std::string> expected = {"SetHandPose 0 0"};
  for (int i = 0; i < 2; ++i) {
    expected.insert(expected.end(), {Shifted(10, 0), RedrawLine(100),
                                     Shifted(10, 0, {{kRightWristAngleY, 10}}), RedrawLine(20),
                                     Shifted(10, 0), RedrawLine(20)});
  }
  for (int i = 0; i < 2; ++i) {
    expected.insert(expected.end(), {Shifted(7, 0), RedrawLine(100),
                                     Shifted(7, 0, {{kRightWristAngleX, 10}}), RedrawLine(20),
                                     Shifted(7, 0), RedrawLine(20)});
  }
  EXPECT_EQ(Calls(), expected);

  area.pictures.clear();
  signs.Text(QString::fromUtf8("ｸｸ"));
  signs.StartRoutine(40);
  expected = {"SetHandPose 0 0"};
  for (int i = 0; i < 2; ++i) {
    expected.insert(expected.end(),
                    {Shifted(8, 0), RedrawLine(100), Shifted(8, 1), RedrawLine(50), RedrawLine(100)});
  }
  EXPECT_EQ(Calls(), expected);
}
