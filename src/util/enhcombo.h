#pragma once
// TEnhCombo: a drop-down list whose open list is at least as wide as its widest
// entry (the theme list of the opening screen, whose folder names are often longer
// than the box), yet never reaches past the right edge of the screen.

#include <QComboBox>

namespace quorvel {

class TEnhCombo : public QComboBox {
  public:
    explicit TEnhCombo(QWidget* parent = nullptr);

    /// A fixed width for the open list; 0 (the default) measures the entries.
    int DropDownFixedWidth() const { return m_dropdownfixedwidth; }
    void setDropDownFixedWidth(int width) { m_dropdownfixedwidth = width; }

    /// The width the open list asks for, before the combo's own width is applied:
    /// the fixed width, or the measured entries cut 2 pixels before the screen's right edge.
    int dropdownwidth(int listleft) const;

    void showPopup() override;

  private:
    int m_dropdownfixedwidth = 0;
};

} // namespace quorvel
