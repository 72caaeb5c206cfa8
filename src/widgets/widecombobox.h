#pragma once
// WideComboBox: a drop-down list whose open list is at least as wide as its widest
// entry (the theme list of the opening screen, whose folder names are often longer
// than the box), yet never reaches past the right edge of the screen. The closed box
// shows a long entry cut with an ellipsis rather than clipped mid-letter.

#include <QComboBox>

namespace quorvel {

class WideComboBox : public QComboBox {
  public:
    explicit WideComboBox(QWidget* parent = nullptr);

    /// A fixed width for the open list; 0 (the default) measures the entries.
    int dropDownFixedWidth() const { return m_dropDownFixedWidth; }
    void setDropDownFixedWidth(int width) { m_dropDownFixedWidth = width; }

    /// The width the open list asks for, before the combo's own width is applied:
    /// the fixed width, or the measured entries cut 2 pixels before the screen's right edge.
    int dropDownWidth(int listLeft) const;

    void showPopup() override;

    /// The chosen entry as the closed box shows it: cut with an ellipsis to the room
    /// the box has for it.
    QString shownText() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int m_dropDownFixedWidth = 0;
};

} // namespace quorvel
