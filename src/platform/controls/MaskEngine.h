#pragma once

#include <QChar>
#include <QString>
#include <vector>

namespace platform::controls {

// The masked-edit rules, without a widget. Mask characters: "#" a digit, "9" an optional digit, "?" a
// letter, "A" a letter or digit, "a" an optional letter or digit, "&" and "C" any character, ">" and
// "<" turn what follows to upper or lower case, "\" makes the next character a literal; every other
// character is a literal shown as it is. An input position not yet filled shows the prompt "_".
class MaskEngine {
  public:
    explicit MaskEngine(const QString& mask = QString());

    // Changes the mask; the current text is laid onto the new mask position by position.
    void setMask(const QString& mask);
    const QString& mask() const { return mask_; }
    bool hasMask() const { return !mask_.isEmpty(); }
    // Display width: literals and input positions.
    int length() const { return static_cast<int>(cells_.size()); }

    // The text as shown, prompts included ("__.___.___/____-__" when empty).
    QString text() const;
    // The text with every unfilled position as a blank instead of the prompt.
    QString textWithoutPrompts() const;
    // The input positions only, literals left out; an unfilled position is a blank.
    QString clipText() const;
    // Lays `text` onto the mask: position by position when it has the display width, otherwise its
    // characters fill the input positions in order (literals of the mask in it are skipped). A
    // character an input position does not accept leaves that position empty.
    void setText(const QString& text);
    void clear();
    bool isEmpty() const;
    bool isComplete() const;

    bool isInput(int pos) const;
    bool accepts(int pos, QChar c) const;
    // The first input position at or after `pos` (length() when none), the last before it (-1).
    int nextInput(int pos) const;
    int previousInput(int pos) const;

    // Types `c` at the first input position from `pos`; returns the position after it, or -1 when
    // the character is refused.
    int type(int pos, QChar c);
    // Empties the input positions of [start, start + count).
    void clearRange(int start, int count);
    // Types a pasted text from `pos`: literals of the mask are skipped, typing stops at the first
    // character that fits nowhere. Returns the position after the last character typed.
    int paste(int pos, const QString& text);

    static constexpr QChar Prompt = QChar(u'_');

  private:
    struct Cell {
        QChar kind;  // mask character of an input position, or 0 for a literal
        QChar shown;
        int caseFold;  // 1 upper, -1 lower, 0 as typed
        bool filled;
    };
    std::vector<Cell> cells_;
    QString mask_;
};

}  // namespace platform::controls
