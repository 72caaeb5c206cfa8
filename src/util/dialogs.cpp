#include "dialogs.h"

#include <iostream>

#include <QApplication>
#include <QMessageBox>

#include "access.h"
#include "textutil.h"
#include "tfmessage.h"

namespace quorvel {

bool dialogswitch = false;

namespace {

bool haswidgets() {
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

QString qtext(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

void printbox(std::string_view title, std::string_view text) {
    std::cerr << title << ": " << text << '\n';
}

int platformbox(QMessageBox::Icon icon, std::string_view title, std::string_view text,
                QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, qtext(title), qtext(text), buttons);
    box.setTextFormat(Qt::PlainText);
    return box.exec();
}

} // namespace

int showdialog(int kind, std::string_view title, std::string_view text) {
    if (!haswidgets()) {
        printbox(title, text);
        return kind == dkQuestion ? mrNo : kind == dkQuestionCancel ? mrCancel : mrOk;
    }
    return fMessage()->showdialog(kind, title, text);
}

void errorbox(std::string_view title, std::string_view text) {
    if (!haswidgets()) {
        printbox(title, text);
    } else if (dialogswitch) {
        showdialog(dkError, title, text);
    } else {
        platformbox(QMessageBox::Critical, title, text, QMessageBox::Ok);
    }
}

void errorboxlog(std::string_view title, std::string_view text) {
    errorbox(title, text);
    writeinstallrecord(false, text);
}

bool confirmbox(std::string_view title, std::string_view text) {
    if (!haswidgets()) {
        printbox(title, text);
        return false;
    }
    if (dialogswitch) return showdialog(dkQuestion, title, text) == mrYes;
    return platformbox(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

void showmessage(std::string_view text) {
    if (!haswidgets()) {
        printbox(applicationtitle, text);
        return;
    }
    platformbox(QMessageBox::Information, applicationtitle, text, QMessageBox::Ok);
}

} // namespace quorvel
