#pragma once

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

// Families the settings file names by their Windows names, each with the free families
// drawn to the same widths (Debian's Liberation fonts), so captions laid out for the
// Windows font keep their length where only the free one is installed.
std::vector<std::pair<QString, QStringList>> MetricCompatibleFamilies();
