// Work put off until a window is first on the screen (the first game made ahead, the
// best times' runs checked) waits for that paint, and runs once.

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include "support/testapp.h"
#include "widgets/afterpaint.h"

using namespace quorvel;

namespace {

class Painted : public QWidget {
  public:
    bool painted = false;

  protected:
    void paintEvent(QPaintEvent*) override { painted = true; }
};

} // namespace

TEST(AfterNextPaint, TheWorkWaitsForTheFirstPaintAndRunsOnce) {
    test::ensureApp();
    Painted window;
    int runs = 0;
    bool paintedBefore = false;
    afterNextPaint(&window, [&] {
        ++runs;
        paintedBefore = window.painted;
    });
    window.resize(60, 40);
    window.setWindowTitle("not yet shown");
    QApplication::processEvents();
    EXPECT_EQ(runs, 0);
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return runs > 0; }, 5000));
    EXPECT_TRUE(paintedBefore);
    window.repaint();
    QTest::qWait(20);
    EXPECT_EQ(runs, 1);
}
