// The tree as a .glb checked by the Khronos glTF validator against the scene,
// and the interactive card opened in headless Chromium: no console error, no
// request, the tree where the still card has it, a drag that turns it.
#include "mainwindow/greetingpicture.h"
#include "mainwindow/layout.h"
#include "output/cardexport.h"
#include "output/testcard.h"
#include "scene/tree.h"
#include "support/test_paths.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>
#include <set>
#include <tiny_gltf.h>

namespace {

using testcard::Card;

// The default decoration; with everyKind one more toy of each description
// hung beside it.
Card MakeCard(const QString& name, bool everyKind = false) {
    Card card = testcard::MakeCard(name);
    if (everyKind) {
        for (std::size_t i = 0; i < card.tree->descToys().size(); ++i) {
            const float angle = static_cast<float>(i) * 0.9f;
            card.tree->AddToy(*card.tree->descToys()[i], {std::sin(angle), 0, std::cos(angle)}, {0, 1, 0},
                              {20 * std::sin(angle), 10.0f + 4 * i, 20 * std::cos(angle)});
        }
        card.tree->AnimateToys(0);
        card.tree->Render();
    }
    return card;
}

QJsonObject RunNode(const QString& script, const QStringList& arguments) {
    QProcess node;
    node.start("node", QStringList{testsupport::sourceDir() + "/tools/webcheck/" + script} + arguments);
    EXPECT_TRUE(node.waitForFinished(180000));
    const QByteArray out = node.readAllStandardOutput();
    EXPECT_EQ(node.exitCode(), 0) << node.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(out.trimmed().split('\n').last()).object();
}

struct SceneCounts {
    std::size_t nodes = 2; // the tree and the camera
    std::set<const rm::Visual*> meshes;
    std::size_t animatedToys = 0;
    std::map<const rm::Visual*, std::size_t> targets;
};

SceneCounts CountScene(const TTree& tree) {
    SceneCounts counts;
    for (const auto& visual : tree.treeFrame()->visuals()) {
        counts.meshes.insert(visual.get());
    }
    for (const auto& toy : tree.toys()) {
        counts.nodes += 1;
        counts.meshes.insert(toy->descToy().mesh().get());
        if (const auto& keys = toy->descToy().meshInterpolator()) {
            counts.animatedToys += 1;
            counts.targets[toy->descToy().mesh().get()] = keys->KeyIndices().size() - 1;
        }
    }
    return counts;
}

class ModelFile : public testing::TestWithParam<bool> {};

TEST_P(ModelFile, PassesTheValidatorAndHoldsTheScene) {
    const Card card = MakeCard(GetParam() ? "glb-every-kind" : "glb-default", GetParam());
    const QString file = card.home.home + "card.glb";
    QString error;
    ASSERT_EQ(ExportCard(card.window, *card.tree, file, {}, &error), ExportResult::Written)
        << error.toStdString();

    const QJsonObject report = RunNode("validate.mjs", {file});
    EXPECT_EQ(report["errors"].toInt(-1), 0)
        << QJsonDocument(report["messages"].toArray()).toJson().toStdString();

    tinygltf::Model model;
    tinygltf::TinyGLTF loader;
    std::string why, warning;
    ASSERT_TRUE(loader.LoadBinaryFromFile(&model, &why, &warning, file.toStdString())) << why;
    const SceneCounts scene = CountScene(*card.tree);
    EXPECT_GE(card.tree->toys().size(), GetParam() ? card.tree->descToys().size() : 1u);
    EXPECT_EQ(model.nodes.size(), scene.nodes);
    EXPECT_EQ(model.meshes.size(), scene.meshes.size());
    ASSERT_EQ(model.animations.size(), 1u);
    EXPECT_EQ(model.animations[0].channels.size(), scene.animatedToys);
    std::size_t morphing = 0;
    for (const tinygltf::Mesh& mesh : model.meshes) {
        morphing += mesh.weights.empty() ? 0 : 1;
        for (const auto& primitive : mesh.primitives) {
            EXPECT_EQ(primitive.targets.size(), mesh.weights.size());
        }
    }
    EXPECT_EQ(morphing, scene.targets.size());
    for (const tinygltf::Node& node : model.nodes) {
        if (node.mesh >= 0 && !model.meshes[node.mesh].weights.empty()) {
            const std::size_t count = model.meshes[node.mesh].weights.size();
            EXPECT_TRUE(std::any_of(scene.targets.begin(), scene.targets.end(),
                                    [&](const auto& mesh) { return mesh.second == count; }));
        }
    }
    EXPECT_EQ(report["info"]["materialCount"].toInt(), static_cast<int>(model.materials.size()));
    EXPECT_GE(model.materials.size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Decorations, ModelFile, testing::Values(false, true));

TEST(ModelFile, ADamagedTextureLeavesNoFileAndKeepsTheOldOne) {
    const Card card = MakeCard("glb-damaged");
    const QString damaged = card.home.home + "damaged.png";
    QFile bad(damaged);
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("\x89PNG\r\n\x1a\n and then nothing of a picture");
    bad.close();
    card.tree->toys().front()->descToy().mesh()->SetGroupTexture(0, damaged.toStdString());
    QFile old(card.home.home + "kept.html");
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("yesterday's card");
    old.close();
    for (const QString name : {"new.glb", "kept.html"}) {
        QString error;
        EXPECT_EQ(ExportCard(card.window, *card.tree, card.home.home + name, {}, &error),
                  ExportResult::Failed);
        EXPECT_TRUE(
            error.startsWith(card.home.home + name + ": " + damaged + ": the texture can't be written"))
            << error.toStdString();
    }
    EXPECT_FALSE(QFile::exists(card.home.home + "new.glb"));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "yesterday's card");
}

// Pixels of the tree's area that differ from the backdrop: the tree's silhouette.
QImage Silhouette(const QImage& picture, const QImage& backdrop) {
    QImage mask(layout::TreeControl.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            const QRgb p = picture.pixel(layout::TreeControl.topLeft() + QPoint(x, y));
            const QRgb q = backdrop.pixel(layout::TreeControl.topLeft() + QPoint(x, y));
            const int d =
                std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
            mask.scanLine(y)[x] = d > 30 ? 255 : 0;
        }
    }
    return mask;
}

