// The default framing on the generated data: a toy that misses the tree lands
// where the user sees it, above the case pictures along the bottom edge, and
// the mouse that fetches it is big enough to read as a mouse.
#include "platform/paths.h"
#include "scene/mouse.h"
#include "scene/openglprobe.h"
#include "scene/rm/viewport.h"
#include "scene/tree.h"
#include "support/scratch_home.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <vector>

namespace {

// The tree's view in the window, and the slots' line (their bottom edges) and
// centres: the main window's layout.
const QRect treeArea(135, 32, 370, 376);
constexpr int slotBottom = 419;
int slotCentre(int slot) {
    return 90 + 75 * slot;
}

class Framing : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        home_ = testsupport::makeScratchHome("framing");
        Paths.HDPath = home_.home;
        DirectXVersion = 0x500; // the toy's own landing, never the mouse
        const QImage face(home_.home + "Data/Resource/Bk.bmp");
        tree_ = std::make_unique<TTree>("desc", treeArea.size(),
                                        face.copy(treeArea).convertToFormat(QImage::Format_RGB32));
        tree_->KeepFileUnchanged();
    }

    QImage view() {
        QImage image(treeArea.size(), QImage::Format_RGB32);
        QPainter painter(&image);
        tree_->PaintTo(0, 0, painter);
        return image;
    }

    // Where the pictures of a case's seven slots are opaque, in window pixels.
    QImage slotCover(int caseNumber) const {
        QImage cover(640, 480, QImage::Format_Grayscale8);
        cover.fill(0);
        for (int slot = 0; slot < 7; ++slot) {
            const TDescToy& desc = *tree_->descToys().at(std::size_t(caseNumber * 7 + slot));
            const QImage strip(home_.home + "Data/" + QString::fromStdString(desc.record().ShapeFile));
            if (strip.isNull()) {
                continue;
            }
            const int width = strip.width() / 2;
            const QPoint at(slotCentre(slot) - width / 2, slotBottom - strip.height());
            const QRgb key = strip.pixel(0, 0);
            for (int y = 0; y < strip.height(); ++y) {
                for (int x = 0; x < width; ++x) {
                    if (strip.pixel(x, y) != key) {
                        cover.setPixel(at + QPoint(x, y), 255);
                    }
                }
            }
        }
        return cover;
    }

    // The window as it shows the tree view with the case's slots over it.
    void saveWindowShot(const QImage& treeView, int caseNumber, const QString& file) const {
        QImage window(home_.home + "Data/Resource/Bk.bmp");
        QPainter painter(&window);
        painter.drawImage(treeArea.topLeft(), treeView);
        for (int slot = 0; slot < 7; ++slot) {
            const TDescToy& desc = *tree_->descToys().at(std::size_t(caseNumber * 7 + slot));
            QImage strip(home_.home + "Data/" + QString::fromStdString(desc.record().ShapeFile));
            if (strip.isNull()) {
                continue;
            }
            QImage picture =
                strip.copy(0, 0, strip.width() / 2, strip.height()).convertToFormat(QImage::Format_ARGB32);
            const QRgb key = picture.pixel(0, 0);
            for (int y = 0; y < picture.height(); ++y) {
                for (int x = 0; x < picture.width(); ++x) {
                    if (picture.pixel(x, y) == key) {
                        picture.setPixel(x, y, 0);
                    }
                }
            }
            painter.drawImage(slotCentre(slot) - picture.width() / 2, slotBottom - picture.height(), picture);
        }
        painter.end();
        window.save(file);
    }

    testsupport::ScratchHome home_;
    std::unique_ptr<TTree> tree_;
};

