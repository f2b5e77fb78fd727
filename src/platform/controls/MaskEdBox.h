#pragma once

#include <QLineEdit>

#include "platform/controls/MaskEngine.h"

namespace platform::controls {

// A masked edit box (its own mask engine over QLineEdit). With a mask, typing overwrites the input
// positions and skips the literals, Backspace and Delete empty positions, and a paste types its
// characters in order; Text keeps the "_" prompts (unless PromptInclude is false, when unfilled
// positions read as blanks). Without a mask it is a plain text field. Use these members, not
// QLineEdit::setText, to change its text.
class MaskEdBox : public QLineEdit {
    Q_OBJECT
  public:
    explicit MaskEdBox(QWidget* parent = nullptr);

    QString Mask() const { return engine_.mask(); }
    void setMask(const QString& mask);
    QString Text() const;
    void setText(const QString& text);
    // The input positions without the literals; an unfilled position is a blank.
    QString ClipText() const;
    bool PromptInclude() const { return promptInclude_; }
    void setPromptInclude(bool include) { promptInclude_ = include; }
    int SelStart() const;
    void setSelStart(int start);
    int SelLength() const;
    void setSelLength(int length);
    int MaxLength() const { return maxLength(); }
    void setMaxLength(int length) { QLineEdit::setMaxLength(length); }

    const MaskEngine& engine() const { return engine_; }
    // Types a text as a paste does.
    void pasteText(const QString& text);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // Shows the engine's text with the cursor at `cursor`.
    void refresh(int cursor);

  private:
    void clearSelectionOrAt(int pos, bool backwards);
    MaskEngine engine_;
    bool promptInclude_ = true;
};

}  // namespace platform::controls
