#pragma once
// TfHelp: the instructions window. Ten pages carried inside the program, chosen
// from a two-level outline of thirteen items (three headings, ten topics), with
// First, Previous, Next and Last buttons that walk the outline and the keys F, P, N,
// L and Esc. It is not modal, so it can stay open beside the opening screen, and it
// keeps its place between showings.
//
// Outline items are numbered 1..13 in outline order. Selecting an item by number
// selects its heading instead while that heading is collapsed; a heading has no
// page, so selecting one leaves the page on display.

#include <QWidget>

class QLabel;
class QPushButton;
class QStatusBar;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

namespace quorvel {

/// One item of the instructions outline.
struct HelpItem {
    int level;           ///< 1 heading, 2 topic under the heading above it
    const char* text;    ///< the outline text
    const char* page;    ///< the page's resource name ("A1"), nullptr for headings
    const char* heading; ///< the page's title line, nullptr for headings
};

/// The thirteen outline items in order; item n is helpoutline[n - 1].
extern const HelpItem helpoutline[13];
inline constexpr int helpitemcount = 13;

/// Loads a built-in page (resource of type "RTF", HTML or rich text) into viewer;
/// false, and the viewer left as it was, when there is no such page.
bool loadrtfresource(QTextBrowser* viewer, const char* name);

class TfHelp : public QWidget {
  public:
    explicit TfHelp(QWidget* parent = nullptr);

    /// Shows the window without waiting (the opening screen's "Instructions"), or
    /// brings it to the front when it is already open.
    void showhelp();

    /// The selected outline item, 1..13.
    int selecteditem() const;
    /// True when the heading item (1, 6 or 11) shows its topics.
    bool isexpanded(int item) const;
    /// The resource name of the page on display ("A1"), empty before the first.
    const QString& pageshown() const { return m_pageshown; }

    /// Selects item n by the outline's rule (its heading while that is collapsed).
    void selectitem(int n);
    /// Expands a heading item; other items are left alone.
    void expanditem(int n);

    // The form's handlers, named after their controls.
    void cIndexClick();
    void bFirstClick();
    void bPrevClick();
    void bNextClick();
    void bLastClick();
    void bCloseClick();
    /// Esc closes; N, P, F and L (either case) act as the buttons. True when handled.
    bool FormKeyPress(QKeyEvent* event);

    QTreeWidget* cIndex;    ///< the outline, in the 165-pixel left panel
    QTextBrowser* eHelpDoc; ///< the page viewer, read-only
    QPushButton* bFirst;    ///< "First Topic", disabled until a page is shown
    QPushButton* bPrev;     ///< "Previous Topic"
    QPushButton* bNext;     ///< "Next Topic"
    QPushButton* bLast;     ///< "Last Topic", disabled on the last page
    QPushButton* bClose;    ///< "Close Help"
    QStatusBar* StatusBar1; ///< one panel: the topic on display, or a button's hint
    QLabel* StatusTopic;    ///< the status bar's topic text

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

  private:
    static bool haspage(int n);
    QTreeWidgetItem* item(int n) const;
    int number(const QTreeWidgetItem* it) const;
    void FormShow();
    void FormResize();

    QTreeWidgetItem* m_items[helpitemcount] = {};
    QString m_pageshown;
    bool m_placed = false; ///< centred on the screen at the first showing
};

} // namespace quorvel
