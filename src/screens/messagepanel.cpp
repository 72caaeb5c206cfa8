#include "screens/messagepanel.h"

#include <QFont>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QTextDocument>

#include "theme/messages.h"
#include "theme/theme.h"
#include "theme/themepicture.h"
#include "widgets/accessibility.h"
#include "widgets/elidedtext.h"

namespace quorvel {

namespace {

const QColor grey(128, 128, 128);
const QColor silver(192, 192, 192);
const QColor black(0, 0, 0);
const QColor white(255, 255, 255);
const QColor yellow(255, 255, 0);

// The panel's labels: 8-point sans-serif, 11 pixels high.
QFont panelFont(bool bold = false) {
    QFont font("Liberation Sans");
    font.setPixelSize(11);
    font.setBold(bold);
    return font;
}

void setColour(QWidget* w, QPalette::ColorRole role, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(role, colour);
    w->setPalette(p);
}

// Each line's own hover hint; the oldest line has none.
constexpr const char* hintProperty = "quorvelMessageHint";

// Shows a line of the log in its label, ending in an ellipsis when it is too long for
// the panel. The label keeps the whole text (wholeText); the tooltip shows it whole,
// then the line's hint, when it was cut, and the hint alone otherwise. Messages hold
// theme words and player names, so the tooltip is escaped, never read as markup.
void showLine(QLabel* line, const QString& text) {
    showElided(line, text);
    const QString hint = line->property(hintProperty).toString();
    if (line->text() == text) {
        line->setToolTip(hint);
        return;
    }
    const QString whole = text.trimmed();
    // Wrapped as ordinary text, so a long line reads as a short paragraph on the screen.
    line->setToolTip(Qt::convertFromPlainText(hint.isEmpty() ? whole : whole + '\n' + hint,
                                              Qt::WhiteSpaceNormal));
}

QWidget* makePanel(QWidget* parent, const char* name, QRect place, const QColor& colour) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(name);
    panel->setGeometry(place);
    panel->setAutoFillBackground(true);
    setColour(panel, QPalette::Window, colour);
    return panel;
}

// A placeholder face for the built-in indicator: a framed lamp with a mark, amber for
// the standard picture, red with an exclamation mark for the critical one.
QImage drawIndicator(bool critical) {
    QImage image(indicatorWidth, indicatorHeight, QImage::Format_RGB888);
    image.fill(QColor(40, 40, 40));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(200, 200, 200), 2));
    p.setBrush(critical ? QColor(200, 30, 30) : QColor(230, 170, 30));
    p.drawRoundedRect(QRectF(3, 3, indicatorWidth - 6, indicatorHeight - 6), 8, 8);
    QFont font("Liberation Sans");
    font.setPixelSize(30);
    font.setBold(true);
    p.setFont(font);
    p.setPen(critical ? white : black);
    p.drawText(image.rect(), Qt::AlignCenter, critical ? "!" : "i");
    return image;
}

} // namespace

QImage builtinIndicatorPicture(bool critical) {
    // Drawn here until the built-in artwork joins the program's resources.
    static const QImage standard = drawIndicator(false);
    static const QImage criticalPicture = drawIndicator(true);
    return critical ? criticalPicture : standard;
}

