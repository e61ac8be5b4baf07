// TFormTree: its components, showing, first activation, teardown, the command
// buttons and moving the window by a free spot.
#include "mainwindow/formtree.h"

#include "controls/control0.h"
#include "controls/controlnr.h"
#include "controls/cursors.h"
#include "controls/messagebox.h"
#include "help/help.h"
#include "mainwindow/layout.h"
#include "platform/paths.h"
#include "platform/picture.h"
#include "platform/timethread.h"
#include "platform/translations.h"
#include "scene/descfile.h"
#include "scene/tree.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>
#include <clocale>
#include <cstdlib>

TFormTree* FormTree = nullptr;

namespace {

struct CommandButton {
    const char* name;
    QRect place;
    int tag;
    const char* hint;
};

// The four large buttons beside the tree and the two small ones in the corners.
constexpr CommandButton commandButtons[] = {
    {"bOut", {34, 196, 70, 60}, 0, QT_TRANSLATE_NOOP("TFormTree", "Send Pinewick")},
    {"bWelcome", {34, 267, 70, 60}, 1, QT_TRANSLATE_NOOP("TFormTree", "Fill in the text of greeting")},
    {"bMusic", {536, 196, 70, 60}, 2, QT_TRANSLATE_NOOP("TFormTree", "Music switch")},
    {"bOptions", {536, 267, 70, 60}, 3, QT_TRANSLATE_NOOP("TFormTree", "Change 3D driver")},
    {"b2Help", {6, 431, 41, 41}, 0, QT_TRANSLATE_NOOP("TFormTree", "Help")},
    {"b2Quit", {599, 432, 41, 41}, 1, QT_TRANSLATE_NOOP("TFormTree", "Exit")},
};

//: The seven cases of toys along the bottom of the window.
constexpr const char* caseHints[7] = {
    QT_TRANSLATE_NOOP("TFormTree", "Big balls"),   QT_TRANSLATE_NOOP("TFormTree", "Bells"),
    QT_TRANSLATE_NOOP("TFormTree", "Icicles"),     QT_TRANSLATE_NOOP("TFormTree", "Stars"),
    QT_TRANSLATE_NOOP("TFormTree", "Small balls"), QT_TRANSLATE_NOOP("TFormTree", "Candles"),
    QT_TRANSLATE_NOOP("TFormTree", "Tops")};

// Frame size of the slots of each case.
// Each case's slot size: its toy pictures' frame, at least 24 × 32 so that a
// thin toy (an icicle, a candle, a top) is easy to hit.
constexpr QSize slotSizes[7] = {{38, 42}, {25, 36}, {24, 49}, {38, 35}, {29, 32}, {24, 49}, {24, 47}};

// A picture of the window, drawn for the screen's density and with the words
// of the running language when the data has it; a missing or damaged one
// stays empty.
QImage loadPicture(const QString& name, qreal devicePixelRatio) {
    const QImage picture = LoadPicture(LocalizedDataFile("Resource/" + name), devicePixelRatio);
    return picture.isNull() ? QImage() : picture.convertToFormat(QImage::Format_RGB32);
}

} // namespace

TFormTree::TFormTree(TFormHooks hooks, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), hooks_(std::move(hooks)) {
    setObjectName("FormTree");
    setWindowTitle(QApplication::applicationName());
    setFixedSize(layout::Window);
    // The face covers the whole window: nothing is erased below it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    createComponents();
    setupKeyboard();
    setupAccessibility();
    createPlayers();
    connect(&frameTimer_, &QTimer::timeout, this, &TFormTree::IdleStep);
}

TFormTree::~TFormTree() {
    FormDestroy();
    if (FormTree == this) {
        FormTree = nullptr;
    }
}

