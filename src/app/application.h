#pragma once
// TApplication: the program's QApplication. An exception that escapes an event
// handler is shown in a message box (its text, the application title as
// caption) instead of ending the program, and the loop goes on.
#include <QApplication>

class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
