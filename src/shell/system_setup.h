#pragma once

#include "convert/system_id.h"

#include <QString>

#include <cstdint>
#include <optional>

struct FileResult;
struct SignTable;

// What applying a fingerspelling system sets: the input layout, the system label, the
// numeral slots, the angle data file and its layout.
enum class SystemLayout { Alphabet, Jsl, Ksl, None };

struct SystemSetup {
  SystemLayout Layout = SystemLayout::None;
  std::optional<int> SignLabelCaption;  // a caption table row; JSL and KSL set their own
  std::optional<int16_t> NumeralBase;
  QString FileName;                     // beside the program; empty for the numerals
  std::optional<int> TableHands;        // the numerals keep the layout in force
};

// ASL and the derived ASL alphabet share one file; the numerals set nothing.
SystemSetup SetupOfSystem(SystemId system);

// What the user is told when an angle data file does not load: which file, and why.
QString LoadFailureMessage(const QString& path, const FileResult& result);
