// Help balloons over a stand-in main window on the offscreen platform: script
// reading, the screen copy under each balloon, the fade, clicks through the
// balloons' outlines, debug dragging, and scripts that are broken.
#include "help/help.h"

#include "support/test_paths.h"

#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

constexpr QRgb Face = 0xFF2040C0;    // the stand-in window's colour
constexpr QRgb Outline = 0xFFFF00FF; // the balloon picture's cut-away colour
constexpr QRgb Paper = 0xFFF0E0A0;   // the balloon picture's body

// A 640 × 480 window of one colour (or a picture) standing in for the main window.
class FaceWindow : public QWidget {
public:
    explicit FaceWindow(QImage face = {}) : face_(std::move(face)) {
        setFixedSize(640, 480);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    int presses = 0;
    int keys = 0;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        if (face_.isNull()) {
            painter.fillRect(rect(), QColor::fromRgb(Face));
        } else {
            painter.drawImage(0, 0, face_);
        }
    }
    void mousePressEvent(QMouseEvent*) override { ++presses; }
    void keyPressEvent(QKeyEvent*) override { ++keys; }

private:
    QImage face_;
};

// A 100 × 60 balloon picture: a paper rectangle inset by 10 on the outline colour.
QImage balloonPicture() {
    QImage picture(100, 60, QImage::Format_RGB32);
    picture.fill(Outline);
    QPainter(&picture).fillRect(10, 10, 80, 40, QColor::fromRgb(Paper));
    return picture;
}

class Help : public testing::Test {
protected:
    void SetUp() override {
        folder_ = testsupport::scratchDir("help") + "/";
        ASSERT_TRUE(balloonPicture().save(folder_ + "Paper.bmp"));
    }

    void WriteScript(const QString& text) {
        QFile file(folder_ + "desc_hlp");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text.toUtf8());
    }

    void ShowWindow() {
        window_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
        QCoreApplication::processEvents();
    }

    std::unique_ptr<THelp> MakeHelp() {
        auto help = std::make_unique<THelp>(&window_, folder_, "desc_hlp", [this](THelpItem* item, int code) {
            actions_.push_back({item, code});
            // The main window's handler: code 2 is its Help button's click.
            if (code == 2) {
                help_->Toggle();
            }
        });
        help_ = help.get();
        return help;
    }

    // What the window shows at a point of the main window (balloons included).
    QRgb ShownAt(QPoint p) {
        QCoreApplication::processEvents();
        return window_.grab(QRect(p, QSize(1, 1))).toImage().pixel(0, 0) | 0xFF000000u;
    }

    void Click(QPoint p) {
        QTest::mouseClick(window_.windowHandle(), Qt::LeftButton, {}, p);
        QCoreApplication::processEvents();
    }

    QString folder_;
    FaceWindow window_;
    std::vector<std::pair<THelpItem*, int>> actions_;
    THelp* help_ = nullptr;
};

// Picture balloons centred at (150, 100) and (400, 300): corners (100, 70) and (350, 270).
const char* TwoPictureBalloons = "HelpBk=Paper.bmp\r\n"
                                 "Debug=0\r\n"
                                 "HelpItem=0,0,0,0,150:100,FF:FF:FF,00:00:00,Closes itself\r\n"
                                 "HelpItem=0,2,0,1,400:300,FF:FF:FF,00:00:00,Closes the help\r\n";

