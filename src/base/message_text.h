#pragma once

#include <QString>
#include <QStringView>

// Text taken from a file or an argument and quoted in a message: at most 20
// characters, then "…", so a value thousands of digits long cannot swamp the message.
QString ShortenedForMessage(QStringView text);
