#include "dialogs/formabout.h"

#include "controls/control0.h"
#include "controls/cursors.h"

#include <QDesktopServices>
#include <QPainter>
#include <array>

namespace {

constexpr QSize formSize{400, 322};
// The push-button frames of the setup picture: normal, and pressed below it.
constexpr QPoint buttonFrames{24, 52};

// The maker's site and mail address. The panels show the short forms; the
// web panel opens the program's own page of the site.
const QString makerSite = QStringLiteral("https://corlune.example");
const QString makerPage = QStringLiteral("https://corlune.example/pinewick");
const QString makerMail = QStringLiteral("mailto:hi@corlune.example");

// The libraries in the credits, where the About picture shows their names.
struct Credit {
    const char* name;
    const char* description;
    const char* address;
    QRect place;
};
const std::array<Credit, 7> credits{{
    {"Qt",
     QT_TRANSLATE_NOOP("TFormAbout", "Qt: windows, controls, fonts, pictures and printing"),
     "https://www.qt.io",
     {44, 208, 72, 22}},
    {"Mesa",
     QT_TRANSLATE_NOOP("TFormAbout", "Mesa: OpenGL through EGL, on any graphics card or none"),
     "https://www.mesa3d.org",
     {124, 208, 72, 22}},
    {"OpenSSL",
     QT_TRANSLATE_NOOP("TFormAbout", "OpenSSL: keeps the mailed card private on its way"),
     "https://www.openssl.org",
     {204, 208, 72, 22}},
    {"GLM",
     QT_TRANSLATE_NOOP("TFormAbout", "GLM: the vector and matrix arithmetic of the scene"),
     "https://github.com/g-truc/glm",
     {284, 208, 72, 22}},
    {"SDL_mixer",
     QT_TRANSLATE_NOOP("TFormAbout", "SDL_mixer: plays the carols and the sounds"),
     "https://github.com/libsdl-org/SDL_mixer",
     {48, 234, 96, 22}},
    {"FluidSynth",
     QT_TRANSLATE_NOOP("TFormAbout", "FluidSynth: turns the carols' notes into music"),
     "https://www.fluidsynth.org",
     {152, 234, 96, 22}},
    {"FFmpeg",
     QT_TRANSLATE_NOOP("TFormAbout", "FFmpeg: plays the opening film"),
     "https://ffmpeg.org",
     {256, 234, 96, 22}},
}};

} // namespace

TFormAbout::TFormAbout(QWidget* parent) : TBorderlessDialog(formSize, parent) {
    OpenUrl = [](const QUrl& url) {
        QDesktopServices::openUrl(url);
    };
    QPalette ink = palette();
    ink.setColor(QPalette::WindowText, QColor(0x4A, 0x2C, 0x1A));
    setPalette(ink);

    HTTPpanel = makeLinkPanel("HTTPpanel", QRect(130, 129, 142, 24), makerSite);
    HTTPpanel->OnClick = [this](TControl0*) {
        OpenUrl(QUrl(makerPage));
    };
    EMAILpanel = makeLinkPanel("EMAILpanel", QRect(130, 158, 142, 25), makerMail);
    EMAILpanel->OnClick = [this](TControl0*) {
        OpenUrl(QUrl(makerMail));
    };

    for (const Credit& credit : credits) {
        auto* panel = new TControl0(this);
        panel->setObjectName(QString("Product") + credit.name);
        panel->setGeometry(credit.place);
        panel->setCursor(Qt::PointingHandCursor);
        panel->setToolTip(tr(credit.description));
        panel->SetCaption(credit.address);
        panel->flClipChildren = true;
        panel->bEnterLeaveInvalidate = true;
        // The picture carries the library's name; the panel shows it and
        // underlines it while the pointer is over it.
        panel->OnPaint = [this](TControl0* sender) {
            sender->DrawBk(Face(), false);
            if (sender->bMouseInside) {
                QPainter* canvas = sender->Canvas();
                canvas->setPen(QColor(0x1A, 0x4C, 0xC8));
                canvas->drawLine(8, sender->height() - 4, sender->width() - 9, sender->height() - 4);
            }
        };
        panel->OnClick = [this](TControl0* sender) {
            OpenUrl(QUrl(sender->Caption()));
        };
        Products.push_back(panel);
    }

    QExit = new TControl0(this);
    QExit->setObjectName("QExit");
    QExit->setGeometry(30, 278, 125, 25);
    QExit->SetCaption(tr("Do you want to exit ?"));
    QExit->flClipChildren = true;
    QExit->OnPaint = [this](TControl0* sender) {
        sender->DrawBk(Face(), true);
    };
    QExit->hide();

    // The push buttons stand 18 pixels apart, as in the driver dialog.
    Yes = makeButton("Yes", tr("Yes"), 164, 1);
    No = makeButton("No", tr("No"), 276, 0);
    Ok = makeButton("Ok", tr("Ok"), 154, 0);
}

