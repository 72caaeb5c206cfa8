#include <functional>

#include <QAbstractItemView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "modal.h"

#include "dialogs.h"
#include "enhcombo.h"
#include "inifile.h"
#include "testapp.h"
#include "testfolder.h"
#include "tfmessage.h"

using namespace quorvel;

namespace {

using quorvel::test::whenmodal;

// Presses a key where the keyboard focus is, as a real key press arrives.
void press(QWidget* modal, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != modal) target = modal;
    QTest::keyClick(target, key, mods);
}

struct Seen {
    QString caption, text;
    bool b1 = false, b2 = false, b3 = false;
    QString t1, t2, t3;
    bool stillopen = true;
};

// Shows a dialog of kind, presses the given keys in order and reports what was seen.
int keysonkind(int kind, const char* title, std::vector<Qt::Key> keys, Seen* seen = nullptr) {
    whenmodal([keys, seen](QWidget* modal) {
        auto* m = dynamic_cast<TfMessage*>(modal);
        ASSERT_NE(m, nullptr);
        if (seen) {
            seen->caption = m->windowTitle();
            seen->text = m->Label1->text();
            seen->b1 = m->b1->isVisible(), seen->b2 = m->b2->isVisible(),
            seen->b3 = m->b3->isVisible();
            seen->t1 = m->b1->text(), seen->t2 = m->b2->text(), seen->t3 = m->b3->text();
        }
        for (std::size_t i = 0; i + 1 < keys.size(); ++i) {
            press(m, keys[i]);
            if (seen) seen->stillopen = seen->stillopen && m->isVisible();
        }
        press(m, keys.back());
        if (m->isVisible()) m->done(-1); // the last key did nothing: end the test anyway
    });
    return showdialog(kind, title, "Text of the message");
}

class Dialogs : public ::testing::Test {
  protected:
    void SetUp() override {
        test::ensureapp();
        dialogswitch = false;
    }
    test::TestFolder folder;
};

} // namespace

TEST_F(Dialogs, QuestionIgnoresEnterAndEscAndAnswersYesOrNoKeys) {
    Seen seen;
    EXPECT_EQ(keysonkind(dkQuestion, "", {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Y}, &seen),
              mrYes);
    EXPECT_TRUE(seen.stillopen);
    EXPECT_EQ(seen.caption, "Question");
    EXPECT_EQ(seen.text, "Text of the message");
    EXPECT_FALSE(seen.b1);
    EXPECT_TRUE(seen.b2 && seen.b3);
    EXPECT_EQ(seen.t2, "&Yes");
    EXPECT_EQ(seen.t3, "&No");
    EXPECT_EQ(keysonkind(dkQuestion, "Quit?", {Qt::Key_N}), mrNo);
    EXPECT_EQ(keysonkind(dkQuestion, "Quit?", {Qt::Key_Enter}), -1);
}

TEST_F(Dialogs, QuestionWithCancelAcceptsEscButNotEnter) {
    Seen seen;
    EXPECT_EQ(keysonkind(dkQuestionCancel, "Save?", {Qt::Key_Return, Qt::Key_Escape}, &seen),
              mrCancel);
    EXPECT_TRUE(seen.stillopen);
    EXPECT_EQ(seen.caption, "Save?");
    EXPECT_TRUE(seen.b1 && seen.b2 && seen.b3);
    EXPECT_EQ(seen.t1, "&Yes");
    EXPECT_EQ(seen.t2, "&No");
    EXPECT_EQ(seen.t3, "Cancel");
    EXPECT_EQ(keysonkind(dkQuestionCancel, "", {Qt::Key_Y}), mrYes);
    EXPECT_EQ(keysonkind(dkQuestionCancel, "", {Qt::Key_N}), mrNo);
}

TEST_F(Dialogs, OkBoxesAnswerEnterAndEscButNotYesOrNo) {
    struct Case {
        int kind;
        const char* caption;
    };
    for (const Case c : {Case{dkWarning, "Warning"}, Case{dkError, "Error"},
                         Case{dkNotice, "Notice"}, Case{99, "Notice"}}) {
        Seen seen;
        EXPECT_EQ(keysonkind(c.kind, "", {Qt::Key_Y, Qt::Key_N, Qt::Key_Return}, &seen), mrOk)
            << c.kind;
        EXPECT_TRUE(seen.stillopen) << c.kind;
        EXPECT_EQ(seen.caption, c.caption);
        EXPECT_FALSE(seen.b1 || seen.b3);
        EXPECT_EQ(seen.t2, "OK");
        EXPECT_EQ(keysonkind(c.kind, "Load Error", {Qt::Key_Escape}), mrCancel) << c.kind;
    }
    // The dialog is reused: a question before does not leave Y accepted.
    keysonkind(dkQuestionCancel, "", {Qt::Key_Y});
    EXPECT_EQ(keysonkind(dkError, "", {Qt::Key_Y}), -1);
}

