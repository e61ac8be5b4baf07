#include "dialogs/dialog_support.h"

#include "support/test_paths.h"

#include <QDir>
#include <QPainter>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace dialogtest {

void whileShowing(QDialog& dialog, std::function<void()> action) {
    QPointer<QDialog> target(&dialog);
    QTimer::singleShot(0, &dialog, [target, action] {
        EXPECT_TRUE(target->isVisible());
        action();
    });
    QTimer::singleShot(5000, &dialog, [target] {
        if (target && target->isVisible()) {
            ADD_FAILURE() << "the dialog stayed open";
            target->done(QDialog::Rejected);
        }
    });
}

QImage resourcePicture(const QString& name) {
    QImage picture(testsupport::buildDir() + "/Data/Resource/" + name);
    EXPECT_FALSE(picture.isNull()) << name.toStdString();
    return picture.convertToFormat(QImage::Format_RGB32);
}

QImage shotOverMainWindow(QWidget& dialog, QPoint at, const QImage& mainFace, const QString& name) {
    QImage shot = mainFace.convertToFormat(QImage::Format_RGB32);
    QPainter painter(&shot);
    if (!dialog.mask().isEmpty()) {
        painter.setClipRegion(dialog.mask().translated(at));
    }
    painter.drawImage(at, dialog.grab().toImage());
    painter.end();
    const QString folder = testsupport::buildDir() + "/screenshots";
    QDir().mkpath(folder);
    shot.save(folder + "/" + name + ".png");
    return shot;
}

void click(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

} // namespace dialogtest
