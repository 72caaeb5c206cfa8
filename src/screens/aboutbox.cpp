#include "screens/aboutbox.h"

#include <QApplication>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <optional>

#include <QScreen>
#include <QStyle>

#include "files/inifile.h"
#include "files/programfolder.h"
#include "platform/desktop.h"
#include "platform/windowframe.h"
#include "text/textutil.h"
#include "theme/theme.h"
#include "widgets/accessibility.h"
#include "widgets/dialogs.h"
#include "widgets/elidedtext.h"
#include "widgets/mnemonickeys.h"
#include "widgets/qtext.h"

namespace quorvel {

namespace {

constexpr int aboutWidth = 374;
constexpr int aboutHeight = 289;
constexpr int textLeft = 64;
constexpr int textWidth = aboutWidth - textLeft - 12;
constexpr int creditLeft = 28;
constexpr int creditWidth = aboutWidth - creditLeft - 12;
// The name the about box gives the built-in theme, whatever the case of the name it is handed.
const char* const builtinThemeLabel =
    QT_TRANSLATE_NOOP("quorvel::AboutBox", "Back to basics <default>");

struct CreditKey {
    const char* key;
    const char* prefix;
};
// "%1" is the name the theme gives.
constexpr CreditKey creditKeys[5] = {
    {"ThemeBy", QT_TRANSLATE_NOOP("quorvel::AboutBox", "Theme by %1")},
    {"Graphics", QT_TRANSLATE_NOOP("quorvel::AboutBox", "Graphics by %1")},
    {"Messages", QT_TRANSLATE_NOOP("quorvel::AboutBox", "Messages by %1")},
    {"Sounds", QT_TRANSLATE_NOOP("quorvel::AboutBox", "Sounds by %1")},
    {"Music", QT_TRANSLATE_NOOP("quorvel::AboutBox", "Music by %1")}};

std::string credit(const char* prefix, const std::string& name) {
    return AboutBox::tr(prefix).arg(QString::fromStdString(name)).toStdString();
}

std::string lowercase(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// The icon of the program when it has one, else a small corridor drawn here.
QPixmap programIcon(int size) {
    const QIcon icon = QApplication::windowIcon();
    if (!icon.isNull()) return icon.pixmap(size, size);
    QPixmap pixmap(size, size);
    pixmap.fill(QColor(24, 22, 34));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    const QColor stone(150, 128, 96), dark(92, 76, 58), light(255, 236, 160);
    p.setPen(Qt::NoPen);
    p.setBrush(stone); // left and right walls of a corridor in perspective
    p.drawPolygon(QPolygonF({{0, 0}, {s * 0.35, s * 0.35}, {s * 0.35, s * 0.65}, {0, s}}));
    p.drawPolygon(QPolygonF({{s, 0}, {s * 0.65, s * 0.35}, {s * 0.65, s * 0.65}, {s, s}}));
    p.setBrush(dark);
    p.drawRect(QRectF(s * 0.35, s * 0.35, s * 0.3, s * 0.3));
    p.setBrush(light); // daylight at the exit
    p.drawRect(QRectF(s * 0.43, s * 0.42, s * 0.14, s * 0.23));
    return pixmap;
}

} // namespace

std::string homePageAddress() {
    return std::string(makerHost) + "/quorvel";
}

std::string updateAddress() {
    return std::string(makerHost) + "/update.php?sw=quorvel&ver=01.03.05.00";
}

AboutCredits aboutCredits(std::string_view programFolder, std::string_view theme) {
    AboutCredits out;
    if (theme.empty() || lowercase(theme) == lowercase(builtinThemeName)) {
        out.themeLabel = AboutBox::tr(builtinThemeLabel).toStdString();
        out.lines[0] = credit(creditKeys[0].prefix, std::string(builtinThemeAuthor));
        return out;
    }
    out.themeLabel = theme;
    const std::string folder = themeFolder(programFolder, theme);
    if (folder.empty()) return out;                      // no folder can have this name: no credits
    const std::optional<IniFile> ini = themeIni(folder); // read as the theme's words are
    if (!ini) return out;
    std::size_t line = 0;
    for (const CreditKey& k : creditKeys) {
        const std::string value = trimText(ini->readString("Credits", k.key, ""));
        if (!value.empty()) out.lines[line++] = credit(k.prefix, value);
    }
    return out;
}

AboutBox::AboutBox(std::string programFolder, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName("fAbout");
    setWindowTitle(tr("About Quorvel 3-D"));
    setModal(true);
    setFixedSize(aboutWidth, aboutHeight);
    setProgramFolder(std::move(programFolder));
    m_opener = [](const std::string& address) { return openWithShell(address); };

    auto label = [this](const char* name, int x, int y, int w, int h) {
        auto* l = new QLabel(this);
        l->setObjectName(name);
        l->setGeometry(x, y, w, h);
        l->setTextFormat(Qt::PlainText);
        return l;
    };

    iconPicture = label("Image1", 16, 14, 36, 36);
    iconPicture->setPixmap(programIcon(32));
    iconPicture->setAlignment(Qt::AlignCenter);
    markDecoration(iconPicture);

    versionLabel = label("Label5", textLeft, 10, textWidth, 22);
    QFont big = versionLabel->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.25);
    versionLabel->setFont(big);
    aboutLine1 = label("Label6", textLeft, 34, textWidth, 16);
    aboutLine1->setText(tr("A random 3-D maze: find the way out before"));
    aboutLine2 = label("Label7", textLeft, 50, textWidth, 16);
    aboutLine2->setText(tr("your food and your flashlight run out."));
    aboutLine3 = label("Label9", textLeft, 66, textWidth, 16);
    aboutLine3->setText(tr("Every maze is new. Good luck in there!"));

