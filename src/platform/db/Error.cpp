#include "platform/db/Error.h"

namespace platform::db {

Error::Error(long number, const QString& description, const QString& statement, const QString& routine)
    : values::RuntimeError(number, description), statement_(statement), routine_(routine) {}

}  // namespace platform::db