void TFormTree::createComponents() {
    const auto control0 = [this](const QString& name, const QRect& place, int tag) {
        auto* control = new TControl0(this);
        control->setObjectName(name);
        control->setGeometry(place);
        control->Tag = tag;
        control->hide();
        return control;
    };

    Welcome = control0("Welcome", layout::Welcome, 0);
    Welcome->OnPaint = [this](TControl0*) {
        WelcomePaint();
    };
    Welcome->OnClick = [this](TControl0*) {
        WelcomeClick();
    };
    // The band is a text field: its presses, double and triple clicks place
    // the caret and select (WelcomeMouse); the greeting button opens the editor.
    Welcome->installEventFilter(this);
    createWelcomeHint();

    TreeControl = control0("TreeControl", layout::TreeControl, 0);
    TreeControl->OnPaint = [this](TControl0*) {
        TreePaint();
    };
    TreeControl->OnClick = [this](TControl0*) {
        NotWelcomeClick();
    };
    TreeControl->OnDblClick = [this](TControl0*) {
        TreeControlDblClick();
    };
    TreeControl->OnMouseDown = [this](TControl0*, Qt::MouseButton button, Qt::KeyboardModifiers, int x,
                                      int y) {
        TreeMouseDown(button, x, y);
    };
    TreeControl->OnMouseUp = [this](TControl0*, Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
        TreeMouseUp(x, y);
    };
    TreeControl->OnMouseMove = [this](TControl0*, Qt::KeyboardModifiers, int x, int y) {
        TreeMouseMove(x, y);
    };

    const auto notWelcome = [this](TControl0*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
        Control0NotWelcomeClick();
    };
    for (const CommandButton& command : commandButtons) {
        TControl0* button = control0(command.name, command.place, command.tag);
        button->setToolTip(tr(command.hint));
        button->bEnterLeaveInvalidate = true;
        button->bDownUpInvalidate = true;
        button->OnMouseDown = notWelcome;
        button->OnMouseUp = notWelcome;
        if (command.place.width() == 41) {
            button->OnPaint = [this](TControl0* sender) {
                Button2Paint(sender);
            };
        } else {
            button->OnPaint = [this](TControl0* sender) {
                ButtonPaint(sender);
            };
        }
    }
    bOut = findChild<TControl0*>("bOut", Qt::FindDirectChildrenOnly);
    bWelcome = findChild<TControl0*>("bWelcome", Qt::FindDirectChildrenOnly);
    bMusic = findChild<TControl0*>("bMusic", Qt::FindDirectChildrenOnly);
    bOptions = findChild<TControl0*>("bOptions", Qt::FindDirectChildrenOnly);
    b2Help = findChild<TControl0*>("b2Help", Qt::FindDirectChildrenOnly);
    b2Quit = findChild<TControl0*>("b2Quit", Qt::FindDirectChildrenOnly);
    bOut->OnClick = [this](TControl0*) {
        bOutClick();
    };
    bWelcome->OnClick = [this](TControl0*) {
        bWelcomeClick();
    };
    // The greeting button's release keeps editing on: it only repaints.
    bWelcome->OnMouseUp = nullptr;
    bMusic->OnMouseUp = [this](TControl0*, Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) {
        bMusicMouseUp(button, x, y);
    };
    bOptions->OnClick = [this](TControl0*) {
        bOptionsClick();
    };
    b2Help->OnClick = [this](TControl0*) {
        b2HelpClick();
    };
    b2Quit->OnClick = [this](TControl0*) {
        b2QuitClick();
    };

    for (int k = 0; k < 7; ++k) {
        auto* box = new TControlNR(this);
        box->setObjectName("Case" + QString::number(k));
        box->setGeometry(57 + 75 * k, 427, k == 6 ? 80 : 70, 52);
        box->Tag = k;
        box->setToolTip(tr(caseHints[k]));
        box->bEnterLeaveInvalidate = true;
        box->bDownUpInvalidate = true;
        box->OnPaint = [this](TControl0* sender) {
            CasePaint(sender);
        };
        box->OnClick = [this](TControl0* sender) {
            CaseClick(sender);
        };
        box->OnMouseDown = notWelcome;
        box->OnMouseUp = notWelcome;
        box->hide();
        Cases[static_cast<std::size_t>(k)] = box;
    }
    for (int k = 0; k < 7; ++k) {
        // Anchors of the slots; never shown.
        Positions[static_cast<std::size_t>(k)] =
            control0("Position" + QString::number(k), {90 + 75 * k, 419, 10, 10}, 0);
    }
    for (int n = 0; n < 49; ++n) {
        auto* slot = new TControlNR(this);
        slot->setObjectName("Toy" + QString::number(n));
        slot->resize(slotSizes[n / 7]);
        // The whole slot takes the pointer, around a toy however thin.
        slot->SetWholeRectHits(true);
        slot->setCursor(Qt::ArrowCursor);
        slot->OnClick = [this](TControl0*) {
            NotWelcomeClick();
        };
        slot->OnMouseEnter = [this](TControl0* sender) {
            ToyMouseEnter(sender);
        };
        slot->OnMouseLeave = [this](TControl0* sender) {
            ToyMouseLeave(sender);
        };
        slot->OnMouseDown = [this](TControl0* sender, Qt::MouseButton button, Qt::KeyboardModifiers, int,
                                   int) {
            ToyMouseDown(sender, button);
        };
        slot->OnMouseUp = [this](TControl0* sender, Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
            ToyMouseUp(sender, x, y);
        };
        slot->OnMouseMove = [this](TControl0* sender, Qt::KeyboardModifiers, int x, int y) {
            ToyMouseMove(sender, x, y);
        };
        slot->hide();
        Toys[static_cast<std::size_t>(n)] = slot;
    }
}