TEST_F(Help, BalloonsStartAsTheScreenAndFadeToTheirPictureInEightTicks) {
    WriteScript(TwoPictureBalloons);
    ShowWindow();
    auto help = MakeHelp();
    ASSERT_EQ(help->Items().size(), 2u);
    EXPECT_FALSE(help->IsShowing());
    EXPECT_FALSE(help->FadeTimer().isActive());

    help->Start();
    ASSERT_TRUE(help->IsShowing());
    EXPECT_TRUE(help->FadeTimer().isActive());
    EXPECT_EQ(help->FadeTimer().interval(), 128);
    TControlNR* first = help->Items()[0]->Window();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->geometry(), QRect(100, 70, 100, 60));
    EXPECT_EQ(help->Items()[1]->Window()->geometry(), QRect(350, 270, 100, 60));

    // Fade 0: the balloon copies the screen under it, so nothing shows yet.
    const QPoint paper(120, 80); // inside the body, clear of the text
    EXPECT_EQ(ShownAt(paper), Face);
    EXPECT_EQ(help->Items()[0]->ScreenPicture().pixel(20, 10) | 0xFF000000u, Face)
        << "the screen picture is what the screen showed there";

    for (int tick = 1; tick <= 4; ++tick) {
        help->OnTimer();
    }
    EXPECT_EQ(help->Elapsed(), 512);
    // Halfway: (512 × balloon + 512 × screen) >> 10 in each channel.
    auto half = [](int b, int s) {
        return (512 * b + 512 * s) >> 10;
    };
    EXPECT_EQ(ShownAt(paper), qRgb(half(qRed(Paper), qRed(Face)), half(qGreen(Paper), qGreen(Face)),
                                   half(qBlue(Paper), qBlue(Face))));

    for (int tick = 5; tick <= 8; ++tick) {
        help->OnTimer();
    }
    EXPECT_EQ(help->Elapsed(), 1024);
    EXPECT_EQ(ShownAt(paper), Paper);
    EXPECT_TRUE(help->Items()[0]->BalloonPicture().isNull()) << "the pictures go once faded in";
    EXPECT_TRUE(help->Items()[0]->ScreenPicture().isNull());
    EXPECT_TRUE(help->FadeTimer().isActive()) << "the ninth tick stops the timer";
    help->OnTimer();
    EXPECT_EQ(help->Elapsed(), 1024);
    EXPECT_FALSE(help->FadeTimer().isActive());
    EXPECT_EQ(ShownAt(paper), Paper);
    EXPECT_EQ(ShownAt(QPoint(102, 72)), Face) << "the outline colour is cut away";

    // The real timer reaches the end on its own, too.
    help->Toggle();
    EXPECT_FALSE(help->IsShowing());
    help->Toggle();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !help->FadeTimer().isActive(); }, 5000));
    EXPECT_EQ(help->Elapsed(), 1024);
    EXPECT_EQ(ShownAt(paper), Paper);
}

TEST_F(Help, EllipseBalloonFadesFromItsColourIntoTheScreenAtTheRim) {
    // Index 5 is past the one picture: an ellipse around the text.
    WriteScript("HelpBk=Paper.bmp\r\nHelpItem=5,0,4,1,320:240,FF:00:00,00:00:00,Ellipse\r\n");
    ShowWindow();
    auto help = MakeHelp();
    help->Start();
    const THelpItem& item = *help->Items()[0];
    const QImage balloon = item.BalloonPicture();
    const QImage screen = item.ScreenPicture();
    ASSERT_FALSE(balloon.isNull());
    // One line: the half-height is 1.5 line heights, the width twice the text's.
    const int a = balloon.width() / 2, b = balloon.height() / 2;
    EXPECT_GT(a, 0);
    EXPECT_EQ(item.Window()->geometry(), QRect(320 - a, 240 - b, 2 * a, 2 * b));
    EXPECT_EQ(balloon.pixel(0, 0) | 0xFF000000u, 0xFFFFFFFFu) << "outside the ellipse: white, cut away";
    // Above the text, on the vertical axis: d = 0.5625.
    const int y = b / 4;
    const double dy = double(y - b) / b, d = dy * dy;
    const QRgb expected = qRgb(int(255 * (1 - d) + qRed(Face) * d), int(0 * (1 - d) + qGreen(Face) * d),
                               int(0 * (1 - d) + qBlue(Face) * d));
    EXPECT_EQ(balloon.pixel(a, y) | 0xFF000000u, expected);
    EXPECT_EQ(screen.pixel(a, y) | 0xFF000000u, Face);

    for (int tick = 0; tick < 8; ++tick) {
        help->OnTimer();
    }
    EXPECT_EQ(ShownAt(QPoint(320 - a, 240 - b) + QPoint(a, y)), expected);
    EXPECT_EQ(ShownAt(QPoint(320 - a + 1, 240 - b + 1)), Face) << "the window is the ellipse";
}

