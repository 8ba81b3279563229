#pragma once

#include <QString>

// The directory of the program file, ending in "/". Every file the program keeps
// beside itself (settings, angle data, word lists, help) is named relative to it.
QString AppDirectory();
