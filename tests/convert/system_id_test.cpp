#include "convert/system_id.h"

#include "convert/fingerspelling_system.h"
#include "convert/system_registry.h"

#include <gtest/gtest.h>

// Numbers become systems only at the files and the command line; a number no system
// has is refused there, and the user's choice never names the numerals.
TEST(SystemId, StoredNumbersNameTheSystemsAndNothingElse) {
  for (int number = 0; number <= 6; ++number) {
    const std::optional<SystemId> system = SystemFromNumber(number);
    ASSERT_TRUE(system) << number;
    EXPECT_EQ(SystemNumber(*system), number);
    EXPECT_EQ(FindSystem(*system).Id(), *system);
    EXPECT_EQ(ChoosableSystemFromNumber(number), number <= 5 ? system : std::nullopt) << number;
    EXPECT_EQ(IsAlphabetSystem(*system), FindSystem(*system).Input() == InputFamily::Alphabet) << number;
  }
  for (const int number : {-1, 7, 100, -32768}) {
    EXPECT_EQ(SystemFromNumber(number), std::nullopt) << number;
    EXPECT_EQ(ChoosableSystemFromNumber(number), std::nullopt) << number;
  }
  EXPECT_EQ(AllSystems().size(), 7u);
}
