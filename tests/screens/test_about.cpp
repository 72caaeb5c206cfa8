#include <filesystem>
#include <fstream>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "screens/aboutbox.h"
#include "screenshot.h"
#include "support/modal.h"
#include "support/testapp.h"
#include "support/testfolder.h"

using namespace quorvel;

namespace {

class About : public ::testing::Test {
  protected:
    void SetUp() override {
        test::ensureApp();
        about = std::make_unique<AboutBox>(folder.home());
        about->setOpener([this](const std::string& a) {
            opened.push_back(a);
            return true;
        });
    }
    void writeIni(const std::string& theme, const std::string& content) {
        QDir().mkpath(QString::fromStdString(folder.home() + theme));
        std::ofstream(folder.home() + theme + "/theme.ini", std::ios::binary) << content;
    }
    std::vector<std::string> lines() const {
        std::vector<std::string> out;
        for (QLabel* l : about->credits)
            out.push_back(l->text().toStdString());
        return out;
    }
    // Shows the box modally for theme and closes it with key; returns what it showed.
    std::vector<std::string> showFor(const std::string& theme, Qt::Key key = Qt::Key_Escape,
                                     const char* shot = nullptr) {
        std::vector<std::string> seen;
        test::whenModal([&](QWidget* modal) {
            seen.push_back(about->themeLabel->text().toStdString());
            for (const std::string& l : lines())
                seen.push_back(l);
            if (shot) test::screenShot(modal, shot);
            QWidget* target = QApplication::focusWidget();
            if (!target || target->window() != modal) target = modal;
            QTest::keyClick(target, key);
        });
        about->showAbout(theme);
        return seen;
    }
    test::TestFolder folder;
    std::unique_ptr<AboutBox> about;
    std::vector<std::string> opened;
};

} // namespace

TEST_F(About, CreditsFillFromTheTopInKeyOrder) {
    writeIni("Castle", "[Credits]\nMusic=Ann Tune\nGraphics=Bo Paint\n");
    EXPECT_EQ(showFor("Castle"), (std::vector<std::string>{"Castle", "Graphics by Bo Paint",
                                                           "Music by Ann Tune", "", "", ""}));
    writeIni("Castle", "[Items]\nfood=bread\n[Credits]\nThemeBy=Cy\nGraphics=Di\nMessages=Ed\n"
                       "Sounds=Flo\nMusic=Gus\n");
    EXPECT_EQ(showFor("Castle", Qt::Key_Return, "about"), // read afresh at every showing
              (std::vector<std::string>{"Castle", "Theme by Cy", "Graphics by Di", "Messages by Ed",
                                        "Sounds by Flo", "Music by Gus"}));
}

TEST_F(About, ThemesWithoutCreditsShowOnlyTheirName) {
    writeIni("Bare", "[Items]\nfood=bread\n");
    QDir().mkpath(QString::fromStdString(folder.home() + "NoIni"));
    writeIni("Blank", "[Credits]\nThemeBy=   \nSounds=\n");
    for (const char* theme : {"Bare", "NoIni", "Gone", "Blank"}) {
        const AboutCredits c = aboutCredits(folder.home(), theme);
        EXPECT_EQ(c.themeLabel, theme);
        for (const std::string& l : c.lines)
            EXPECT_EQ(l, "") << theme;
    }
}

TEST_F(About, CreditsReadAsTheThemesWordsAre) {
    // Notepad's "Unicode": UTF-16 after a byte-order mark, as the theme's words read.
    const std::u16string text = u"[Credits]\r\nThemeBy=Zo\u00EB\r\nMusic=\u5C71\u7530\r\n";
    std::string utf16("\xFF\xFE");
    for (char16_t c : text) {
        utf16 += static_cast<char>(c & 0xFF);
        utf16 += static_cast<char>(c >> 8);
    }
    writeIni("Notepad", utf16);
    EXPECT_EQ(showFor("Notepad"),
              (std::vector<std::string>{"Notepad", "Theme by Zo\xC3\xAB",
                                        "Music by \xE5\xB1\xB1\xE7\x94\xB0", "", "", ""}));
    // A line in Windows-1252 beside UTF-8 ones.
    writeIni("Mixed", "[Credits]\nThemeBy=Ren\xE9\nSounds=Zo\xC3\xAB\n");
    const AboutCredits mixed = aboutCredits(folder.home(), "Mixed");
    EXPECT_EQ(mixed.lines[0], "Theme by Ren\xC3\xA9");
    EXPECT_EQ(mixed.lines[1], "Sounds by Zo\xC3\xAB");
    // A theme folder named in Latin-1 gives its credits under the name it is listed by.
    const std::string latin1 = folder.home() + "Gr\xE8s";
    std::filesystem::create_directory(latin1);
    std::ofstream(latin1 + "/theme.ini") << "[Credits]\nGraphics=Ana\n";
    EXPECT_EQ(aboutCredits(folder.home(), "Gr\xC3\xA8s").lines[0], "Graphics by Ana");
    std::filesystem::remove_all(latin1);
}

