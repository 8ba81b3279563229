#pragma once

// What every conversion harness asks of a system's answer to any text: the signs it
// names are table slots, and the moves its choreography writes for them name only
// key frames the table has, so the players never read outside the table.
#include "convert/fingerspelling_system.h"
#include "convert/system_registry.h"
#include "signdata/angle_file.h"
#include "signdata/sign_table.h"

#include <QString>

#include <cstdlib>
#include <memory>
#include <variant>

// The shipped table of a system, loaded once per harness; a harness cannot run
// without it.
inline std::unique_ptr<SignTable> LoadShippedTable(const FingerspellingSystem& system) {
  auto table = std::make_unique<SignTable>(SignTable::WithHands(system.HandCount()));
  if (!LoadAngleFile(*table, QStringLiteral(TOVARO_SOURCE_DATA "/") + system.DataFileName()))
    std::abort();
  return table;
}

// A system and its shipped table, for a harness to keep for all its inputs.
struct SpellingSystem {
  const FingerspellingSystem& system;
  std::unique_ptr<SignTable> table;

  explicit SpellingSystem(SystemId id) : system(FindSystem(id)), table(LoadShippedTable(system)) {}
  int16_t NumeralBase() const { return *system.NumeralBase(); }
};

inline void CheckSpelling(const FingerspellingSystem& system, const ConversionResult& result,
                          const SignTable& table) {
  const auto* conversion = std::get_if<Conversion>(&result);
  if (conversion == nullptr) return;
  for (const SignStep& step : conversion->steps)
    if (step.Code < 0 || step.Code >= kSignSlots) std::abort();
  // The slowest and the fastest speeds the speed box takes.
  for (const int16_t delay : {int16_t{400}, int16_t{1}}) {
    for (const Move& move : system.Choreograph(table, conversion->steps, delay)) {
      if (move.kind == Move::Kind::Redraw) {
        if (move.steps < 0) std::abort();
        continue;
      }
      if (move.frame < 0 || move.frame >= table.KeyFrameCount(move.sign)) std::abort();
    }
  }
}
