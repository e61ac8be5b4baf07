#pragma once
// TFormAbout: the About box, in two forms. ShowInfo shows the program's
// picture with the maker's web and mail links and the credits of the
// libraries Pinewick is built on, each a link to its home page; AskExit
// shows the same face with "Do you want to exit ?" and Yes / No.
//
//   about.Prepare(aboutPicture, setupPicture);
//   about.SetMainWindow(mainWindow);        // both forms centre on it
//   if (about.AskExit()) mainWindow->close();
#include "controls/borderlessdialog.h"

#include <QImage>
#include <QString>
#include <QUrl>
#include <functional>
#include <vector>

class TControl0;

class TFormAbout : public TBorderlessDialog {
    Q_OBJECT
public:
    explicit TFormAbout(QWidget* parent = nullptr);
    ~TFormAbout() override;

    // Once, after the main window has loaded its pictures: the face and
    // outline from the About picture, the buttons' frames from the setup picture.
    void Prepare(const QImage& aboutPicture, const QImage& setupPicture);

    // The information form, closed by Ok, centred on the main window.
    void ShowInfo();
    // The exit question, centred on the main window: true only when the user answers Yes.
    bool AskExit();

    TControl0* HTTPpanel = nullptr;
    TControl0* EMAILpanel = nullptr;
    // One link panel per library in the credits.
    std::vector<TControl0*> Products;
    TControl0* QExit = nullptr;
    TControl0* Yes = nullptr;
    TControl0* No = nullptr;
    TControl0* Ok = nullptr;

    // How a link is opened (the desktop's handler by default); tests replace it.
    std::function<void(const QUrl&)> OpenUrl;

protected:
    void CancelClick() override;

private:
    TControl0* makeButton(const char* name, const QString& caption, int left, int tag);
    TControl0* makeLinkPanel(const char* name, const QRect& place, const QString& address);
    void showBottom(bool question);
    void DoClick(TControl0* sender);

    QImage buttonsPicture_;
    bool answer_ = false;
};
