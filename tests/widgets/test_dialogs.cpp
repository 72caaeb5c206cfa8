#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTest>

#include <gtest/gtest.h>

#include "support/modal.h"

#include "files/inifile.h"
#include "support/testapp.h"
#include "support/testfolder.h"
#include "widgets/dialogs.h"
#include "widgets/messagedialog.h"
#include "widgets/mnemonickeys.h"
#include "widgets/widecombobox.h"

using namespace quorvel;

namespace {

using quorvel::test::whenModal;

// Presses a key where the keyboard focus is, as a real key press arrives.
void press(QWidget* modal, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != modal) target = modal;
    QTest::keyClick(target, key, mods);
}

struct Seen {
    QString caption, text;
    bool leftButton = false, middleButton = false, rightButton = false;
    QString t1, t2, t3;
    bool stillOpen = true;
};

// Shows a dialog of kind, presses the given keys in order and reports what was seen.
int keysOnKind(int kind, const char* title, std::vector<Qt::Key> keys, Seen* seen = nullptr) {
    whenModal([keys, seen](QWidget* modal) {
        auto* m = dynamic_cast<MessageDialog*>(modal);
        ASSERT_NE(m, nullptr);
        if (seen) {
            seen->caption = m->windowTitle();
            seen->text = m->textLabel->text();
            seen->leftButton = m->leftButton->isVisible(),
            seen->middleButton = m->middleButton->isVisible(),
            seen->rightButton = m->rightButton->isVisible();
            seen->t1 = m->leftButton->text(), seen->t2 = m->middleButton->text(),
            seen->t3 = m->rightButton->text();
        }
        for (std::size_t i = 0; i + 1 < keys.size(); ++i) {
            press(m, keys[i]);
            if (seen) seen->stillOpen = seen->stillOpen && m->isVisible();
        }
        press(m, keys.back());
        if (m->isVisible()) m->done(-1); // the last key did nothing: end the test anyway
    });
    return showDialog(kind, title, "Text of the message");
}

class Dialogs : public ::testing::Test {
  protected:
    void SetUp() override {
        test::ensureApp();
        dialogSwitch = false;
    }
    test::TestFolder folder;
};

} // namespace

TEST_F(Dialogs, QuestionIgnoresEnterAndEscAndAnswersYesOrNoKeys) {
    Seen seen;
    EXPECT_EQ(keysOnKind(dkQuestion, "", {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Y}, &seen),
              mrYes);
    EXPECT_TRUE(seen.stillOpen);
    EXPECT_EQ(seen.caption, "Question");
    EXPECT_EQ(seen.text, "Text of the message");
    EXPECT_FALSE(seen.leftButton);
    EXPECT_TRUE(seen.middleButton && seen.rightButton);
    EXPECT_EQ(seen.t2, "&Yes");
    EXPECT_EQ(seen.t3, "&No");
    EXPECT_EQ(keysOnKind(dkQuestion, "Quit?", {Qt::Key_N}), mrNo);
    EXPECT_EQ(keysOnKind(dkQuestion, "Quit?", {Qt::Key_Enter}), -1);
}

TEST_F(Dialogs, QuestionWithCancelAcceptsEscButNotEnter) {
    Seen seen;
    EXPECT_EQ(keysOnKind(dkQuestionCancel, "Save?", {Qt::Key_Return, Qt::Key_Escape}, &seen),
              mrCancel);
    EXPECT_TRUE(seen.stillOpen);
    EXPECT_EQ(seen.caption, "Save?");
    EXPECT_TRUE(seen.leftButton && seen.middleButton && seen.rightButton);
    EXPECT_EQ(seen.t1, "&Yes");
    EXPECT_EQ(seen.t2, "&No");
    EXPECT_EQ(seen.t3, "Cancel");
    EXPECT_EQ(keysOnKind(dkQuestionCancel, "", {Qt::Key_Y}), mrYes);
    EXPECT_EQ(keysOnKind(dkQuestionCancel, "", {Qt::Key_N}), mrNo);
}

