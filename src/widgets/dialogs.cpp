#include "widgets/dialogs.h"

#include <cstdio>

#include <QApplication>
#include <QMessageBox>

#include "files/access.h"
#include "text/gametext.h"
#include "text/textutil.h"
#include "widgets/messagedialog.h"
#include "widgets/qtext.h"

namespace quorvel {

bool dialogSwitch = false;
std::function<void(const std::string& words)> dialogShown;

namespace {

bool hasWidgets() {
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

// Standard error, not std::cerr: the streams' start-up would cost every start of the game.
void printBox(std::string_view title, std::string_view text) {
    std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(title.size()), title.data(),
                 static_cast<int>(text.size()), text.data());
}

int platformBox(QMessageBox::Icon icon, std::string_view title, std::string_view text,
                QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, qText(title), qText(text), buttons);
    box.setTextFormat(Qt::PlainText);
    box.setIconPixmap(messageIcon(icon == QMessageBox::Critical   ? MessageIcon::error
                                  : icon == QMessageBox::Question ? MessageIcon::question
                                                                  : MessageIcon::information,
                                  box.devicePixelRatioF()));
    if (buttons.testFlag(QMessageBox::Ok))
        announceDialog(title, text, {{"OK", "Enter"}});
    else
        announceDialog(title, text, {{"&Yes", ""}, {"&No", ""}});
    return box.exec();
}

} // namespace

int showDialog(int kind, std::string_view title, std::string_view text) {
    if (!hasWidgets()) {
        printBox(title, text);
        return kind == dkQuestion ? mrNo : kind == dkQuestionCancel ? mrCancel : mrOk;
    }
    return messageDialog()->showDialog(kind, title, text);
}

void errorBox(std::string_view title, std::string_view text) {
    if (!hasWidgets()) {
        printBox(title, text);
    } else if (dialogSwitch) {
        showDialog(dkError, title, text);
    } else {
        platformBox(QMessageBox::Critical, title, text, QMessageBox::Ok);
    }
}

void errorBoxLog(std::string_view title, std::string_view text) {
    errorBox(title, text);
    writeInstallRecord(false, text);
}

bool confirmBox(std::string_view title, std::string_view text) {
    if (!hasWidgets()) {
        printBox(title, text);
        return false;
    }
    if (dialogSwitch) return showDialog(dkQuestion, title, text) == mrYes;
    return platformBox(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

std::string dialogWords(std::string_view title, std::string_view text,
                        const std::vector<SpokenButton>& buttons) {
    std::string words = joinSentences({title, text});
    for (const SpokenButton& button : buttons) {
        // The caption as shown: "&" marks the next letter, "&&" is an "&".
        std::string caption, marked;
        for (std::size_t i = 0; i < button.caption.size(); ++i) {
            if (button.caption[i] == '&' && i + 1 < button.caption.size()) {
                ++i;
                if (button.caption[i] != '&' && marked.empty())
                    marked = asciiUpper(button.caption.substr(i, 1));
            }
            caption += button.caption[i];
        }
        const std::string key = button.key.empty() ? marked : button.key;
        addSentence(words, key.empty() ? caption
                                       : fillIn(gameText("quorvel::SpokenPlay", "%1: press %2"),
                                                {caption, key}));
    }
    return words;
}

void announceDialog(std::string_view title, std::string_view text,
                    const std::vector<SpokenButton>& buttons) {
    if (dialogShown) dialogShown(dialogWords(title, text, buttons));
}

void showMessage(std::string_view text) {
    if (!hasWidgets()) {
        printBox(applicationTitle, text);
        return;
    }
    platformBox(QMessageBox::Information, applicationTitle, text, QMessageBox::Ok);
}

} // namespace quorvel