QColor messageColour(Colour colour) {
    const auto v = static_cast<unsigned>(colour);
    return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

MessagePanel::MessagePanel(QWidget* gameScreen) : QFrame(gameScreen) {
    setObjectName("Panel1");
    setGeometry(253, 5, 375, 107);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setAutoFillBackground(true);
    setColour(this, QPalette::Window, grey);

    auto* title = new QLabel(
        tr("                                   Messages :                              "), this);
    title->setObjectName("Label11");
    title->setFont(panelFont(true));
    setColour(title, QPalette::WindowText, white);
    title->move(24, 2);
    title->adjustSize();
    markDecoration(title); // the panel's name
    describeControl(this, tr("Messages"), QString());

    QWidget* panel4 = makePanel(this, "Panel4", QRect(3, 17, 368, 65), silver);
    m_older[0] = makeLabel(panel4, "lblmessage2", 8, 48, tr("Previous message recived."));
    m_older[1] = makeLabel(panel4, "lblmessage3", 8, 32, tr("Old message."));
    m_older[2] = makeLabel(panel4, "lblmessage4", 8, 17, tr("Old message."));
    m_older[3] = makeLabel(panel4, "lblmessage5", 8, 2, QString());
    for (QLabel* line : m_older)
        setColour(line, QPalette::WindowText, black);
    describeControl(panel4, tr("Older messages"), QString());
    describeControl(m_older[0], QString(), tr("The message before the current one."));
    for (int i = 1; i < 4; ++i)
        describeControl(m_older[i], QString(), tr("An older message."));

    QWidget* panel2 = makePanel(this, "Panel2", QRect(3, 84, 368, 20), black);
    m_current = makeLabel(panel2, "lblmessagecurrent", 5, 3, tr("Current message."));
    setColour(m_current, QPalette::WindowText, messageColour(Colour::lime));
    describeControl(panel2, tr("Current message"), QString());
    describeControl(m_current, QString(), tr("The newest message."));
    readLabelAs(m_current, QString(), tr("No message yet"));

    m_indicatorCaption = new QLabel(tr("Message Indicator:"), this);
    m_indicatorCaption->setObjectName("Label3");
    m_indicatorCaption->setFont(panelFont());
    setColour(m_indicatorCaption, QPalette::WindowText, yellow);
    m_indicatorCaption->move(11, 9);
    m_indicatorCaption->adjustSize();
    m_indicatorCaption->hide();         // shown once it sits in clockPanel
    markDecoration(m_indicatorCaption); // the indicator's name

    m_canvas = QImage(indicatorWidth, indicatorHeight, QImage::Format_RGB888);
    m_canvas.fill(grey);
    m_indicator = new QLabel(this);
    m_indicator->setObjectName("imindecator");
    m_indicator->setGeometry(8, 27, indicatorWidth, indicatorHeight);
    m_indicator->hide();
    describeControl(m_indicator, tr("Message indicator"), QString());

    setIndicatorPictures(QImage(), QImage());
}

QLabel* MessagePanel::makeLabel(QWidget* parent, const char* name, int x, int y,
                                const QString& hint) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFont(panelFont());
    label->setProperty(hintProperty, hint);
    label->setToolTip(hint);
    // One line from its place to the panel's right edge; longer texts end in an ellipsis.
    label->setGeometry(x, y, parent->width() - x, 14);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void MessagePanel::placeIndicator(QWidget* panel6) {
    m_indicatorCaption->setParent(panel6);
    m_indicatorCaption->move(11, 9);
    m_indicatorCaption->show();
    const bool lit = indicatorLit();
    m_indicator->setParent(panel6);
    m_indicator->move(8, 27);
    m_indicator->setVisible(lit);
}

void MessagePanel::setIndicatorPictures(const QImage& standard, const QImage& critical) {
    m_standard = standard.isNull() ? builtinIndicatorPicture(false) : standard;
    m_critical = critical.isNull() ? builtinIndicatorPicture(true) : critical;
}

void MessagePanel::loadIndicatorPictures(const std::string& themeFolder) {
    if (!groupFromFolder(themeFolder, PictureGroup::panel)) {
        setIndicatorPictures(QImage(), QImage());
        return;
    }
    // Read by the path's bytes and whole, as every theme picture; one that cannot be
    // read is drawn built in.
    setIndicatorPictures(readThemePicture(themeFile(themeFolder, "message.bmp")),
                         readThemePicture(themeFile(themeFolder, "critical.bmp")));
}

bool MessagePanel::postGameMessage(MessageCatalogue& catalogue, MessageKey key,
                                   std::string_view player, Colour colour, MessageLevel level) {
    return showGameMessage(catalogue.getMessage(key, player), colour, level);
}

bool MessagePanel::showGameMessage(std::string_view text, Colour colour, MessageLevel level) {
    if (text.empty()) return false;
    scrollMessages();
    setColour(m_current, QPalette::WindowText, messageColour(colour));
    showLine(m_current, "  " + QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    if (level == MessageLevel::standard || level == MessageLevel::critical) {
        // The picture is drawn over what the indicator showed, as on a canvas: a theme
        // picture smaller than the indicator leaves the rest as it was.
        QPainter painter(&m_canvas);
        painter.drawImage(0, 0, level == MessageLevel::critical ? m_critical : m_standard);
        painter.end();
        m_indicator->setPixmap(QPixmap::fromImage(m_canvas));
        m_indicator->show();
        describeControl(m_indicator, m_indicator->accessibleName(),
                        level == MessageLevel::critical ? tr("Something urgent in the messages.")
                                                        : tr("Something to read in the messages."));
    }
    emit lineShown(wholeText(m_current).trimmed().toStdString());
    return true;
}

void MessagePanel::scrollMessages() {
    // The whole texts move up, never the shortened ones.
    for (int i = 3; i > 0; --i)
        showLine(m_older[i], wholeText(m_older[i - 1]));
    showLine(m_older[0], wholeText(m_current).trimmed());
}

void MessagePanel::ageIndicator(int& indicatorAge) {
    if (indicatorAge >= 6) { // an age past 6 (never expected) still goes out
        hideIndicator();
        indicatorAge = 0;
    } else {
        ++indicatorAge;
    }
}

void MessagePanel::hideIndicator() {
    m_indicator->hide();
}

void MessagePanel::clearMessages() {
    showLine(m_current, QString());
    for (QLabel* line : m_older)
        showLine(line, QString());
}

QString MessagePanel::messageLine(int line) const {
    if (line == 1) return wholeText(m_current);
    if (line >= 2 && line <= 5) return wholeText(m_older[line - 2]);
    return {};
}

QColor MessagePanel::currentColour() const {
    return m_current->palette().color(QPalette::WindowText);
}

bool MessagePanel::indicatorLit() const {
    return !m_indicator->isHidden();
}

} // namespace quorvel