TEST_F(Dialogs, OkBoxesAnswerEnterAndEscButNotYesOrNo) {
    struct Case {
        int kind;
        const char* caption;
    };
    for (const Case c : {Case{dkWarning, "Warning"}, Case{dkError, "Error"},
                         Case{dkNotice, "Notice"}, Case{99, "Notice"}}) {
        Seen seen;
        EXPECT_EQ(keysOnKind(c.kind, "", {Qt::Key_Y, Qt::Key_N, Qt::Key_Return}, &seen), mrOk)
            << c.kind;
        EXPECT_TRUE(seen.stillOpen) << c.kind;
        EXPECT_EQ(seen.caption, c.caption);
        EXPECT_FALSE(seen.leftButton || seen.rightButton);
        EXPECT_EQ(seen.t2, "OK");
        EXPECT_EQ(keysOnKind(c.kind, "Load Error", {Qt::Key_Escape}), mrCancel) << c.kind;
    }
    // The dialog is reused: a question before does not leave Y accepted.
    keysOnKind(dkQuestionCancel, "", {Qt::Key_Y});
    EXPECT_EQ(keysOnKind(dkError, "", {Qt::Key_Y}), -1);
}

TEST_F(Dialogs, QuestionLettersAnswerPlainOrWithAltButNotWithOtherKeysHeld) {
    // The result of a question answered by one key press, with modifiers and repeat.
    const auto answer = [](Qt::Key key, Qt::KeyboardModifiers mods, bool repeat = false) {
        whenModal([=](QWidget* modal) {
            QWidget* target = QApplication::focusWidget();
            if (!target || target->window() != modal) target = modal;
            QString text(QChar(char16_t(u'A' + (key - Qt::Key_A))));
            if (!(mods & Qt::ShiftModifier)) text = text.toLower();
            QKeyEvent press(QEvent::KeyPress, key, mods, text, repeat);
            QApplication::sendEvent(target, &press);
            QApplication::processEvents();
            if (modal->isVisible()) dynamic_cast<MessageDialog*>(modal)->done(-1);
        });
        return showDialog(dkQuestionCancel, "", "Save?");
    };
    EXPECT_EQ(answer(Qt::Key_Y, Qt::NoModifier), mrYes);
    EXPECT_EQ(answer(Qt::Key_N, Qt::NoModifier), mrNo);
    EXPECT_EQ(answer(Qt::Key_Y, Qt::ShiftModifier), mrYes); // either case
    EXPECT_EQ(answer(Qt::Key_N, Qt::KeypadModifier), mrNo);
    for (const Qt::KeyboardModifiers held :
         {Qt::KeyboardModifiers(Qt::ControlModifier), Qt::KeyboardModifiers(Qt::MetaModifier),
          Qt::ControlModifier | Qt::ShiftModifier}) {
        EXPECT_EQ(answer(Qt::Key_Y, held), -1) << held.toInt();
        EXPECT_EQ(answer(Qt::Key_N, held), -1) << held.toInt();
    }
    // The repeat of a key held down since an earlier question answers nothing.
    EXPECT_EQ(answer(Qt::Key_Y, Qt::NoModifier, true), -1);
    // Letters that are no button's do nothing.
    EXPECT_EQ(answer(Qt::Key_C, Qt::NoModifier), -1);

    // Alt and the letter stays the buttons' own shortcut.
    whenModal([](QWidget* modal) {
        modal->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(modal));
        QTest::keyClick(modal, Qt::Key_N, Qt::AltModifier);
        for (int i = 0; i < 200 && modal->isVisible(); ++i) // a shortcut clicks a little later
            QTest::qWait(10);
        if (modal->isVisible()) dynamic_cast<MessageDialog*>(modal)->done(-1);
    });
    EXPECT_EQ(showDialog(dkQuestion, "", "Quit?"), mrNo);
}

