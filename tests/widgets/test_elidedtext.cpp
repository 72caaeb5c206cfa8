// Names in fixed spaces: cut to fit with an ellipsis, whole in the hint and for
// whoever reads them back.

#include <gtest/gtest.h>

#include <QLabel>

#include "support/testapp.h"
#include "widgets/elidedtext.h"

using namespace quorvel;

namespace {

const QString ellipsis(QChar(0x2026));

QLabel* nameLine(QWidget* parent, bool italic, int width) {
    auto* l = new QLabel(parent);
    QFont f("Liberation Serif");
    f.setPixelSize(24);
    f.setItalic(italic);
    f.setBold(true);
    l->setFont(f);
    l->setGeometry(0, 0, width, 32);
    return l;
}

} // namespace

TEST(ElidedText, ALongNameIsCutToTheLabelsWidthAndKeptWhole) {
    test::ensureApp();
    QWidget window;
    const QString name(60, 'W');
    for (const bool italic : {false, true}) {
        QLabel* l = nameLine(&window, italic, 200);
        showElided(l, name);
        EXPECT_TRUE(l->text().startsWith("WW") && l->text().endsWith(ellipsis)) << italic;
        EXPECT_LE(l->fontMetrics().boundingRect(l->text()).right(), l->contentsRect().right());
        EXPECT_EQ(l->toolTip(), name);
        EXPECT_EQ(wholeText(l), name);
        // Given a name that fits: whole, as plain text, and the old hint is gone.
        showElided(l, "<b>Bo</b>");
        EXPECT_EQ(l->text(), "<b>Bo</b>");
        EXPECT_EQ(l->textFormat(), Qt::PlainText);
        EXPECT_TRUE(l->toolTip().isEmpty());
    }
    // An explicit width wins over the label's; a text set since by other means is whole.
    QLabel* wide = nameLine(&window, false, 600);
    showElided(wide, "Mmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmm", 100);
    EXPECT_LE(wide->fontMetrics().horizontalAdvance(wide->text()), 100);
    wide->setText("Zed");
    EXPECT_EQ(wholeText(wide), "Zed");
}

TEST(ElidedText, ASlantedNameKeepsItsLastLetterInsideTheLabel) {
    test::ensureApp();
    QWidget window;
    const QString name = "Hollyhock ElfW";
    QLabel* probe = nameLine(&window, true, 10);
    const int advance = probe->fontMetrics().horizontalAdvance(name);
    ASSERT_GT(probe->fontMetrics().boundingRect(name).right(), advance - 1); // it leans out
    // Just as wide as the name's advance: the leaning last letter would be clipped.
    QLabel* l = nameLine(&window, true, advance);
    showElided(l, name);
    EXPECT_LE(l->fontMetrics().boundingRect(l->text()).right(), l->contentsRect().right());
    EXPECT_EQ(wholeText(l), name);
}
