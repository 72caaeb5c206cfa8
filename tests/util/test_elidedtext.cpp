// Names in fixed spaces: cut to fit with an ellipsis, whole in the hint and for
// whoever reads them back.

#include <gtest/gtest.h>

#include <QLabel>

#include "elidedtext.h"
#include "testapp.h"

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

TEST(ElidedText, ANameThatFitsIsShownWholeWithoutAHint) {
    test::ensureApp();
    QWidget window;
    QLabel* l = nameLine(&window, false, 300);
    showElided(l, "Abcdefghijkl");
    EXPECT_EQ(l->text(), "Abcdefghijkl");
    EXPECT_TRUE(l->toolTip().isEmpty());
    EXPECT_EQ(wholeText(l), "Abcdefghijkl");
}

TEST(ElidedText, ALongNameIsCutToTheLabelsWidthAndKeptWhole) {
    test::ensureApp();
    QWidget window;
    const QString name = "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW";
    for (const bool italic : {false, true}) {
        QLabel* l = nameLine(&window, italic, 200);
        showElided(l, name);
        EXPECT_TRUE(l->text().endsWith(ellipsis)) << italic;
        EXPECT_TRUE(l->text().startsWith("WW")) << italic;
        // The ink of the shown text, slanted letters included, stays inside the label.
        EXPECT_LE(l->fontMetrics().boundingRect(l->text()).right(), l->contentsRect().right())
            << italic;
        EXPECT_EQ(l->toolTip(), name);
        EXPECT_EQ(wholeText(l), name);
        // The same label given a short name again: whole, and the old hint is gone.
        showElided(l, "Ann");
        EXPECT_EQ(l->text(), "Ann");
        EXPECT_TRUE(l->toolTip().isEmpty());
    }
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

TEST(ElidedText, AnExplicitWidthWinsOverTheLabels) {
    test::ensureApp();
    QWidget window;
    QLabel* l = nameLine(&window, false, 600);
    showElided(l, "Mmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmm", 100);
    EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), 100);
    EXPECT_TRUE(l->text().endsWith(ellipsis));
}

TEST(ElidedText, NamesAreShownAsPlainText) {
    test::ensureApp();
    QWidget window;
    QLabel* l = nameLine(&window, false, 400);
    showElided(l, "<b>Bo</b>");
    EXPECT_EQ(l->textFormat(), Qt::PlainText);
    EXPECT_EQ(l->text(), "<b>Bo</b>");
}

TEST(ElidedText, TextSetSinceByOtherMeansIsTheWholeText) {
    test::ensureApp();
    QWidget window;
    QLabel* l = nameLine(&window, false, 80);
    EXPECT_EQ(wholeText(l), "");
    showElided(l, "Bartholomew-the-Long");
    l->setText("Zed");
    EXPECT_EQ(wholeText(l), "Zed");
}
