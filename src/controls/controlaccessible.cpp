#include "controls/controlaccessible.h"

#include "controls/control0.h"

#include <QVariant>
#include <QWidget>
#include <algorithm>

namespace {

constexpr const char* roleProperty = "pinewickAccessibleRole";

// Text sources live on the control, owned through a small QObject child.
class TextSource : public QObject {
public:
    TextSource(QObject* parent, std::function<QString()> text, std::function<std::pair<int, int>()> cursor)
        : QObject(parent), text_(std::move(text)), cursor_(std::move(cursor)) {
        setObjectName("pinewickAccessibleText");
    }
    QString text() const { return text_ ? text_() : QString(); }
    // Anchor and caret; without a source the caret stands after the text.
    std::pair<int, int> cursor() const {
        if (cursor_) {
            return cursor_();
        }
        const int end = static_cast<int>(text().size());
        return {end, end};
    }

private:
    std::function<QString()> text_;
    std::function<std::pair<int, int>()> cursor_;
};

const TextSource* textSource(const QObject* control) {
    return control->findChild<TextSource*>("pinewickAccessibleText", Qt::FindDirectChildrenOnly);
}

QAccessibleInterface* controlFactory(const QString&, QObject* object) {
    if (auto* control = qobject_cast<TControl0*>(object)) {
        return new TControlAccessible(control);
    }
    return nullptr;
}

} // namespace

TControlAccessible::TControlAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Button) {}

QAccessible::Role TControlAccessible::role() const {
    // Looked up each time: the owner may set the role or the text after the
    // interface was first asked for.
    const QVariant role = widget()->property(roleProperty);
    if (role.isValid()) {
        return static_cast<QAccessible::Role>(role.toInt());
    }
    return hasText() ? QAccessible::EditableText : QAccessible::Button;
}

QString TControlAccessible::fullText() const {
    const TextSource* source = textSource(widget());
    return source ? source->text() : QString();
}

bool TControlAccessible::hasText() const {
    return textSource(widget()) != nullptr;
}

QString TControlAccessible::text(QAccessible::Text t) const {
    switch (t) {
    case QAccessible::Name:
        // The name given, else the hint, else the caption the control shows.
        if (!widget()->accessibleName().isEmpty()) {
            return widget()->accessibleName();
        }
        if (!widget()->toolTip().isEmpty()) {
            return widget()->toolTip();
        }
        return static_cast<const TControl0*>(widget())->Caption();
    case QAccessible::Description:
        // The hint when it is not already the name.
        if (!widget()->accessibleDescription().isEmpty()) {
            return widget()->accessibleDescription();
        }
        return widget()->accessibleName().isEmpty() ? QString() : widget()->toolTip();
    case QAccessible::Value:
        return hasText() ? fullText() : QString();
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State TControlAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    if (hasText()) {
        s.editable = true;
        s.multiLine = false;
    }
    return s;
}

void* TControlAccessible::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::TextInterface && hasText()) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(t);
}

QStringList TControlAccessible::actionNames() const {
    // A screen reader's "press" clicks the control.
    QStringList names = QAccessibleWidget::actionNames();
    if (role() == QAccessible::Button || role() == QAccessible::PageTab) {
        names.prepend(pressAction());
    }
    return names;
}

void TControlAccessible::doAction(const QString& actionName) {
    auto* control = static_cast<TControl0*>(widget());
    if (actionName == pressAction() && control->OnClick) {
        control->OnClick(control);
        return;
    }
    QAccessibleWidget::doAction(actionName);
}

void TControlAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = 0;
    const TextSource* source = textSource(widget());
    if (source && selectionIndex == 0 && selectionCount() == 1) {
        const auto [anchor, caret] = source->cursor();
        *startOffset = std::min(anchor, caret);
        *endOffset = std::max(anchor, caret);
    }
}

int TControlAccessible::selectionCount() const {
    const TextSource* source = textSource(widget());
    return source && source->cursor().first != source->cursor().second ? 1 : 0;
}

int TControlAccessible::cursorPosition() const {
    const TextSource* source = textSource(widget());
    return source ? source->cursor().second : 0;
}

QString TControlAccessible::text(int startOffset, int endOffset) const {
    const QString all = fullText();
    startOffset = std::clamp(startOffset, 0, static_cast<int>(all.size()));
    endOffset = std::clamp(endOffset < 0 ? static_cast<int>(all.size()) : endOffset, startOffset,
                           static_cast<int>(all.size()));
    return all.mid(startOffset, endOffset - startOffset);
}

int TControlAccessible::characterCount() const {
    return static_cast<int>(fullText().size());
}

QString TControlAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    *startOffset = offset;
    *endOffset = offset;
    return {};
}

void SetAccessibleRole(QWidget* control, QAccessible::Role role) {
    control->setProperty(roleProperty, static_cast<int>(role));
}

void SetAccessibleText(QWidget* control, std::function<QString()> text,
                       std::function<std::pair<int, int>()> cursor) {
    delete control->findChild<TextSource*>("pinewickAccessibleText", Qt::FindDirectChildrenOnly);
    new TextSource(control, std::move(text), std::move(cursor));
}

void NameControlsFromHints(QWidget* root) {
    for (QWidget* control : root->findChildren<QWidget*>()) {
        if (control->accessibleName().isEmpty() && !control->toolTip().isEmpty()) {
            control->setAccessibleName(control->toolTip());
        }
    }
}

void InstallControlAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(controlFactory);
        return true;
    }();
    (void)installed;
}
