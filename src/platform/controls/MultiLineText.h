#pragma once

#include <QPlainTextEdit>

namespace platform::controls {

// A multi-line text field: Tab and Enter move the focus like in every other field (no line is broken
// by Enter), and MaxLength holds for typed and pasted text alike (0: no limit).
class MultiLineText : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit MultiLineText(QWidget* parent = nullptr);

    QString Text() const { return toPlainText(); }
    void setText(const QString& text);
    int MaxLength() const { return maxLength_; }
    void setMaxLength(int length) { maxLength_ = length; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;

  private:
    int room() const;
    int maxLength_ = 0;
};

}  // namespace platform::controls
