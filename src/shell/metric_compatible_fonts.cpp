#include "shell/metric_compatible_fonts.h"

std::vector<std::pair<QString, QStringList>> MetricCompatibleFamilies() {
  return {
      {QStringLiteral("Times New Roman"), {QStringLiteral("Liberation Serif")}},
      {QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")}},
      {QStringLiteral("Courier New"), {QStringLiteral("Liberation Mono")}},
  };
}
