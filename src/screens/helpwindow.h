#pragma once
// HelpWindow: the instructions window. Ten pages carried inside the program, chosen
// from a two-level outline of thirteen items (three headings, ten topics), with
// First, Previous, Next and Last buttons that walk the outline and the keys F, P, N,
// L and Esc. It is not modal, so it can stay open beside the opening screen, and it
// keeps its place between showings.
//
// Outline items are numbered 1..13 in outline order. Selecting an item by number
// selects its heading instead while that heading is collapsed; a heading has no
// page, so selecting one leaves the page on display.

#include <QCoreApplication>
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

/// The thirteen outline items in order; item n is helpOutline[n - 1].
extern const HelpItem helpOutline[13];
inline constexpr int helpItemCount = 13;

/// Loads a built-in page (resource of type "RTF", HTML or rich text) into viewer;
/// false, and the viewer left as it was, when there is no such page.
bool loadRtfResource(QTextBrowser* viewer, const char* name);

class HelpWindow : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(quorvel::HelpWindow)

  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    /// Shows the window without waiting (the opening screen's "Instructions"), or
    /// brings it to the front when it is already open.
    void showHelp();

    /// The selected outline item, 1..13.
    int selectedItem() const;
    /// True when the heading item (1, 6 or 11) shows its topics.
    bool isExpanded(int item) const;
    /// The resource name of the page on display ("A1"), empty before the first.
    const QString& pageShown() const { return m_pageShown; }

    /// Selects item n by the outline's rule (its heading while that is collapsed).
    void selectItem(int n);
    /// Expands a heading item; other items are left alone.
    void expandItem(int n);

    // The form's handlers, named after their controls.
    void showSelectedPage();
    void firstTopic();
    void previousTopic();
    void nextTopic();
    void lastTopic();
    void closeHelp();
    /// Esc closes; N, P, F and L (either case) act as the buttons. True when handled.
    bool handleKey(QKeyEvent* event);

    QTreeWidget* outline;        ///< the outline, in the 165-pixel left panel
    QTextBrowser* pageViewer;    ///< the page viewer, read-only
    QPushButton* firstButton;    ///< "First Topic", disabled until a page is shown
    QPushButton* previousButton; ///< "Previous Topic"
    QPushButton* nextButton;     ///< "Next Topic"
    QPushButton* lastButton;     ///< "Last Topic", disabled on the last page
    QPushButton* closeButton;    ///< "Close Help"
    QStatusBar* statusBar;       ///< one panel: the topic on display, or a button's hint
    QLabel* statusTopic;         ///< the status bar's topic text

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

  private:
    static bool hasPage(int n);
    QTreeWidgetItem* item(int n) const;
    int number(const QTreeWidgetItem* it) const;
    void onShown();
    void onResized();

    QTreeWidgetItem* m_items[helpItemCount] = {};
    QString m_pageShown;
    bool m_placed = false; ///< centred on the screen at the first showing
};

} // namespace quorvel