// Each toy of a case let go above its own slot: of all the pixels its landing
// shows, at most a tenth may lie under the case's slot pictures.
TEST_P(Framing, LandingsAboveTheirSlotsAreInSight) {
    const int caseNumber = GetParam();
    const QImage cover = slotCover(caseNumber);
    const QImage empty = view();
    for (int slot = 0; slot < 7; ++slot) {
        const int x = slotCentre(slot) - treeArea.x();
        if (x < 0 || x >= treeArea.width()) {
            continue; // a release outside the tree's view adds nothing
        }
        TDescToy& desc = *tree_->descToys().at(std::size_t(caseNumber * 7 + slot));
        const rm::Vector start = tree_->ScreenToTree(x, treeArea.height() * 3 / 4);
        TToy* toy = tree_->AddToy(desc, {0, 0, 0.1f}, {0, 1, 0}, start);
        tree_->StartDrop(start);
        double t = 0;
        while (!tree_->DropStep(toy, t)) {
            t += 16;
            ASSERT_LT(t, 60000);
        }
        tree_->StartLanding(toy, nullptr);
        long shown = 0, covered = 0;
        double landing = 0;
        std::vector<QImage> frames;
        for (bool done = false; !done; landing += 40) {
            done = tree_->LandingStep(landing);
            if (done) {
                break;
            }
            frames.push_back(view());
            const QImage& frame = frames.back();
            for (int y = 0; y < frame.height(); ++y) {
                for (int i = 0; i < frame.width(); ++i) {
                    if (frame.pixel(i, y) != empty.pixel(i, y)) {
                        ++shown;
                        covered += qGray(cover.pixel(i + treeArea.x(), y + treeArea.y())) != 0;
                    }
                }
            }
            ASSERT_LT(landing, 60000);
        }
        ASSERT_GT(shown, 0) << "slot " << slot;
        const double share = double(covered) / double(shown);
        std::printf("case %d slot %d (%s): %.1f %% of %ld landing pixels covered\n", caseNumber, slot,
                    desc.record().ShapeFile.c_str(), 100 * share, shown);
        EXPECT_LE(share, 0.10) << "slot " << slot;
        if (slot == 3 && qEnvironmentVariableIsSet("PINEWICK_SHOTS")) {
            saveWindowShot(
                frames.at(frames.size() / 2), caseNumber,
                QString("%1/landing-case%2.png").arg(qEnvironmentVariable("PINEWICK_SHOTS")).arg(caseNumber));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryCase, Framing, ::testing::Range(0, 7));

// The mouse as it fetches a toy let go above a slot: standing at the toy it is
// 30 to 40 pixels tall, the fetch (mouse, shadow and toy) stays clear of the
// slot pictures, and in its last moments it visibly takes the toy along.
TEST_F(Framing, TheMouseFetchingAToyReadsAsAMouse) {
    DirectXVersion = 0x600;
    tree_->SetRandom([] { return 0; }); // every landing is a fetch
    ASSERT_TRUE(tree_->mouse() && tree_->mouse()->model());
    const rm::Viewport& viewport = *tree_->viewport();
    const auto screen = [&viewport](const rm::Frame& frame, rm::Vector local) {
        const glm::vec4 h = viewport.Transform(frame.Transform(local));
        return QPointF(h.x / h.w, h.y / h.w);
    };
    const double T = tree_->mouse()->record().duration;
    const QImage cover = slotCover(0);
    for (int slot : {1, 4}) {
        TDescToy& desc = *tree_->descToys().at(std::size_t(slot));
        const rm::Vector start = tree_->ScreenToTree(slotCentre(slot) - treeArea.x(), treeArea.height() / 2);
        TToy* toy = tree_->AddToy(desc, {0, 0, 0.1f}, {0, 1, 0}, start);
        tree_->StartDrop(start);
        for (double t = 0; !tree_->DropStep(toy, t); t += 16) {
            ASSERT_LT(t, 60000);
        }
        const QImage landed = view();
        tree_->StartLanding(toy, nullptr);
        ASSERT_TRUE(tree_->MouseActive());
        const auto& children = tree_->treeFrame()->children();
        const auto mouse = std::find_if(children.begin(), children.end(), [this](const auto& frame) {
            return !frame->visuals().empty() && frame->visuals().front() == tree_->mouse()->model();
        });
        ASSERT_NE(mouse, children.end());

        // Pausing at the toy: how tall it stands, measured through its middle.
        tree_->LandingStep(0.8 * T);
        tree_->Render();
        const rm::Box box = tree_->mouse()->model()->GetBox();
        const rm::Vector middle = (box.min + box.max) * 0.5f;
        const double tall = screen(**mouse, {middle.x, box.min.y, middle.z}).y() -
                            screen(**mouse, {middle.x, box.max.y, middle.z}).y();
        const QImage pause = view();
        long shown = 0, covered = 0;
        for (int y = 0; y < pause.height(); ++y) {
            for (int x = 0; x < pause.width(); ++x) {
                if (pause.pixel(x, y) != landed.pixel(x, y)) {
                    ++shown;
                    covered += qGray(cover.pixel(x + treeArea.x(), y + treeArea.y())) != 0;
                }
            }
        }
        // Taking the toy along: how far the toy moves on the screen from the
        // end of the pause to the end of the fetch.
        tree_->LandingStep(0.9 * T);
        const QPointF from = screen(*toy->frame(), {0, 0, 0});
        tree_->LandingStep(T - 1);
        const QPointF to = screen(*toy->frame(), {0, 0, 0});
        const double carried = std::hypot(to.x() - from.x(), to.y() - from.y());
        std::printf("slot %d: the mouse stands %.1f pixels tall; %.1f %% of %ld fetch pixels covered; "
                    "the toy carried %.1f pixels\n",
                    slot, tall, 100.0 * double(covered) / double(std::max(shown, 1L)), shown, carried);
        EXPECT_GE(tall, 30) << "slot " << slot;
        EXPECT_LE(tall, 40) << "slot " << slot;
        EXPECT_LE(covered * 10, shown) << "slot " << slot;
        EXPECT_GE(carried, 4) << "slot " << slot;
        if (qEnvironmentVariableIsSet("PINEWICK_SHOTS")) {
            saveWindowShot(
                pause, 0,
                QString("%1/fetch-slot%2.png").arg(qEnvironmentVariable("PINEWICK_SHOTS")).arg(slot));
        }
        ASSERT_TRUE(tree_->LandingStep(T));
    }
}

} // namespace
