#include "platform/files/TextFile.h"

#include "platform/values/Cp1252.h"

namespace platform::files {

namespace {
// Lines are gathered and handed to the file in blocks of about this size.
constexpr qsizetype BlockSize = 256 * 1024;
}  // namespace

TextFile::TextFile(const QString& path) : file_(path) {}

bool TextFile::Open() {
    failed_ = !file_.open();
    buffer_.clear();
    buffer_.reserve(BlockSize + 1024);
    return !failed_;
}

void TextFile::WriteLine(const QString& line) {
    if (failed_ || !file_.device().isOpen()) {
        failed_ = true;
        return;
    }
    values::appendCp1252(buffer_, line);
    endLine();
}

void TextFile::WriteEncodedLine(QByteArrayView line) {
    if (failed_ || !file_.device().isOpen()) {
        failed_ = true;
        return;
    }
    buffer_ += line;
    endLine();
}

void TextFile::endLine() {
    buffer_ += "\r\n";
    if (buffer_.size() >= BlockSize) {
        failed_ = file_.device().write(buffer_) != buffer_.size();
        // Emptied, not released: the next block fills the same room.
        buffer_.resize(0);
    }
}

bool TextFile::Commit() {
    if (!file_.device().isOpen()) return false;
    if (!failed_ && !buffer_.isEmpty()) file_.device().write(buffer_);
    buffer_.clear();
    // A write that failed is in the device's error, which the commit reports with its cause.
    return file_.commit();
}

}  // namespace platform::files
