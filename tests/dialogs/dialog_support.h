#pragma once
// Helpers for driving the modal dialogs: what a user does while exec() runs.
#include <QDialog>
#include <QImage>
#include <QString>
#include <functional>

namespace dialogtest {

// Runs `action` once the dialog is showing inside its modal loop. A dialog
// the action leaves open is closed after a few seconds, and the test fails.
void whileShowing(QDialog& dialog, std::function<void()> action);

// A picture the program generates into its Data folder ("Setup.bmp", ...).
QImage resourcePicture(const QString& name);

// Left click in the middle of a child control, as a user's press and release.
void click(QWidget* control);

// The dialog as it shows over the main window's face at `at`: its grab, cut
// by its outline. Saved as build/screenshots/<name>.png for people to look at.
QImage shotOverMainWindow(QWidget& dialog, QPoint at, const QImage& mainFace, const QString& name);

} // namespace dialogtest
