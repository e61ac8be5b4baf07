#include "dialogs/formsetup.h"

#include "controls/control0.h"
#include "controls/cursors.h"
#include "scene/d3ddriverlist.h"

#include <QListWidget>

namespace {

constexpr QSize formSize{274, 322};
// The push-button frames of the setup picture: normal, and pressed below it.
constexpr QPoint buttonFrames{24, 52};
constexpr int listItemHeight = 13;

} // namespace

TFormSetup::TFormSetup(QWidget* parent) : TBorderlessDialog(formSize, parent) {
    DriversList = new QListWidget(this);
    DriversList->setObjectName("DriversList");
    DriversList->setGeometry(24, 52, 227, 210);
    DriversList->setFrameShape(QFrame::NoFrame);
    DriversList->setSelectionMode(QAbstractItemView::SingleSelection);
    DriversList->setUniformItemSizes(true);
    QPalette fieldPalette = DriversList->palette();
    fieldPalette.setColor(QPalette::Base, FieldColor());
    DriversList->setPalette(fieldPalette);
    connect(DriversList, &QListWidget::itemDoubleClicked, this, [this] { OkClick(); });

    const auto makeButton = [this](const char* name, const QString& caption, int left) {
        auto* button = new TControl0(this);
        button->setObjectName(name);
        button->setGeometry(left, 276, 94, 25);
        button->SetCaption(caption);
        button->setCursor(pinewick::pinewickCursor("CLICK"));
        button->flClipChildren = true;
        button->bDownUpInvalidate = true;
        button->OnPaint = [this](TControl0* sender) {
            ButtonPaint(sender);
        };
        return button;
    };
    Ok = makeButton("Ok", tr("Ok"), 36);
    Ok->OnClick = [this](TControl0*) {
        OkClick();
    };
    Cancel = makeButton("Cancel", tr("Cancel"), 148);
    Cancel->OnClick = [this](TControl0*) {
        CancelClick();
    };

    lDrivers = new TControl0(this);
    lDrivers->setObjectName("lDrivers");
    lDrivers->setGeometry(45, 20, 184, 28);
    //: The title of the list of 3D drivers.
    lDrivers->SetCaption(tr("Drivers"));
    lDrivers->flClipChildren = true;
    lDrivers->OnPaint = [this](TControl0* sender) {
        sender->DrawBk(Face(), true);
    };
}

TFormSetup::~TFormSetup() = default;

void TFormSetup::Prepare(const QImage& setupPicture, const TD3DDriverList* drivers) {
    PrepareFace(setupPicture);
    QStringList names;
    if (drivers != nullptr) {
        drivers->GetNames(names);
    }
    DriversList->clear();
    for (const QString& name : names) {
        auto* item = new QListWidgetItem(name, DriversList);
        item->setSizeHint(QSize(0, listItemHeight));
    }
}

bool TFormSetup::Choose(const QString& current, QString& newName) {
    DriversList->clearSelection();
    DriversList->setCurrentItem(nullptr);
    for (int row = 0; row < DriversList->count(); ++row) {
        QListWidgetItem* item = DriversList->item(row);
        if (item->text().compare(current, Qt::CaseInsensitive) == 0) {
            DriversList->setCurrentItem(item);
            item->setSelected(true);
            break;
        }
    }
    confirmed_ = false;
    exec();
    if (!confirmed_) {
        return false;
    }
    const QList<QListWidgetItem*> selected = DriversList->selectedItems();
    if (selected.isEmpty()) {
        return false;
    }
    if (selected.first()->text() == current) {
        return false;
    }
    newName = selected.first()->text();
    return true;
}

void TFormSetup::OkClick() {
    if (DriversList->selectedItems().isEmpty()) {
        return;
    }
    confirmed_ = true;
    accept();
}

void TFormSetup::CancelClick() {
    confirmed_ = false;
    reject();
}

void TFormSetup::ButtonPaint(TControl0* sender) {
    sender->DrawButton(nullptr, buttonFrames.x(), buttonFrames.y(), Face(), false, true);
}
