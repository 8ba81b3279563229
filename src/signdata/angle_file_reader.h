#pragma once

#include "signdata/sign_table.h"

#include <QString>
#include <QStringView>

#include <utility>
#include <variant>
#include <vector>

// The entries of an angle data file in file order: slot index and its record.
struct ParsedAngleData {
  std::vector<std::pair<int, SignRecord>> entries;
};

// Why a file was rejected, naming the line ("line 12: frame count 0").
struct AngleDataError {
  QString reason;
};

// Reads angle data text field by field: a comma or a line end ends a field, so only
// the count of fields matters, never how they are spread over lines. Each entry is a
// header of `columnCount` fields (index, name, frame count, then empty fields)
// followed by that many fields per key frame. `columnCount` is 52 (one hand) or 103
// (two hands).
std::variant<ParsedAngleData, AngleDataError> ParseAngleData(QStringView text, int columnCount);