TEST_F(Help, BackgroundsAreFoundWithoutRegardToCaseAndIndexesPastThemAreEllipses) {
    struct Case {
        const char* pictures;
        int index;
        bool picture; // the balloon is the picture, else a drawn ellipse
    };
    const Case cases[] = {
        {"Paper.bmp", 0, true},   {"pAPER.BMP", 0, true},           {"Paper.bmp", 1, false},
        {"Paper.bmp", -1, false}, {"Paper.bmp,PAPER.bmp", 1, true}, {"Paper.bmp,PAPER.bmp", 2, false},
    };
    ShowWindow();
    for (const Case& c : cases) {
        WriteScript(QString("HelpBk=%1\r\nHelpItem=%2,0,0,0,320:240,FF:00:00,00:00:00,Words\r\n")
                        .arg(c.pictures)
                        .arg(c.index));
        auto help = MakeHelp();
        EXPECT_TRUE(help->Warnings().empty()) << c.pictures;
        help->Start();
        const QImage balloon = help->Items()[0]->BalloonPicture();
        const QString what = QString("%1 #%2").arg(c.pictures).arg(c.index);
        if (c.picture) {
            EXPECT_EQ(balloon.size(), QSize(100, 60)) << what.toStdString();
            EXPECT_EQ(balloon.pixel(50, 12) | 0xFF000000u, Paper) << what.toStdString();
        } else {
            ASSERT_FALSE(balloon.isNull()) << what.toStdString();
            // The ellipse is red at its centre, over the text's middle line of pixels.
            const int a = balloon.width() / 2, b = balloon.height() / 2;
            EXPECT_EQ(balloon.pixel(0, 0) | 0xFF000000u, 0xFFFFFFFFu) << what.toStdString();
            EXPECT_GT(qRed(balloon.pixel(a, b / 4)), qBlue(balloon.pixel(a, b / 4))) << what.toStdString();
        }
    }
}

TEST_F(Help, ClicksCloseABalloonOrGoToTheActionHandler) {
    WriteScript(QString(TwoPictureBalloons) + "HelpItem=0,1,0,0,400:100,FF:FF:FF,00:00:00,About\r\n");
    ShowWindow();
    auto help = MakeHelp();
    help->SetBalloonCursor(Qt::PointingHandCursor);
    help->Start();
    for (int tick = 0; tick < 9; ++tick) {
        help->OnTimer();
    }
    ASSERT_EQ(help->Items().size(), 3u);
    EXPECT_EQ(help->Items()[0]->Window()->cursor().shape(), Qt::PointingHandCursor);

    // A click on the cut-away outline reaches the window below, not the balloon.
    Click(QPoint(102, 72));
    EXPECT_EQ(window_.presses, 1);
    EXPECT_TRUE(help->Items()[0]->IsShown());

    // Action 0: that balloon closes; the others stay.
    Click(QPoint(150, 100));
    EXPECT_FALSE(help->Items()[0]->IsShown());
    EXPECT_TRUE(help->IsShowing());
    EXPECT_TRUE(actions_.empty());
    EXPECT_EQ(window_.presses, 1);
    Click(QPoint(150, 100));
    EXPECT_EQ(window_.presses, 2) << "a closed balloon no longer takes clicks";

    // Action 1: the handler is called with the balloon; the balloons stay.
    Click(QPoint(400, 100));
    ASSERT_EQ(actions_.size(), 1u);
    EXPECT_EQ(actions_[0], std::make_pair(help->Items()[2].get(), 1));
    EXPECT_TRUE(help->Items()[2]->IsShown());

    // Action 2: the main window's handler closes the help, as its Help button does.
    Click(QPoint(400, 300));
    ASSERT_EQ(actions_.size(), 2u);
    EXPECT_EQ(actions_[1], std::make_pair(help->Items()[1].get(), 2));
    EXPECT_FALSE(help->IsShowing());
    EXPECT_FALSE(help->FadeTimer().isActive());
    EXPECT_EQ(ShownAt(QPoint(400, 300)), Face);
}

// Escape, typed in a control of the window, closes the help as the "Close the
// help" balloon does (or hides the balloons of a script without it); with no
// balloon up the key goes on to the window.
TEST_F(Help, EscapeClosesTheHelpAsItsCloseBalloonDoes) {
    QWidget* control = new QWidget(&window_);
    ShowWindow();
    for (const auto& [script, actions] :
         {std::pair{TwoPictureBalloons, std::size_t(1)},
          std::pair{"HelpBk=Paper.bmp\r\nHelpItem=0,0,0,0,150:100,FF:FF:FF,00:00:00,A\r\n",
                    std::size_t(0)}}) {
        WriteScript(script);
        actions_.clear();
        window_.keys = 0;
        auto help = MakeHelp();
        help->Start();
        QTest::keyClick(control, Qt::Key_Escape);
        EXPECT_FALSE(help->IsShowing());
        EXPECT_EQ(actions_.size(), actions);
        EXPECT_EQ(window_.keys, 0);
        QTest::keyClick(control, Qt::Key_Escape);
        EXPECT_EQ(window_.keys, 1);
    }
}

