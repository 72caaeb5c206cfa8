#include "widgets/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFocusFrame>
#include <QLabel>
#include <QMenu>
#include <QSet>
#include <QTextDocument>

#include "widgets/captionlabel.h"
#include "widgets/elidedtext.h"

namespace quorvel {

namespace {

constexpr const char* decorationProperty = "quorvelDecoration";
constexpr const char* readAsProperty = "quorvelReadAs";
constexpr const char* whenEmptyProperty = "quorvelWhenEmpty";
constexpr const char* numberProperty = "quorvelNumber";

// The widgets described here, until each is destroyed: a widget being destroyed is left
// to Qt, which knows not to describe it. Never freed, so a window destroyed as the program
// ends still finds it.
QSet<const QObject*>& takenWidgets() {
    static auto* taken = new QSet<const QObject*>;
    return *taken;
}

// The first of Qt's own classes a widget is, past the game's own.
QByteArrayView qtClassOf(const QObject* object) {
    const QMetaObject* meta = object->metaObject();
    while (meta && QByteArrayView(meta->className()).startsWith("quorvel::"))
        meta = meta->superClass();
    return meta ? QByteArrayView(meta->className()) : QByteArrayView();
}

bool isLabel(const QObject* object) {
    return qtClassOf(object) == "QLabel";
}

bool isPanel(const QObject* object) {
    const QByteArrayView kind = qtClassOf(object);
    return kind == "QWidget" || kind == "QFrame" || kind == "QGroupBox" || kind == "QDialog";
}

// The text a label shows, whole and plain: what an ellipsis cut is back, a caption's "&"
// marks are gone and rich text is read as text.
QString shownText(const QLabel* label) {
    QString text = wholeText(label);
    if (label->textFormat() == Qt::RichText ||
        (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text))) {
        QTextDocument document;
        document.setHtml(text);
        text = document.toPlainText();
    }
    // "&T" marks the key that reaches the buddy, or the key of the caption shown
    if (label->buddy() || dynamic_cast<const CaptionLabel*>(label)) text = captionWords(text);
    return text.simplified();
}

QString labelName(const QLabel* label) {
    if (!label->accessibleName().isEmpty()) return label->accessibleName();
    const QString shown = shownText(label);
    if (shown.isEmpty()) return label->property(whenEmptyProperty).toString();
    const QString what = label->property(readAsProperty).toString();
    return what.isEmpty() ? shown : what + ' ' + shown;
}

// A panel lists the controls in it, never what only decorates.
QList<QWidget*> readChildren(const QWidget* panel) {
    QList<QWidget*> children;
    for (QObject* object : panel->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (child && !child->isWindow() && !isDecoration(child) &&
            !qobject_cast<QFocusFrame*>(child) && !qobject_cast<QMenu*>(child))
            children.append(child);
    }
    return children;
}

class PanelAccessible : public QAccessibleWidget {
  public:
    PanelAccessible(QWidget* panel, QAccessible::Role role) : QAccessibleWidget(panel, role) {}

    int childCount() const override { return static_cast<int>(readChildren(widget()).size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = readChildren(widget());
        return index >= 0 && index < children.size()
                   ? QAccessible::queryAccessibleInterface(children.at(index))
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child) return -1;
        return static_cast<int>(
            readChildren(widget()).indexOf(qobject_cast<QWidget*>(child->object())));
    }
};

class LabelAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit LabelAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QAccessible::Role role() const override {
        return label()->text().isEmpty() && !label()->pixmap().isNull() ? QAccessible::Graphic
                                                                        : QAccessible::StaticText;
    }
    QString text(QAccessible::Text kind) const override {
        switch (kind) {
        case QAccessible::Name: return labelName(label());
        case QAccessible::Value: return shownText(label());
        case QAccessible::Description: {
            if (!label()->accessibleDescription().isEmpty())
                return label()->accessibleDescription();
            // A cut text's tooltip only repeats the name.
            const QString hint = label()->toolTip();
            return hint == wholeText(label()) ? QString() : hint;
        }
        default: return QAccessibleWidget::text(kind);
        }
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        // A label that shows nothing is not read; a picture always is, named or not.
        if (labelName(label()).isEmpty() && label()->pixmap().isNull()) state.invisible = true;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface && label()->property(numberProperty).isValid())
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return label()->property(numberProperty); }
    void setCurrentValue(const QVariant&) override {} // a player reads it, never sets it
    QVariant maximumValue() const override { return currentValue(); }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

  private:
    QLabel* label() const { return static_cast<QLabel*>(widget()); }
};

QAccessibleInterface* describeGameWidget(const QString&, QObject* object) {
    if (!object || !takenWidgets().contains(object)) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (isLabel(object)) return new LabelAccessible(static_cast<QLabel*>(widget));
    const QAccessible::Role role = qtClassOf(object) == "QDialog" ? QAccessible::Dialog
                                   : widget->isWindow()           ? QAccessible::Window
                                                                  : QAccessible::Grouping;
    return new PanelAccessible(widget, role);
}

void take(QWidget* widget) {
    if (!isLabel(widget) && !isPanel(widget)) return;
    if (!takenWidgets().contains(widget)) {
        takenWidgets().insert(widget);
        QObject::connect(widget, &QObject::destroyed,
                         [](QObject* gone) { takenWidgets().remove(gone); });
    }
    // A label described by Qt as it was made (its text announced) is described anew.
    QAccessibleInterface* described = QAccessible::queryAccessibleInterface(widget);
    if (described && !dynamic_cast<PanelAccessible*>(described) &&
        !dynamic_cast<LabelAccessible*>(described))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(described));
}

// A panel and what it holds; the inner parts of Qt's own controls (a viewer's scroll
// bars, a status bar's label) stay Qt's.
void takePanel(QWidget* panel) {
    take(panel);
    for (QObject* object : panel->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (!child || child->isWindow()) continue;
        if (isPanel(child))
            takePanel(child);
        else
            take(child);
    }
}

} // namespace

void makeAccessible(QWidget* window) {
    static const bool installed = [] {
        QAccessible::installFactory(describeGameWidget);
        return true;
    }();
    (void)installed;
    takePanel(window);
}

void describeControl(QWidget* control, const QString& name, const QString& description) {
    if (control->accessibleName() != name) control->setAccessibleName(name);
    if (control->accessibleDescription() != description)
        control->setAccessibleDescription(description);
}

void markDecoration(QWidget* widget) {
    widget->setProperty(decorationProperty, true);
}

bool isDecoration(const QWidget* widget) {
    return widget->property(decorationProperty).toBool();
}

void readLabelAs(QLabel* label, const QString& what, const QString& whenEmpty) {
    label->setProperty(readAsProperty, what);
    label->setProperty(whenEmptyProperty, whenEmpty);
}

void reportNumber(QLabel* label, double number) {
    const QVariant before = label->property(numberProperty);
    label->setProperty(numberProperty, number);
    if (before.isValid() && before.toDouble() == number) return;
    QAccessibleValueChangeEvent changed(label, number);
    QAccessible::updateAccessibility(&changed);
}

QString readerName(QWidget* widget) {
    QAccessibleInterface* described = QAccessible::queryAccessibleInterface(widget);
    return described ? described->text(QAccessible::Name) : QString();
}

QString readerDescription(QWidget* widget) {
    QAccessibleInterface* described = QAccessible::queryAccessibleInterface(widget);
    return described ? described->text(QAccessible::Description) : QString();
}

} // namespace quorvel