TFormAbout::~TFormAbout() = default;

TControl0* TFormAbout::makeButton(const char* name, const QString& caption, int left, int tag) {
    auto* button = new TControl0(this);
    button->setObjectName(name);
    button->setGeometry(left, 278, 94, 25);
    button->Tag = tag;
    button->SetCaption(caption);
    button->setCursor(pinewick::pinewickCursor("CLICK"));
    button->flClipChildren = true;
    button->bDownUpInvalidate = true;
    button->OnPaint = [this](TControl0* sender) {
        sender->DrawButton(nullptr, buttonFrames.x(), buttonFrames.y(), buttonsPicture_, false, true);
    };
    button->OnClick = [this](TControl0* sender) {
        DoClick(sender);
    };
    button->hide();
    return button;
}

TControl0* TFormAbout::makeLinkPanel(const char* name, const QRect& place, const QString& address) {
    auto* panel = new TControl0(this);
    panel->setObjectName(name);
    panel->setGeometry(place);
    panel->setCursor(Qt::PointingHandCursor);
    panel->SetCaption(address);
    panel->setToolTip(address);
    QFont font = DialogFont();
    font.setUnderline(true);
    panel->setFont(font);
    QPalette link = panel->palette();
    link.setColor(QPalette::WindowText, QColor(0, 0, 0xFF));
    panel->setPalette(link);
    // A field with a lowered bevel and the address as a link.
    panel->OnPaint = [](TControl0* sender) {
        QPainter* canvas = sender->Canvas();
        const QRect r = sender->rect();
        canvas->fillRect(r, FieldColor());
        canvas->setPen(QColor(0x80, 0x80, 0x80));
        canvas->drawLine(r.topLeft(), r.topRight());
        canvas->drawLine(r.topLeft(), r.bottomLeft());
        canvas->setPen(Qt::white);
        canvas->drawLine(r.bottomLeft(), r.bottomRight());
        canvas->drawLine(r.topRight(), r.bottomRight());
        sender->CaptionOut();
    };
    return panel;
}

void TFormAbout::Prepare(const QImage& aboutPicture, const QImage& setupPicture) {
    PrepareFace(aboutPicture);
    buttonsPicture_ = setupPicture.convertToFormat(QImage::Format_RGB32);
}

void TFormAbout::showBottom(bool question) {
    QExit->setVisible(question);
    Yes->setVisible(question);
    No->setVisible(question);
    Ok->setVisible(!question);
}

void TFormAbout::ShowInfo() {
    CenterOn(MainWindow());
    showBottom(false);
    Ok->setFocus();
    exec();
}

bool TFormAbout::AskExit() {
    CenterOn(MainWindow());
    answer_ = false;
    showBottom(true);
    // Enter answers Yes, Escape No.
    Yes->setFocus();
    exec();
    return answer_;
}

void TFormAbout::DoClick(TControl0* sender) {
    answer_ = sender->Tag != 0;
    done(answer_ ? Accepted : Rejected);
}

void TFormAbout::CancelClick() {
    reject();
}
