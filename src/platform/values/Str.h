#pragma once

#include <QString>

#include "platform/values/Currency.h"

namespace platform::values {

// Str: a number as the original's plain conversion wrote it, whatever the regional setting: a blank
// where the sign of a value not negative would stand, a point as the decimal separator, no grouping,
// no trailing decimal zeros and no zero before the point (150,50 -> " 150.5"; 0,4167 -> " .4167";
// 100000 -> " 100000"; -0,5 -> "-.5"; 0 -> " 0").
QString Str(Currency value);

}  // namespace platform::values
