#pragma once

#include <QLocale>
#include <QString>

// The locale's short date form without the year, for dates close enough to today that
// the year goes without saying: "M/d" in the United States, "dd/MM" in Britain,
// "dd.MM" in Germany, "MM/dd" in Japan.
QString MonthDayFormat(const QLocale& locale);