TEST(PlainLetters, AnswerOnlyWhileNoTextFieldHasTheFocus) {
    test::ensureApp();
    QDialog dialog;
    auto* field = new QLineEdit(&dialog);
    auto* save = new QPushButton("&Save", &dialog);
    auto* hidden = new QPushButton("&Hidden", &dialog);
    auto* off = new QPushButton("&Off", &dialog);
    save->move(0, 40);
    off->setEnabled(false);
    int saved = 0, others = 0;
    QObject::connect(save, &QPushButton::clicked, [&] { ++saved; });
    QObject::connect(hidden, &QPushButton::clicked, [&] { ++others; });
    QObject::connect(off, &QPushButton::clicked, [&] { ++others; });
    answerPlainLetters(&dialog);
    dialog.show();
    hidden->hide();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    field->setFocus();
    QTest::keyClicks(field, "so");
    EXPECT_EQ(field->text(), "so"); // typed, not answered
    EXPECT_EQ(saved, 0);

    save->setFocus();
    QTest::keyClick(save, Qt::Key_S);
    EXPECT_EQ(saved, 1);
    QTest::keyClick(save, Qt::Key_H); // hidden and disabled buttons do not answer
    QTest::keyClick(save, Qt::Key_O);
    EXPECT_EQ(others, 0);
    QTest::keyClick(save, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(saved, 1);
    dialog.hide();
}

TEST_F(Dialogs, ButtonsGiveTheirResults) {
    for (int button : {1, 2, 3}) {
        whenModal([button](QWidget* modal) {
            auto* m = dynamic_cast<MessageDialog*>(modal);
            QTest::mouseClick(button == 1   ? m->leftButton
                              : button == 2 ? m->middleButton
                                            : m->rightButton,
                              Qt::LeftButton);
        });
        EXPECT_EQ(showDialog(dkQuestionCancel, "", "?"), button == 1   ? mrYes
                                                         : button == 2 ? mrNo
                                                                       : mrCancel);
    }
}

TEST_F(Dialogs, EachKindShowsTheGamesPictureOfItsKindAndItsButtonsGlyphs) {
    struct Case {
        int kind;
        const char* picture;
    };
    for (const Case c : {Case{dkWarning, "iconwarning"}, Case{dkError, "iconerror"},
                         Case{dkQuestion, "iconquestion"}, Case{dkQuestionCancel, "iconquestion"},
                         Case{dkNotice, "iconinfo"}}) {
        QImage shown;
        bool glyphs = true;
        whenModal([&](QWidget* modal) {
            auto* m = dynamic_cast<MessageDialog*>(modal);
            shown = m->iconLabel->pixmap().toImage();
            for (QPushButton* b : {m->leftButton, m->middleButton, m->rightButton})
                glyphs = glyphs && (!b->isVisible() || !b->icon().isNull());
            press(modal, Qt::Key_Escape);
            if (modal->isVisible()) press(modal, Qt::Key_N);
        });
        showDialog(c.kind, "", "?");
        EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32),
                  QImage(QString(":/pictures/%1.png").arg(c.picture))
                      .convertToFormat(QImage::Format_ARGB32))
            << c.kind;
        EXPECT_TRUE(glyphs) << c.kind;
    }
}

