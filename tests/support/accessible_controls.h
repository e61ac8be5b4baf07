#pragma once
// Walks Qt's accessibility tree as a screen reader does and lists the controls
// a person can use (visible, and focusable or a button) with their names.
#include <QAccessible>
#include <QObject>
#include <QString>
#include <utility>
#include <vector>

namespace testsupport {

// (object name, accessible name) of every usable control under `root`.
inline std::vector<std::pair<QString, QString>> accessibleControls(QObject* root) {
    std::vector<std::pair<QString, QString>> found;
    const auto walk = [&found](auto& self, QAccessibleInterface* node) -> void {
        const QAccessible::State state = node->state();
        if (!state.invisible && (state.focusable || node->role() == QAccessible::Button)) {
            found.emplace_back(node->object() ? node->object()->objectName() : QString(),
                               node->text(QAccessible::Name).trimmed());
        }
        for (int i = 0; i < node->childCount(); ++i) {
            self(self, node->child(i));
        }
    };
    walk(walk, QAccessible::queryAccessibleInterface(root));
    return found;
}

} // namespace testsupport
