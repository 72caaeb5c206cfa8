#include "widgets/dialogs.h"

#include <iostream>

#include <QApplication>
#include <QMessageBox>

#include "files/access.h"
#include "text/textutil.h"
#include "widgets/messagedialog.h"
#include "widgets/qtext.h"

namespace quorvel {

bool dialogSwitch = false;

namespace {

bool hasWidgets() {
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

void printBox(std::string_view title, std::string_view text) {
    std::cerr << title << ": " << text << '\n';
}

int platformBox(QMessageBox::Icon icon, std::string_view title, std::string_view text,
                QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, qText(title), qText(text), buttons);
    box.setTextFormat(Qt::PlainText);
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

void showMessage(std::string_view text) {
    if (!hasWidgets()) {
        printBox(applicationTitle, text);
        return;
    }
    platformBox(QMessageBox::Information, applicationTitle, text, QMessageBox::Ok);
}

} // namespace quorvel
