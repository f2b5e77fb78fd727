#include "platform/values/MaskedText.h"

namespace platform::values {

QString blankIfEmptyMask(const QString& text) {
    bool prompt = false;
    for (QChar c : text) {
        if (c.isLetterOrNumber()) return text;
        prompt = prompt || c == u'_';
    }
    return prompt ? QString() : text;
}

}  // namespace platform::values