TEST_F(Dialogs, FormLayout) {
    MessageDialog* m = messageDialog();
    EXPECT_EQ(m->size(), QSize(312, 126));
    EXPECT_EQ(m->iconLabel->geometry(), QRect(12, 12, 48, 48));
    EXPECT_EQ(m->textLabel->geometry(), QRect(68, 12, 232, 70));
    EXPECT_EQ(m->leftButton->geometry(), QRect(12, 96, 82, 25));
    EXPECT_EQ(m->middleButton->geometry(), QRect(116, 96, 82, 25));
    EXPECT_EQ(m->rightButton->geometry(), QRect(218, 96, 82, 25));
    EXPECT_TRUE(m->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(m->windowFlags() & Qt::WindowCloseButtonHint);
}

TEST_F(Dialogs, SwitchChoosesBetweenSystemBoxesAndTheGamesOwnDialog) {
    QString kind, caption, text;
    auto record = [&](QWidget* modal) {
        kind = dynamic_cast<MessageDialog*>(modal) ? "own"
               : dynamic_cast<QMessageBox*>(modal) ? "system"
                                                   : "?";
        caption = modal->windowTitle();
        if (auto* box = dynamic_cast<QMessageBox*>(modal)) {
            text = box->text();
            (box->buttons().size() > 1 ? box->button(QMessageBox::Yes) : box->buttons()[0])
                ->click();
        } else {
            text = dynamic_cast<MessageDialog*>(modal)->textLabel->text();
            press(modal, Qt::Key_Y);
            if (modal->isVisible()) press(modal, Qt::Key_Return);
        }
    };
    whenModal(record);
    errorBox("File Error", "Could not read <b>x</b>");
    EXPECT_EQ(kind, "system");
    EXPECT_EQ(caption, "File Error");
    EXPECT_EQ(text, "Could not read <b>x</b>");
    whenModal(record);
    EXPECT_TRUE(confirmBox("Quit", "Really?"));
    EXPECT_EQ(kind, "system");

    dialogSwitch = true;
    whenModal(record);
    errorBox("Load Error", "Damaged");
    EXPECT_EQ(kind, "own");
    EXPECT_EQ(caption, "Load Error");
    whenModal(record);
    EXPECT_TRUE(confirmBox("", "Really?"));
    EXPECT_EQ(caption, "Question");
    whenModal([](QWidget* modal) { press(modal, Qt::Key_N); });
    EXPECT_FALSE(confirmBox("Quit", "Really?"));
}

TEST_F(Dialogs, ErrorBoxLogShowsAndRecords) {
    dialogSwitch = true;
    whenModal([](QWidget* modal) { press(modal, Qt::Key_Escape); });
    errorBoxLog("Save Error", "Unable to write the saved game.");
    const IniFile record = IniFile::load(folder.home() + "quorvel3d.tk");
    EXPECT_FALSE(record.readBool("Tendrik.Data", "Flag", true));
    EXPECT_EQ(record.readString("Tendrik.LastError", "Description", ""),
              "Unable to write the saved game.");
}

TEST(WideComboBox, DropsDownAtLeastAsWideAsItsWidestEntryButNotPastTheScreen) {
    test::ensureApp();
    QWidget window;
    window.setGeometry(20, 20, 400, 200);
    auto* combo = new WideComboBox(&window);
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
    const int screenRight = combo->screen()->geometry().right() + 1;
    EXPECT_LE(popup->geometry().right() + 1, screenRight - 2);
    combo->hidePopup();

    combo->addItem(QString(400, 'W')); // far wider than any screen
    combo->showPopup();
    EXPECT_EQ(popup->geometry().right() + 1, screenRight - 2);
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

TEST(WideComboBox, ALongEntryIsCutInTheClosedBox) {
    test::ensureApp();
    QWidget window;
    auto* combo = new WideComboBox(&window);
    combo->setGeometry(10, 10, 196, 24);
    combo->addItems({"Back to basics <Default>", "Wonderful Winding Walls of the Western Wastes"});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(combo->shownText(), "Back to basics <Default>");
    combo->setCurrentIndex(1);
    const QString shown = combo->shownText();
    EXPECT_TRUE(shown.startsWith("Wonderful Winding"));
    EXPECT_TRUE(shown.endsWith(QChar(0x2026)));
    EXPECT_LT(combo->fontMetrics().horizontalAdvance(shown), combo->width() - 20); // the arrow
    EXPECT_EQ(combo->currentText(), "Wonderful Winding Walls of the Western Wastes");
    // What the box paints is that text: the same picture as a box whose entry is it.
    auto* same = new WideComboBox(&window);
    same->setGeometry(10, 40, 196, 24);
    same->addItem(shown);
    const QImage painted = combo->grab().toImage();
    EXPECT_EQ(painted, same->grab().toImage());
}

// A dialog said aloud names each button by its caption as shown and the key that
// answers it: the first marked letter, a doubled "&" being the sign itself.
TEST(DialogWords, EachButtonIsSaidWithTheKeyThatAnswersIt) {
    EXPECT_EQ(dialogWords("Save Error", "Unable to write",
                          {{"Save && &Quit", ""}, {"&Yes &No", ""}, {"Cancel", "Esc"}, {"OK", ""}}),
              "Save Error. Unable to write. Save & Quit: press Q. Yes No: press Y. Cancel: "
              "press Esc. OK.");
}
