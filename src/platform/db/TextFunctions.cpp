#include "platform/db/TextFunctions.h"

// Built twice: into the program, and into the loadable extension that lets the standard sqlite3 tool
// read and write the files with the same collation (there SQLite's calls go through its routine table).
#ifdef RT_SQLITE_EXTENSION
#include <sqlite3ext.h>
SQLITE_EXTENSION_INIT3
#else
#include <sqlite3.h>
#endif

#include <QStringDecoder>
#include <QStringView>
#include <QVarLengthArray>
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "platform/db/Connection.h"
#include "platform/values/TextCompare.h"

namespace platform::db {
namespace {

// SQLite hands both functions UTF-16 in the machine's byte order, which is what QStringView reads. A
// text may start at an odd address inside a stored record, where reading it as 16-bit units is
// undefined: such a text is copied to an aligned buffer first.
using Aligned = QVarLengthArray<char16_t, 256>;
QStringView alignedView(const void* data, int bytes, Aligned& buffer) {
    if (reinterpret_cast<std::uintptr_t>(data) % alignof(char16_t) == 0)
        return QStringView(static_cast<const char16_t*>(data), bytes / 2);
    buffer.resize(bytes / 2);
    std::memcpy(buffer.data(), data, std::size_t(buffer.size()) * sizeof(char16_t));
    return QStringView(buffer.data(), buffer.size());
}

int collate(void*, int lengthA, const void* a, int lengthB, const void* b) {
    Aligned bufferA, bufferB;
    const QStringView x = alignedView(a, lengthA, bufferA);
    const QStringView y = alignedView(b, lengthB, bufferB);
    try {
        return values::compareText(x, y);
    } catch (...) {
        // An exception must not cross SQLite's C frames; a byte order is still a consistent order.
        return x.compare(y);
    }
}

// UTF-8 to UTF-16 on the stack for the texts a collation sees (a stored value is seldom long).
using Utf16 = QVarLengthArray<QChar, 256>;
QStringView utf16(const char* text, int bytes, Utf16& buffer) {
    buffer.resize(bytes);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    const QChar* end = decoder.appendToBuffer(buffer.data(), QByteArrayView(text, bytes));
    return QStringView(buffer.data(), end - buffer.data());
}

int collateUtf8(void*, int lengthA, const void* a, int lengthB, const void* b) {
    const auto* x = static_cast<const char*>(a);
    const auto* y = static_cast<const char*>(b);
    try {
        return compareStoredText(x, lengthA, y, lengthB);
    } catch (...) {
        const int c = std::memcmp(x, y, std::size_t(std::min(lengthA, lengthB)));
        return c != 0 ? c : lengthA - lengthB;
    }
}

// X LIKE Y calls like(Y, X): the pattern comes first.
void like(sqlite3_context* context, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const void* pattern = sqlite3_value_text16(argv[0]);
    const int patternBytes = sqlite3_value_bytes16(argv[0]);
    const void* text = sqlite3_value_text16(argv[1]);
    const int textBytes = sqlite3_value_bytes16(argv[1]);
    if (!pattern || !text) {
        sqlite3_result_error_nomem(context);
        return;
    }
    Aligned textBuffer, patternBuffer;
    try {
        sqlite3_result_int(context, values::likeText(alignedView(text, textBytes, textBuffer),
                                                     alignedView(pattern, patternBytes, patternBuffer))
                                        ? 1
                                        : 0);
    } catch (...) {
        sqlite3_result_error(context, "LIKE failed", -1);
    }
}

}  // namespace

int compareStoredText(const char* a, int lengthA, const char* b, int lengthB) {
    // While both texts are plain ASCII the order is the letters' order with case ignored, one byte a
    // character, so the bytes decide without converting: most stored texts (numbers, codes, CNPJs,
    // dates) never leave this loop.
    const int n = std::min(lengthA, lengthB);
    for (int i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if ((x | y) & 0x80) {
            Utf16 bufferA, bufferB;
            return values::compareText(utf16(a, lengthA, bufferA), utf16(b, lengthB, bufferB));
        }
        if (x == y) continue;
        const auto foldedX = x >= 'A' && x <= 'Z' ? x + ('a' - 'A') : x;
        const auto foldedY = y >= 'A' && y <= 'Z' ? y + ('a' - 'A') : y;
        if (foldedX != foldedY) return foldedX < foldedY ? -1 : 1;
    }
    // Equal up to the shorter one: the shorter one first, whatever the longer one goes on with.
    return lengthA == lengthB ? 0 : (lengthA < lengthB ? -1 : 1);
}

int registerTextFunctions(sqlite3* db) {
    // The same order for files stored in either encoding; SQLite takes the one matching the file.
    int rc = sqlite3_create_collation_v2(db, Connection::TextCollation, SQLITE_UTF8, nullptr, collateUtf8,
                                         nullptr);
    if (rc != SQLITE_OK) return rc;
    rc = sqlite3_create_collation_v2(db, Connection::TextCollation, SQLITE_UTF16, nullptr, collate, nullptr);
    if (rc != SQLITE_OK) return rc;
    return sqlite3_create_function_v2(db, "like", 2, SQLITE_UTF16 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS,
                                      nullptr, like, nullptr, nullptr, nullptr);
}

}  // namespace platform::db