void TFormTree::showEvent(QShowEvent* event) {
    if (!shown_) {
        shown_ = true;
        // The window's exposure starts and stops the frame timer.
        if (QWindow* window = windowHandle()) {
            window->installEventFilter(this);
        }
        FormShow();
        // Where the window system never activates the window (no window
        // manager, focus stealing prevented), it still comes up complete.
        QTimer::singleShot(0, this, &TFormTree::FormActivate);
    }
    QDialog::showEvent(event);
}

void TFormTree::FormShow() {
    HourglassOn();
    std::setlocale(LC_NUMERIC, "C");
    // Falls and the mouse's visits differ from run to run.
    std::srand(static_cast<unsigned>(QDateTime::currentSecsSinceEpoch()));
    setWindowTitle(QApplication::applicationName());
    AutoRotate = 0;
    DraggedSlot = nullptr;
    DropToy = nullptr;
    InputState = StateRest;
    loadPictures();
    createTree();
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    placeSlots();
    NameSlots();
    NameTree();
    loadCursors();
    if (hooks_.Prepare) {
        hooks_.Prepare();
    }
    startFrameTimer();
    HourglassOff();
}

void TFormTree::loadPictures() {
    const qreal ratio = devicePixelRatioF();
    background_ = loadPicture("Bk.bmp", ratio);
    if (background_.isNull()) {
        // Without its face the window is plain dark blue rather than garbage.
        background_ = QImage(layout::Window, QImage::Format_RGB32);
        background_.fill(QColor(12, 20, 48));
    }
    cases_ = loadPicture("Add.bmp", ratio);
    buttons_ = loadPicture("Welcome.bmp", ratio);
    setup_ = loadPicture("Setup.bmp", ratio);
    about_ = loadPicture("About.bmp", ratio);
    out_ = loadPicture("Out.bmp", ratio);
}

void TFormTree::createTree() {
    // A description file that cannot be read is never overwritten: the
    // decoration that comes with Pinewick is shown instead, and kept unsaved.
    QString name = "desc";
    QString problem;
    try {
        ReadDescriptionFile(DecorationFile(name).toStdString(), "Data/desc");
    } catch (const DescFileError& error) {
        problem = QString::fromStdString(error.what());
        if (QFile::exists(DataFile("desc.default"))) {
            name = "desc.default";
        }
    }
    tree_ = std::make_unique<TTree>(name, this, background_, TreeControl);
    history_ = std::make_unique<TDecorationHistory>(*tree_);
    connect(history_.get(), &TDecorationHistory::Changed, this, &TFormTree::NameTree);
    history_->OnSettingsRestored = [this](const TDecorationSettings& previous) {
        SettingsRestored(previous);
    };
    if (problem.isEmpty()) {
        if (tree_->loadError()) {
            problem = QString::fromStdString(tree_->loadError()->what());
        } else {
            return;
        }
    }
    tree_->KeepFileUnchanged();
    const QString shown =
        tree_->loadError()
            ? tr("An empty tree is shown. Your file is left as it is and will not be overwritten; "
                 "changes made in this session are not saved.")
            : tr("The decoration that comes with Pinewick is shown instead. Your file is left as it is and "
                 "will not be overwritten; changes made in this session are not saved.");
    // Told without stopping the window from coming up.
    auto* box = new QMessageBox(QMessageBox::NoIcon, QApplication::applicationName(),
                                problem + "\n\n" + shown, QMessageBox::Ok, this);
    box->setObjectName("LoadErrorBox");
    FitMessageBox(*box);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // Opened once the window is up and centred, so the box comes up centred
    // on it and above it rather than at the screen's corner beneath it.
    QTimer::singleShot(0, box, [box] {
        box->open();
        box->raise();
    });
}

