#pragma once
// A label that shows a button's caption as the button shows it: the letter after "&"
// underlined, the "&" itself not drawn. It only shows the caption; the key stays the
// button's. Plain text drawn by the style, so it needs no rich-text document (and no
// font besides its own).

#include <QLabel>

namespace quorvel {

class CaptionLabel : public QLabel {
  public:
    explicit CaptionLabel(QWidget* parent = nullptr) : QLabel(parent) {
        setTextFormat(Qt::PlainText);
    }

    /// Shows caption ("A &little harder now..."); text() gives it with its "&" marks.
    void setCaption(const QString& caption) { setText(caption); }

  protected:
    void paintEvent(QPaintEvent* event) override;
};

/// A caption without its "&" marks ("&&" stays one "&"), as a label of it reads.
QString captionWords(const QString& caption);

} // namespace quorvel