TEST_F(About, TheBuiltInThemeWhateverTheCase) {
    for (const char* theme :
         {"Back to basics <Default>", "back to basics <default>", "BACK TO BASICS <DEFAULT>", ""}) {
        const AboutCredits c = aboutCredits(folder.home(), theme);
        EXPECT_EQ(c.themeLabel, "Back to basics <default>") << theme;
        EXPECT_EQ(c.lines[0], "Theme by " + std::string(builtinThemeAuthor));
        for (int i = 1; i < 5; ++i)
            EXPECT_EQ(c.lines[i], "");
    }
    writeIni("Castle", "[Credits]\nThemeBy=Cy\nGraphics=Di\n");
    showFor("Castle");
    EXPECT_EQ(showFor("back to basics <DEFAULT>", Qt::Key_Escape, "about-builtin"),
              (std::vector<std::string>{"Back to basics <default>", "Theme by Tendrik", "", "", "",
                                        ""})); // no line left over from the last theme
}

TEST_F(About, VersionLineAndLinks) {
    showFor("");
    EXPECT_EQ(about->versionLabel->text(), "Quorvel 3-D version 1.35");
    EXPECT_EQ(about->windowTitle(), "About Quorvel 3-D");
    EXPECT_EQ(about->size(), QSize(374, 289));
    EXPECT_EQ(about->homePageLink->text().toStdString(), homePageAddress());
    EXPECT_EQ(about->homePageLink->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(about->homePageLink->font().underline()); // it looks like a link
    EXPECT_EQ(homePageAddress(), std::string(makerHost) + "/quorvel");
    EXPECT_EQ(updateAddress(), std::string(makerHost) + "/update.php?sw=quorvel&ver=01.03.05.00");
    QTest::mouseClick(about->homePageLink, Qt::LeftButton);
    about->checkVersionButton->click();
    EXPECT_EQ(opened, (std::vector<std::string>{homePageAddress(), updateAddress()}));
    EXPECT_EQ(about->checkVersionButton->text(), "Check for new version");
    EXPECT_EQ(about->closeButton->text(), "&Close");

    // Without a browser the player is told where to look, in a box that shows it whole.
    about->setOpener([](const std::string&) { return false; });
    for (QWidget* asker : {static_cast<QWidget*>(about->checkVersionButton),
                           static_cast<QWidget*>(about->homePageLink)}) {
        QString title, told;
        bool whole = false;
        test::whenModal([&](QWidget* box) {
            const QLabel* text = box->findChild<QLabel*>("Label1");
            title = box->windowTitle();
            told = text->text();
            whole = text->heightForWidth(text->width()) <= text->height();
            QTest::keyClick(box, Qt::Key_Return);
        });
        QTest::mouseClick(asker, Qt::LeftButton);
        EXPECT_EQ(title, "Quorvel 3-D.");
        EXPECT_TRUE(told.contains(QString::fromStdString(homePageAddress()))) << told.toStdString();
        EXPECT_TRUE(whole) << told.toStdString();
    }
}

TEST_F(About, ThemeTextIsShownAsPlainTextAndFitsTheBox) {
    const std::string longname(400, 'W');
    writeIni("Odd", "[Credits]\nThemeBy=<b>bold</b> <img src=x>\nMusic=" + longname + "\n");
    showFor("Odd");
    EXPECT_EQ(about->credits[0]->textFormat(), Qt::PlainText);
    EXPECT_EQ(about->credits[0]->text(), "Theme by <b>bold</b> <img src=x>");
    QLabel* music = about->credits[1];
    EXPECT_LE(music->fontMetrics().horizontalAdvance(music->text()), music->width());
    EXPECT_EQ(music->toolTip().toStdString(), "Music by " + longname);
}

TEST_F(About, TheLetterCClosesItAsItsCloseButtonMarksIt) {
    bool stayed = true;
    test::whenModal([&](QWidget* modal) {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target ? target : modal, Qt::Key_C);
        stayed = modal->isVisible();
        if (stayed) about->reject();
    });
    about->showAbout("");
    EXPECT_FALSE(stayed);
}