// Of the pixels in either mask, the share in both.
double Overlap(const QImage& a, const QImage& b) {
    long both = 0, either = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            both += a.scanLine(y)[x] && b.scanLine(y)[x];
            either += a.scanLine(y)[x] || b.scanLine(y)[x];
        }
    }
    return either ? double(both) / either : 0;
}

QRect Bounds(const QImage& mask) {
    QRect bounds;
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            if (mask.scanLine(y)[x]) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

double MeanDifference(const QImage& a, const QImage& b, bool insideTree) {
    double sum = 0;
    long count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (layout::TreeControl.contains(x, y) != insideTree) {
                continue;
            }
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum +=
                std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
            ++count;
        }
    }
    return sum / (3.0 * count);
}

TEST(InteractiveCard, OpensInChromiumAsTheStillCardAndTurnsWhenDragged) {
    const Card card = MakeCard("web-card");
    const QString shots = testsupport::buildDir() + "/tests/webcard";
    QDir().mkpath(shots);
    const QString page = card.home.home + "Pinewick.html", still = shots + "/card.png";
    QString error;
    ASSERT_EQ(ExportCard(card.window, *card.tree, page, {}, &error), ExportResult::Written)
        << error.toStdString();
    ASSERT_EQ(ExportCard(card.window, *card.tree, still, {}, &error), ExportResult::Written);
    EXPECT_LT(QFileInfo(page).size(), 2'500'000);

    const QJsonObject result = RunNode("pagecheck.mjs", {page, shots});
    ASSERT_FALSE(result.contains("failure")) << result["failure"].toString().toStdString();
    EXPECT_EQ(result["consoleErrors"].toArray(), QJsonArray());
    EXPECT_EQ(result["requests"].toArray(), QJsonArray());
    const QJsonObject states = result["states"].toObject();
    EXPECT_EQ(states["first"]["angle"].toDouble(-1), 0.0);
    // Dragged across 0.3 of the tree's width: 0.3 of half a turn, and no more
    // while motion is reduced.
    EXPECT_NEAR(states["dragged"]["angle"].toDouble(), 0.3 * M_PI, 0.01);
    EXPECT_GT(states["phone"]["angle"].toDouble(), 0.0);

    const QImage first(shots + "/first.png"), backdrop(shots + "/backdrop.png"),
        dragged(shots + "/dragged.png");
    ASSERT_EQ(first.size(), layout::Snapshot);
    // Each picture against its own backdrop: the page's as the browser shows
    // it, the card's as the program paints it.
    const QImage pageMask = Silhouette(first, backdrop);
    const QImage cardMask = Silhouette(QImage(still), GreetingBackdrop(card.window, *card.tree));
    const QRect pageBounds = Bounds(pageMask), cardBounds = Bounds(cardMask);
    EXPECT_GT(pageBounds.height(), layout::TreeControl.height() / 2);
    for (const auto& [name, a, b] : {std::tuple{"left", pageBounds.left(), cardBounds.left()},
                                     {"right", pageBounds.right(), cardBounds.right()},
                                     {"top", pageBounds.top(), cardBounds.top()},
                                     {"bottom", pageBounds.bottom(), cardBounds.bottom()}}) {
        EXPECT_NEAR(a, b, 3) << name;
    }
    const double overlap = Overlap(pageMask, cardMask);
    EXPECT_GT(overlap, 0.8);
    std::printf("silhouettes: page %d,%d %dx%d, card %d,%d %dx%d, overlap %.3f\n", pageBounds.x(),
                pageBounds.y(), pageBounds.width(), pageBounds.height(), cardBounds.x(), cardBounds.y(),
                cardBounds.width(), cardBounds.height(), overlap);

    EXPECT_GT(MeanDifference(first, dragged, true), 3.0);
    EXPECT_LT(MeanDifference(first, dragged, false), 0.01);
}

} // namespace
