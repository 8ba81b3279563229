#pragma once

#include <QString>

#include <cstdint>
#include <memory>

class AlphaClass;
class JslClass;
class KslClass;
class NumClass;
class MessageSink;
class PlaybackEngine;

// The one object through which the program turns text into fingerspelling. It keeps
// the system it was set to, owns that system's converter, forwards text to it and
// plays the result through the playback engine:
//   0 BSL, 1 Indonesian alphabet, 2 ASL, 3 derived ASL alphabet (AlphaClass),
//   4 JSL (JslClass), 5 KSL (KslClass), 6 Japanese and Korean numerals (NumClass).
class SignClass {
 public:
  SignClass(PlaybackEngine& engine, MessageSink& messages);
  ~SignClass();
  SignClass(const SignClass&) = delete;
  SignClass& operator=(const SignClass&) = delete;

  // Drops the converter and makes a fresh one for `index`; none outside 0..6.
  void LangSet(int index);

  // Converts with the system's converter. Returns Result().
  bool Text(const QString& text);
  // Converts romanized Korean; only while set to 5, else Result() is False and
  // nothing changes.
  bool KslRomanText(const QString& text);
  // Converts romaji; only while set to 4, else Result() is False and nothing changes.
  bool JslRomanText(const QString& text);

  // Plays the last converted word at `speed` (at least 1): the delay is 4000 / speed
  // and FrameCounter starts again at 0. Returns when the whole word has been played;
  // false, playing nothing, for a speed below 1 or when there is no converter.
  bool StartRoutine(int speed);

  // True when the last conversion succeeded; False while there is no converter and
  // right after LangSet.
  bool Result() const { return result_; }

  // The Hangul of the KSL converter and the katakana of the JSL converter; empty
  // when that converter does not exist.
  QString HangulString() const;
  QString KatakanaString() const;

  int LanguageIndex() const { return index_; }
  const QString& LastText() const { return text_; }
  int16_t Delay() const { return delay_; }

 private:
  PlaybackEngine& engine_;
  MessageSink& messages_;
  int index_ = -1;
  QString text_;
  int16_t delay_ = 0;
  bool result_ = false;
  std::unique_ptr<AlphaClass> alpha_;
  std::unique_ptr<JslClass> jsl_;
  std::unique_ptr<KslClass> ksl_;
  std::unique_ptr<NumClass> num_;
};
