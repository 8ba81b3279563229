#pragma once

#include <QString>

#include <cstdint>

// Recorded steps are numbered with at least three digits: 000, 001, ... 099, 100, 1234.
QString FrameNumberText(int32_t n);