void TFormTree::placeSlots() {
    for (int n = 0; n < 49; ++n) {
        TControlNR* slot = Toys[static_cast<std::size_t>(n)];
        const QSize size = slotSizes[n / 7];
        const QString shape = slot->property("shapeFile").toString();
        if (!shape.isEmpty()) {
            slot->SetShape(shape, size.width(), size.height());
        }
        const TControl0* anchor = Positions[static_cast<std::size_t>(n % 7)];
        slot->setGeometry(anchor->x() - size.width() / 2, anchor->y() - size.height(), size.width(),
                          size.height());
    }
}

void TFormTree::loadCursors() {
    cursors_[crRotateL] = pinewick::pinewickCursor("ROTATEL");
    cursors_[crRotateR] = pinewick::pinewickCursor("ROTATER");
    cursors_[crDrag] = pinewick::pinewickCursor("DRAG");
    cursors_[crClick] = pinewick::pinewickCursor("CLICK");
    // Everything clickable shows the wand.
    for (TControl0* control : {Welcome, bOut, bWelcome, bMusic, bOptions, b2Help, b2Quit}) {
        control->setCursor(cursors_[crClick]);
    }
    for (TControlNR* box : Cases) {
        box->setCursor(cursors_[crClick]);
    }
    if (help_) {
        help_->SetBalloonCursor(cursors_[crClick]);
    }
}

THelp* TFormTree::help() {
    if (!help_ && shown_) {
        help_ = std::make_unique<THelp>(this, DataFile("Help/"), "desc_hlp",
                                        [this](THelpItem* balloon, int code) { HelpAction(balloon, code); });
        help_->SetBalloonCursor(cursors_[crClick]);
    }
    return help_.get();
}

QCursor TFormTree::ProgramCursor(int number) const {
    return number >= 1 && number <= 4 ? cursors_[static_cast<std::size_t>(number)] : QCursor();
}

void TFormTree::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        FormActivate();
    }
}

void TFormTree::FormActivate() {
    if (!firstActivation_ || !tree_) {
        return;
    }
    firstActivation_ = false;
    RestartMusic();
    update();
    for (TControl0* control : {bOut, bWelcome, bMusic, bOptions, b2Help, b2Quit, Welcome}) {
        control->show();
    }
    for (TControlNR* box : Cases) {
        box->show();
    }
    CaseClick(Cases[0]);
    TreeControl->show();
    // The keyboard starts at the first case (the frame shows at the first key).
    Cases[0]->setFocus(Qt::ActiveWindowFocusReason);
    // The title window stays the application's main window, shrunk to nothing.
    if (QWidget* title = parentWidget()) {
        title->setGeometry(0, 0, 0, 0);
    }
}

void TFormTree::FormDestroy() {
    stepping_ = false;
    frameTimer_.stop();
    if (TimeThread) {
        TimeThread->SetResting(false);
    }
    help_.reset();
    // The history holds toys taken off, which show the tree's meshes.
    history_.reset();
    // The tree writes the description file as it goes.
    tree_.reset();
    while (hourglass_ > 0) {
        HourglassOff();
    }
}