    homePageLink = label("Label8", textLeft, 86, textWidth, 18);
    homePageLink->setText(qText(homePageAddress()));
    homePageLink->setCursor(Qt::PointingHandCursor);
    homePageLink->setToolTip(tr("Visit the home page"));
    QPalette link = homePageLink->palette();
    link.setColor(QPalette::WindowText, QColor(0, 0, 200));
    homePageLink->setPalette(link);
    QFont underlined = homePageLink->font();
    underlined.setUnderline(true);
    homePageLink->setFont(underlined);
    homePageLink->installEventFilter(this);

    checkVersionButton = new QPushButton(tr("Check for new version"), this);
    checkVersionButton->setObjectName("BitBtn2");
    checkVersionButton->setGeometry(textLeft, 108, 170, 25);
    checkVersionButton->setAutoDefault(false);
    checkVersionButton->setToolTip(tr("Look on the home page for a newer version"));
    connect(checkVersionButton, &QPushButton::clicked, this, [this] { checkForUpdate(); });

    auto* line = new QFrame(this);
    line->setObjectName("Bevel1");
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(12, 142, aboutWidth - 24, 4);
    markDecoration(line);

    themeLabel = label("ThemeLabel", 16, 150, aboutWidth - 28, 17);
    QFont bold = themeLabel->font();
    bold.setBold(true);
    themeLabel->setFont(bold);
    for (int i = 0; i < 5; ++i)
        credits[i] = label(qPrintable(QString("Credits%1").arg(i + 1)), creditLeft, 168 + i * 15,
                           creditWidth, 15);

    closeButton =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), tr("&Close"), this);
    closeButton->setObjectName("BitBtn1");
    closeButton->setGeometry((aboutWidth - 87) / 2, aboutHeight - 12 - 25, 87, 25);
    closeButton->setDefault(true); // Enter; Esc closes the dialog as well
    connect(closeButton, &QPushButton::clicked, this, [this] { closeAbout(); });
    answerPlainLetters(this); // C closes
    describeControl(homePageLink, QString(), tr("A link: a click visits the home page."));
    describeControl(closeButton, tr("Close"), tr("Close the about box."));
    makeAccessible(this);
}

void AboutBox::setProgramFolder(std::string folder) {
    m_programFolder = withTrailingSlash(folder);
}

int AboutBox::showAbout(std::string theme) {
    setAboutTheme(std::move(theme));
    centreFrame(this);
    return exec();
}

void AboutBox::onShown() {
    versionLabel->setText(tr("Quorvel 3-D version %1").arg(qText(versionText())));
    const AboutCredits c = aboutCredits(m_programFolder, m_aboutTheme);
    // Names from a theme's files may be longer than the box: cut to fit, whole in the hint.
    showElided(themeLabel, qText(c.themeLabel));
    for (int i = 0; i < 5; ++i)
        showElided(credits[i], qText(c.lines[i]));
    closeButton->setFocus();
    {
        std::string text;
        for (const QLabel* line : {versionLabel, aboutLine1, aboutLine2, aboutLine3, themeLabel})
            addSentence(text, wholeText(line).toStdString());
        for (const QLabel* line : credits)
            addSentence(text, wholeText(line).toStdString());
        emit wordsToSay(dialogWords(windowTitle().toStdString(), text,
                                    {{closeButton->text().toStdString(), "Enter"}}));
    }
}

// Where no browser opens (none installed, or none the desktop knows), the player is told
// where to look instead of nothing happening.
void AboutBox::openHomePage() {
    if (m_opener && !m_opener(homePageAddress()))
        showDialog(dkNotice, applicationTitle,
                   tr("No web browser could be opened. Visit %1 in your browser.")
                       .arg(qText(homePageAddress()))
                       .toStdString());
}

void AboutBox::checkForUpdate() {
    if (m_opener && !m_opener(updateAddress()))
        showDialog(dkNotice, applicationTitle,
                   tr("No web browser could be opened to look for a new version. Visit %1 in "
                      "your browser.")
                       .arg(qText(homePageAddress()))
                       .toStdString());
}

void AboutBox::closeAbout() {
    accept();
}

void AboutBox::showEvent(QShowEvent* event) {
    onShown(); // before the first paint, so the old theme's credits never flash
    QDialog::showEvent(event);
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == homePageLink && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        openHomePage();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace quorvel
