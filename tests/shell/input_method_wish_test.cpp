#include "shell/input_method_wish.h"

#include <gtest/gtest.h>

TEST(InputMethodWish, OnlyTheKindOfInputBecomesAHint) {
  const Qt::InputMethodHints closed = ClosedInputMethodHints();
  const struct {
    Qt::InputMethodHints current;
    int kind;
    Qt::InputMethodHints expected;
  } cases[] = {
      {closed, 0, Qt::ImhNone},                                  // opened for hiragana
      {closed, 1, Qt::ImhNone},                                  // katakana
      {Qt::ImhNone, 2, Qt::ImhPreferLatin},                      // alphanumeric
      {Qt::ImhPreferLatin, 0, Qt::ImhNone},
      {Qt::ImhPreferLatin | Qt::ImhHiddenText, 7, Qt::ImhPreferLatin | Qt::ImhHiddenText},
  };
  for (const auto& c : cases) {
    // Roman input and width have no hint: any value gives the same.
    for (int roman : {0, 1, 5})
      for (int width : {0, 1, -1})
        EXPECT_EQ(HintsForConversion(c.current, roman, width, c.kind), c.expected) << c.kind;
  }
}