TEST_F(Help, DebugBalloonsAreDraggedNotClicked) {
    WriteScript("HelpBk=Paper.bmp\r\ndebug=1\r\nHelpItem=0,0,0,0,150:100,FF:FF:FF,00:00:00,Drag me\r\n");
    ShowWindow();
    auto help = MakeHelp();
    EXPECT_EQ(help->Debug(), 1) << "keys match without regard to case";
    help->Start();
    TControlNR* balloon = help->Items()[0]->Window();
    ASSERT_NE(balloon, nullptr);

    QWindow* handle = window_.windowHandle();
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(130, 90));
    QTest::mouseMove(handle, QPoint(160, 110));
    QTest::mouseMove(handle, QPoint(170, 125));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(170, 125));
    QCoreApplication::processEvents();
    EXPECT_EQ(balloon->pos(), QPoint(140, 105)) << "moved with the pointer";
    EXPECT_TRUE(help->Items()[0]->IsShown()) << "no click action in debug mode";

    // After the release the pointer no longer drags.
    QTest::mouseMove(handle, QPoint(250, 200));
    QCoreApplication::processEvents();
    EXPECT_EQ(balloon->pos(), QPoint(140, 105));

    // The centre is written over the balloon as it moves and is gone at its
    // next repaint. What the window shows is read from the screen: a grab of
    // the widget would paint it anew.
    auto shown = [&] {
        QCoreApplication::processEvents();
        return window_.screen()
            ->grabWindow(window_.winId(), balloon->x(), balloon->y(), balloon->width(), balloon->height())
            .toImage();
    };
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(150, 120));
    QTest::mouseMove(handle, QPoint(160, 130));
    const QImage whileDragging = shown();
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(160, 130));
    balloon->repaint();
    const QImage repainted = shown();
    EXPECT_NE(whileDragging, repainted) << "the centre shows while dragging";
    EXPECT_EQ(repainted, balloon->grab().toImage()) << "and vanishes at the next repaint";
}

TEST_F(Help, BrokenScriptsLoseOnlyTheirBrokenLines) {
    WriteScript("HelpBk=Paper.bmp,Missing.bmp\r\n"
                "Debug=yes\r\n"
                "HelpItem=zero,0,0,0,150:100,FF:FF:FF,00:00:00,Bad index\r\n"
                "HelpItem=0,0,0,0,150:x,FF:FF:FF,00:00:00,Bad centre\r\n"
                "HelpItem=0,0\r\n"
                "Comment=ignored\r\n"
                "HelpItem=1,0,0,0,200:200,FF:FF:FF,00:00:00,Missing picture\r\n"
                "HelpItem=-1,0,2000000,1,300:300,FF:FF,00:00:00,Huge*font\r\n"
                "HelpItem=-1,0,0,0,400:400,FF:FF:FF,00:00:00,\r\n"
                "HelpItem=0,,,0,,0,,0,150:100,,FF:FF:FF,00:00:00,,Runs of commas count as one\r\n");
    ShowWindow();
    auto help = MakeHelp();
    ASSERT_EQ(help->Backgrounds().size(), 2u);
    EXPECT_FALSE(help->Backgrounds()[0].isNull());
    EXPECT_TRUE(help->Backgrounds()[1].isNull()) << "a missing picture stays in the list, empty";
    EXPECT_EQ(help->Debug(), 0);
    ASSERT_EQ(help->Warnings().size(), 5u);
    EXPECT_NE(help->Warnings()[0].find("desc_hlp:2: 'yes' is not a valid integer value"), std::string::npos)
        << help->Warnings()[0];
    EXPECT_NE(help->Warnings()[1].find("desc_hlp:3:"), std::string::npos);
    EXPECT_NE(help->Warnings()[3].find("desc_hlp:5:"), std::string::npos);
    EXPECT_NE(help->Warnings()[4].find("Missing.bmp: no picture"), std::string::npos) << help->Warnings()[4];
    ASSERT_EQ(help->Items().size(), 4u);
    EXPECT_EQ(help->Items()[3]->Line().Text, "Runs of commas count as one");
    EXPECT_EQ(help->Items()[3]->Line().Centre, (TPoint{150, 100}));

    help->Start();
    EXPECT_TRUE(help->IsShowing());
    EXPECT_EQ(help->Items()[0]->Window()->size(), QSize(0, 0)) << "an empty picture: a balloon of no size";
    const QSize huge = help->Items()[1]->Window()->size();
    EXPECT_GT(huge.width(), 0);
    EXPECT_LT(huge.width(), 4000) << "the font size is kept within reason";
    EXPECT_EQ(help->Items()[2]->Window()->width(), 0) << "no text: an ellipse of no width";
    for (int tick = 0; tick < 9; ++tick) {
        help->OnTimer();
    }
    EXPECT_EQ(ShownAt(QPoint(112, 82)), Paper);
    help->Toggle();
    EXPECT_FALSE(help->IsShowing());
}

