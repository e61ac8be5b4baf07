#pragma once
// TFormSetup: the dialog that picks the 3D driver (the OpenGL device) the tree
// is rendered with. It lists the drivers once, preselects the current one and
// hands back a different name when the user confirms it.
//
//   setup.Prepare(setupPicture, TD3DDriverList::instance());
//   setup.CenterOn(mainWindow);
//   QString name;
//   if (setup.Choose(tree->DriverName(), name)) tree->SetDriver(name);
#include "controls/borderlessdialog.h"

#include <QString>

class QListWidget;
class TControl0;
class TD3DDriverList;

class TFormSetup : public TBorderlessDialog {
    Q_OBJECT
public:
    explicit TFormSetup(QWidget* parent = nullptr);
    ~TFormSetup() override;

    // Once, after the main window has loaded its pictures: the face, the
    // outline and the list of drivers (none when there is no driver list).
    void Prepare(const QImage& setupPicture, const TD3DDriverList* drivers);

    // Shows the dialog modally with `current` selected (letter case ignored).
    // True, with the chosen name in newName, when the user confirmed a name
    // that differs from current (letter case counts); otherwise false and
    // newName is left alone.
    bool Choose(const QString& current, QString& newName);

    QListWidget* DriversList = nullptr;
    TControl0* Ok = nullptr;
    TControl0* Cancel = nullptr;
    TControl0* lDrivers = nullptr;

    // Ends the dialog with the selected driver; nothing happens without a selection.
    void OkClick();

protected:
    void CancelClick() override;

private:
    void ButtonPaint(TControl0* sender);

    bool confirmed_ = false;
};
