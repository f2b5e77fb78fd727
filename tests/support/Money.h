#pragma once

#include <QString>

#include "platform/values/Currency.h"

namespace testsupport {

// An amount written as the user types it ("1.234,56"); the test fails loudly on a typo.
inline platform::values::Currency C(const char* texto) {
    return platform::values::Currency::parse(QString::fromUtf8(texto)).value();
}

}  // namespace testsupport