// A damaged script of thousands of balloons or pictures shows only as many as
// the window can bear, and says so with the line.
TEST_F(Help, ScriptsBeyondTheLimitsAreCutAndTold) {
    QString script = "HelpBk=" + QString("Paper.bmp,").repeated(int(THelp::MaxBackgrounds) + 1) + "\r\n";
    for (std::size_t i = 0; i <= THelp::MaxItems; ++i) {
        script += "HelpItem=0,0,0,0,150:100,FF:FF:FF,00:00:00,Balloon\r\n";
    }
    WriteScript(script);
    ShowWindow();
    auto help = MakeHelp();
    EXPECT_EQ(help->Items().size(), THelp::MaxItems);
    EXPECT_EQ(help->Backgrounds().size(), THelp::MaxBackgrounds);
    ASSERT_EQ(help->Warnings().size(), 2u);
    EXPECT_NE(help->Warnings()[0].find("desc_hlp:1: more than 16 balloon pictures"), std::string::npos);
    EXPECT_NE(help->Warnings()[1].find(":" + std::to_string(THelp::MaxItems + 2) + ": more than 64 balloons"),
              std::string::npos)
        << help->Warnings()[1];
}

TEST_F(Help, WithoutAScriptThereIsNothingToShow) {
    ShowWindow();
    THelp help(&window_, folder_ + "nowhere", "desc_hlp", {});
    EXPECT_TRUE(help.Items().empty());
    EXPECT_TRUE(help.Backgrounds().empty());
    help.Toggle();
    EXPECT_FALSE(help.IsShowing());
    EXPECT_TRUE(help.Warnings().empty());
}

TEST_F(Help, TheHelpOutlivesOrPredeceasesItsWindow) {
    WriteScript(TwoPictureBalloons);
    auto window = std::make_unique<FaceWindow>();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    THelp help(window.get(), folder_, "desc_hlp", {});
    help.Start();
    window.reset(); // the balloons go with their window
    EXPECT_FALSE(help.IsShowing());
    help.OnTimer();
    help.Toggle(); // no window to show them in
    EXPECT_FALSE(help.IsShowing());
}

// The generated help over the main window's face: the picture to look at.
TEST(HelpPicture, GeneratedBalloonsOverTheMainWindowsFace) {
    const QString data = testsupport::buildDir() + "/Data/";
    const QImage face(data + "Resource/Bk.bmp");
    if (face.isNull() || !QFile::exists(data + "Help/desc_hlp")) {
        GTEST_SKIP() << "no generated Data folder";
    }
    FaceWindow window(face);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
    THelp help(&window, data + "Help/", "desc_hlp", {});
    EXPECT_TRUE(help.Warnings().empty());
    ASSERT_GE(help.Items().size(), 5u);
    for (const QImage& picture : help.Backgrounds()) {
        EXPECT_FALSE(picture.isNull());
    }
    const QString folder = QDir::tempPath() + "/pinewick-help";
    QDir().mkpath(folder);
    help.Start();
    for (int tick = 0; tick < 4; ++tick) {
        help.OnTimer();
    }
    QCoreApplication::processEvents();
    EXPECT_TRUE(window.grab().toImage().save(folder + "/balloons-halfway.png"));
    for (int tick = 4; tick < 9; ++tick) {
        help.OnTimer();
    }
    QCoreApplication::processEvents();
    EXPECT_TRUE(window.grab().toImage().save(folder + "/balloons.png"));

    // Every balloon is inside the window and no two overlap.
    for (std::size_t i = 0; i < help.Items().size(); ++i) {
        const QRect r = help.Items()[i]->Window()->geometry();
        EXPECT_TRUE(window.rect().contains(r)) << i;
        for (std::size_t j = i + 1; j < help.Items().size(); ++j) {
            EXPECT_FALSE(help.Items()[i]
                             ->Window()
                             ->mask()
                             .translated(r.topLeft())
                             .intersects(help.Items()[j]->Window()->mask().translated(
                                 help.Items()[j]->Window()->pos())))
                << i << " and " << j;
        }
    }
}

} // namespace