void TFormTree::HourglassOn() {
    ++hourglass_;
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void TFormTree::HourglassOff() {
    if (hourglass_ > 0) {
        --hourglass_;
        QApplication::restoreOverrideCursor();
    }
}

bool TFormTree::IsHelpShowing() const {
    return help_ && help_->IsShowing();
}

void TFormTree::HelpAction(THelpItem*, int action) {
    if (action == 1 && hooks_.ShowInfo) {
        hooks_.ShowInfo();
    } else if (action == 2) {
        b2HelpClick();
    }
}

// Command buttons.

void TFormTree::bOutClick() {
    if (IsHelpShowing() || !hooks_.Output) {
        return;
    }
    hooks_.Output();
}

void TFormTree::bWelcomeClick() {
    if (IsHelpShowing()) {
        return;
    }
    SetWelcomeEditing(true);
    if (hooks_.EditGreeting) {
        hooks_.EditGreeting();
        // What the editor changed, with any typing in the band before it, is one step.
        EndGreetingSession();
    }
}

void TFormTree::bOptionsClick() {
    if (IsHelpShowing() || !hooks_.ChooseDriver || !tree_) {
        return;
    }
    const std::optional<QString> name = hooks_.ChooseDriver(tree_->driverName());
    if (name) {
        tree_->SetDriver(*name);
    }
}

void TFormTree::b2HelpClick() {
    HourglassOn();
    if (THelp* balloons = help()) {
        balloons->Toggle();
    }
    if (TimeThread) {
        TimeThread->Reset();
    }
    LastTick = 0;
    HourglassOff();
}

void TFormTree::b2QuitClick() {
    // A toy on its way down must land first.
    if (InputState == StateFalling || InputState == StateLanding) {
        return;
    }
    if (!hooks_.AskExit || hooks_.AskExit()) {
        closeAfterYes();
    }
}

void TFormTree::CloseWithoutAsking() {
    if (closing_ || !isVisible()) {
        return;
    }
    if ((InputState == StateFalling || InputState == StateLanding) && tree_ && DropToy) {
        tree_->RemoveToy(DropToy);
        DropToy = nullptr;
        InputState = StateRest;
        HourglassOff();
    }
    closeAfterYes();
}

void TFormTree::closeAfterYes() {
    closing_ = true;
    stepping_ = false;
    frameTimer_.stop();
    SaveDecoration();
    done(QDialog::Accepted);
}

void TFormTree::SaveDecoration() {
    if (!tree_) {
        return;
    }
    if (hooks_.FinishEditing) {
        hooks_.FinishEditing();
    }
    if (!tree_->loadError()) {
        std::string why;
        while (!tree_->Save(&why)) {
            QMessageBox box(
                QMessageBox::Warning, QApplication::applicationName(),
                tr("Your decoration could not be saved:\n%1\n\nFree some space or fix the folder's "
                   "permissions, then try again.")
                    .arg(QString::fromLocal8Bit(why.c_str())),
                QMessageBox::Retry | QMessageBox::Discard, this);
            box.setObjectName("SaveErrorBox");
            box.setTextFormat(Qt::PlainText);
            box.button(QMessageBox::Discard)->setText(tr("Quit without saving"));
            box.setDefaultButton(QMessageBox::Retry);
            if (box.exec() != QMessageBox::Retry) {
                break;
            }
        }
    }
    tree_->KeepFileUnchanged();
}

void TFormTree::reject() {
    if (closing_) {
        QDialog::reject();
        return;
    }
    b2QuitClick();
}

// Moving the window by a free spot of its face.

void TFormTree::mousePressEvent(QMouseEvent* event) {
    NotWelcomeClick();
    if (event->button() != Qt::LeftButton) {
        return;
    }
    if (!windowHandle() || !windowHandle()->startSystemMove()) {
        movingByHand_ = true;
        moveOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
    }
}

void TFormTree::mouseMoveEvent(QMouseEvent* event) {
    if (movingByHand_) {
        move(event->globalPosition().toPoint() - moveOffset_);
        return;
    }
    FormMouseMove();
}

void TFormTree::mouseReleaseEvent(QMouseEvent*) {
    movingByHand_ = false;
}