TEST_F(Dialogs, ButtonsGiveTheirResults) {
    for (int button : {1, 2, 3}) {
        whenmodal([button](QWidget* modal) {
            auto* m = dynamic_cast<TfMessage*>(modal);
            QTest::mouseClick(button == 1 ? m->b1 : button == 2 ? m->b2 : m->b3, Qt::LeftButton);
        });
        EXPECT_EQ(showdialog(dkQuestionCancel, "", "?"), button == 1   ? mrYes
                                                         : button == 2 ? mrNo
                                                                       : mrCancel);
    }
}

TEST_F(Dialogs, FormLayout) {
    TfMessage* m = fMessage();
    EXPECT_EQ(m->size(), QSize(312, 126));
    EXPECT_EQ(m->iMsg->geometry(), QRect(12, 12, 48, 48));
    EXPECT_EQ(m->Label1->geometry(), QRect(68, 12, 232, 70));
    EXPECT_EQ(m->b1->geometry(), QRect(12, 96, 82, 25));
    EXPECT_EQ(m->b2->geometry(), QRect(116, 96, 82, 25));
    EXPECT_EQ(m->b3->geometry(), QRect(218, 96, 82, 25));
    EXPECT_TRUE(m->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(m->windowFlags() & Qt::WindowCloseButtonHint);
}

TEST_F(Dialogs, SwitchChoosesBetweenSystemBoxesAndTheGamesOwnDialog) {
    QString kind, caption, text;
    auto record = [&](QWidget* modal) {
        kind = dynamic_cast<TfMessage*>(modal)     ? "own"
               : dynamic_cast<QMessageBox*>(modal) ? "system"
                                                   : "?";
        caption = modal->windowTitle();
        if (auto* box = dynamic_cast<QMessageBox*>(modal)) {
            text = box->text();
            (box->buttons().size() > 1 ? box->button(QMessageBox::Yes) : box->buttons()[0])
                ->click();
        } else {
            text = dynamic_cast<TfMessage*>(modal)->Label1->text();
            press(modal, Qt::Key_Y);
            if (modal->isVisible()) press(modal, Qt::Key_Return);
        }
    };
    whenmodal(record);
    errorbox("File Error", "Could not read <b>x</b>");
    EXPECT_EQ(kind, "system");
    EXPECT_EQ(caption, "File Error");
    EXPECT_EQ(text, "Could not read <b>x</b>");
    whenmodal(record);
    EXPECT_TRUE(confirmbox("Quit", "Really?"));
    EXPECT_EQ(kind, "system");

    dialogswitch = true;
    whenmodal(record);
    errorbox("Load Error", "Damaged");
    EXPECT_EQ(kind, "own");
    EXPECT_EQ(caption, "Load Error");
    whenmodal(record);
    EXPECT_TRUE(confirmbox("", "Really?"));
    EXPECT_EQ(caption, "Question");
    whenmodal([](QWidget* modal) { press(modal, Qt::Key_N); });
    EXPECT_FALSE(confirmbox("Quit", "Really?"));
}

TEST_F(Dialogs, ErrorBoxLogShowsAndRecords) {
    dialogswitch = true;
    whenmodal([](QWidget* modal) { press(modal, Qt::Key_Escape); });
    errorboxlog("Save Error", "Unable to write the saved game.");
    const IniFile record = IniFile::load(folder.home() + "quorvel3d.tk");
    EXPECT_FALSE(record.readbool("Tendrik.Data", "Flag", true));
    EXPECT_EQ(record.readstring("Tendrik.LastError", "Description", ""),
              "Unable to write the saved game.");
}

TEST(EnhCombo, DropsDownAtLeastAsWideAsItsWidestEntryButNotPastTheScreen) {
    test::ensureapp();
    QWidget window;
    window.setGeometry(20, 20, 400, 200);
    auto* combo = new TEnhCombo(&window);
    combo->setGeometry(10, 10, 120, 24);
    combo->addItems(
        {"Back to basics <Default>", "A theme with a long folder name, longer than the box"});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    const QFontMetrics metrics(combo->font());
    const int widest = metrics.horizontalAdvance(combo->itemText(1));
    combo->showPopup();
    QWidget* popup = combo->view()->window();
    EXPECT_GE(popup->width(), widest + combo->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 8);
    const int screenright = combo->screen()->geometry().right() + 1;
    EXPECT_LE(popup->geometry().right() + 1, screenright - 2);
    combo->hidePopup();

    combo->addItem(QString(400, 'W')); // far wider than any screen
    combo->showPopup();
    EXPECT_EQ(popup->geometry().right() + 1, screenright - 2);
    combo->hidePopup();

    combo->setDropDownFixedWidth(300);
    combo->showPopup();
    EXPECT_EQ(popup->width(), 300);
    combo->hidePopup();
    combo->setDropDownFixedWidth(50); // never narrower than the box
    combo->showPopup();
    EXPECT_EQ(popup->width(), 120);
    combo->hidePopup();
}
