#include "tfabout.h"

#include <QApplication>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "inifile.h"
#include "progfolder.h"
#include "resource.h"
#include "textutil.h"
#include "theme.h"

namespace quorvel {

namespace {

constexpr int aboutwidth = 374;
constexpr int aboutheight = 289;
constexpr int textleft = 64;
constexpr int textwidth = aboutwidth - textleft - 12;
constexpr int creditleft = 28;
constexpr int creditwidth = aboutwidth - creditleft - 12;
// The name the about box gives the built-in theme, whatever the case of the name it is handed.
constexpr std::string_view builtinthemelabel = "Back to basics <default>";

struct CreditKey {
    const char* key;
    const char* prefix;
};
constexpr CreditKey creditkeys[5] = {{"ThemeBy", "Theme by "},
                                     {"Graphics", "Graphics by "},
                                     {"Messages", "Messages by "},
                                     {"Sounds", "Sounds by "},
                                     {"Music", "Music by "}};

std::string lowercase(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

QString qtext(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The icon of the program when it has one, else a small corridor drawn here.
QPixmap programicon(int size) {
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

std::string homepageaddress() {
    return std::string(makerhost) + "/quorvel";
}

std::string updateaddress() {
    return std::string(makerhost) + "/update.php?sw=quorvel&ver=01.03.05.00";
}

AboutCredits aboutcredits(std::string_view programfolder, std::string_view theme) {
    AboutCredits out;
    if (theme.empty() || lowercase(theme) == lowercase(builtinthemename)) {
        out.themelabel = builtinthemelabel;
        out.lines[0] = "Theme by " + std::string(builtinthemeauthor);
        return out;
    }
    out.themelabel = theme;
    const std::string folder = themefolder(programfolder, theme);
    if (folder.empty()) return out; // no folder can have this name: no credits
    const std::string path = themefile(folder, "theme.ini");
    if (path.empty()) return out;
    const IniFile ini = IniFile::load(path);
    std::size_t line = 0;
    for (const CreditKey& k : creditkeys) {
        const std::string value = trimtext(ini.readstring("Credits", k.key, ""));
        if (!value.empty()) out.lines[line++] = k.prefix + value;
    }
    return out;
}

TfAbout::TfAbout(std::string programfolder, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName("fAbout");
    setWindowTitle("About Quorvel 3-D");
    setModal(true);
    setFixedSize(aboutwidth, aboutheight);
    setprogramfolder(std::move(programfolder));
    m_opener = [](const std::string& address) { return openwithshell(address); };

    auto label = [this](const char* name, int x, int y, int w, int h) {
        auto* l = new QLabel(this);
        l->setObjectName(name);
        l->setGeometry(x, y, w, h);
        l->setTextFormat(Qt::PlainText);
        return l;
    };

    Image1 = label("Image1", 16, 14, 36, 36);
    Image1->setPixmap(programicon(32));
    Image1->setAlignment(Qt::AlignCenter);

    Label5 = label("Label5", textleft, 10, textwidth, 22);
    QFont big = Label5->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.25);
    Label5->setFont(big);
    Label6 = label("Label6", textleft, 34, textwidth, 16);
    Label6->setText("A random 3-D maze: find the way out before");
    Label7 = label("Label7", textleft, 50, textwidth, 16);
    Label7->setText("your food and your flashlight run out.");
    Label9 = label("Label9", textleft, 66, textwidth, 16);
    Label9->setText("Every maze is new. Good luck in there!");

    Label8 = label("Label8", textleft, 86, textwidth, 18);
    Label8->setText(qtext(homepageaddress()));
    Label8->setCursor(Qt::PointingHandCursor);
    Label8->setToolTip("Visit the home page");
    QPalette link = Label8->palette();
    link.setColor(QPalette::WindowText, QColor(0, 0, 200));
    Label8->setPalette(link);
    QFont underlined = Label8->font();
    underlined.setUnderline(true);
    Label8->setFont(underlined);
    Label8->installEventFilter(this);

    BitBtn2 = new QPushButton("Check for new version", this);
    BitBtn2->setObjectName("BitBtn2");
    BitBtn2->setGeometry(textleft, 108, 170, 25);
    BitBtn2->setAutoDefault(false);
    BitBtn2->setToolTip("Look on the home page for a newer version");
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });

    auto* line = new QFrame(this);
    line->setObjectName("Bevel1");
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(12, 142, aboutwidth - 24, 4);

    ThemeLabel = label("ThemeLabel", 16, 150, aboutwidth - 28, 17);
    QFont bold = ThemeLabel->font();
    bold.setBold(true);
    ThemeLabel->setFont(bold);
    for (int i = 0; i < 5; ++i)
        credits[i] = label(qPrintable(QString("Credits%1").arg(i + 1)), creditleft, 168 + i * 15,
                           creditwidth, 15);

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), "&Close", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setGeometry((aboutwidth - 87) / 2, aboutheight - 12 - 25, 87, 25);
    BitBtn1->setDefault(true); // Enter; Esc closes the dialog as well
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
}

void TfAbout::setprogramfolder(std::string folder) {
    m_programfolder = addbackslash(folder);
}

int TfAbout::showabout(std::string theme) {
    setabouttheme(std::move(theme));
    if (QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    return exec();
}

void TfAbout::FormShow() {
    Label5->setText(qtext("Quorvel 3-D version " + versiontext()));
    const AboutCredits c = aboutcredits(m_programfolder, m_abouttheme);
    // Names from a theme's files may be longer than the box: cut with "...", whole in the hint.
    auto fit = [](QLabel* l, const std::string& text) {
        const QString full = qtext(text);
        l->setText(l->fontMetrics().elidedText(full, Qt::ElideRight, l->width()));
        l->setToolTip(l->text() == full ? QString() : full);
    };
    fit(ThemeLabel, c.themelabel);
    for (int i = 0; i < 5; ++i)
        fit(credits[i], c.lines[i]);
    BitBtn1->setFocus();
}

void TfAbout::Label8Click() {
    if (m_opener) m_opener(homepageaddress());
}

void TfAbout::BitBtn2Click() {
    if (m_opener) m_opener(updateaddress());
}

void TfAbout::BitBtn1Click() {
    accept();
}

void TfAbout::showEvent(QShowEvent* event) {
    FormShow(); // before the first paint, so the old theme's credits never flash
    QDialog::showEvent(event);
}

bool TfAbout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label8 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Label8Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace quorvel
