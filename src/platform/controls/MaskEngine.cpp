#include "platform/controls/MaskEngine.h"

namespace platform::controls {

namespace {
bool isMaskChar(QChar c) {
    return c == u'#' || c == u'9' || c == u'?' || c == u'A' || c == u'a' || c == u'&' || c == u'C';
}
bool isRequired(QChar kind) { return kind == u'#' || kind == u'?' || kind == u'A' || kind == u'&'; }
}  // namespace

MaskEngine::MaskEngine(const QString& mask) { setMask(mask); }

void MaskEngine::setMask(const QString& mask) {
    const QString old = text();
    const bool hadMask = hasMask();
    mask_ = mask;
    cells_.clear();
    int fold = 0;
    for (int i = 0; i < mask.size(); ++i) {
        const QChar c = mask[i];
        if (c == u'>') {
            fold = 1;
        } else if (c == u'<') {
            fold = -1;
        } else if (c == u'\\' && i + 1 < mask.size()) {
            cells_.push_back({QChar(), mask[++i], 0, true});
        } else if (isMaskChar(c)) {
            cells_.push_back({c, Prompt, fold, false});
        } else {
            cells_.push_back({QChar(), c, 0, true});
        }
    }
    if (hadMask || !old.isEmpty()) setText(old);
}

QString MaskEngine::text() const {
    QString out;
    for (const auto& c : cells_) out += c.shown;
    return out;
}

QString MaskEngine::textWithoutPrompts() const {
    QString out;
    for (const auto& c : cells_) out += (!c.kind.isNull() && !c.filled) ? QChar(u' ') : c.shown;
    return out;
}

QString MaskEngine::clipText() const {
    QString out;
    for (const auto& c : cells_)
        if (!c.kind.isNull()) out += c.filled ? c.shown : QChar(u' ');
    return out;
}

void MaskEngine::clear() {
    for (auto& c : cells_)
        if (!c.kind.isNull()) {
            c.filled = false;
            c.shown = Prompt;
        }
}

bool MaskEngine::isEmpty() const {
    for (const auto& c : cells_)
        if (!c.kind.isNull() && c.filled) return false;
    return true;
}

bool MaskEngine::isComplete() const {
    for (const auto& c : cells_)
        if (!c.kind.isNull() && isRequired(c.kind) && !c.filled) return false;
    return true;
}

bool MaskEngine::isInput(int pos) const { return pos >= 0 && pos < length() && !cells_[pos].kind.isNull(); }

bool MaskEngine::accepts(int pos, QChar c) const {
    if (!isInput(pos)) return false;
    switch (cells_[pos].kind.unicode()) {
        case u'#':
        case u'9':
            return c >= u'0' && c <= u'9';
        case u'?':
            return c.isLetter();
        case u'A':
        case u'a':
            return c.isLetterOrNumber();
        default:
            return c.isPrint();
    }
}

int MaskEngine::nextInput(int pos) const {
    for (int p = std::max(pos, 0); p < length(); ++p)
        if (isInput(p)) return p;
    return length();
}

int MaskEngine::previousInput(int pos) const {
    for (int p = std::min(pos, length()) - 1; p >= 0; --p)
        if (isInput(p)) return p;
    return -1;
}

int MaskEngine::type(int pos, QChar c) {
    const int p = nextInput(pos);
    if (p >= length() || !accepts(p, c)) return -1;
    Cell& cell = cells_[p];
    cell.shown = cell.caseFold > 0 ? c.toUpper() : cell.caseFold < 0 ? c.toLower() : c;
    cell.filled = true;
    return p + 1;
}

void MaskEngine::clearRange(int start, int count) {
    for (int p = std::max(start, 0); p < std::min(start + count, length()); ++p)
        if (isInput(p)) {
            cells_[p].filled = false;
            cells_[p].shown = Prompt;
        }
}

int MaskEngine::paste(int pos, const QString& text) {
    int p = pos;
    for (QChar c : text) {
        if (p < length() && !isInput(p) && cells_[p].shown == c) {
            ++p;
            continue;
        }
        const int after = type(p, c);
        if (after >= 0) {
            p = after;
            continue;
        }
        // Punctuation of a differently formatted text ("12.345-678" into "#####-###") is passed over.
        if (!c.isLetterOrNumber()) continue;
        break;
    }
    return p;
}

void MaskEngine::setText(const QString& text) {
    clear();
    if (!hasMask()) return;
    if (text.size() == length()) {
        for (int p = 0; p < length(); ++p)
            if (isInput(p) && text[p] != Prompt && text[p] != u' ' && accepts(p, text[p])) type(p, text[p]);
        return;
    }
    int p = 0;
    for (QChar c : text) {
        if (p >= length()) break;
        if (!isInput(p) && cells_[p].shown == c) {
            ++p;
            continue;
        }
        if (c == Prompt || c == u' ') {
            p = nextInput(p) + 1;
            continue;
        }
        const int after = type(p, c);
        if (after >= 0) p = after;
    }
}

}  // namespace platform::controls
