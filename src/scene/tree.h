#pragma once
// TTree: the decorated tree. It reads the description file into its settings,
// catalogue (TDescToy), hung toys (TToy) and mouse (TMouse), builds the scene
// on TD3DScene, runs turning, falling and landing, and writes everything back
// when it is destroyed — unless the file failed to load, which is never
// overwritten.
//
//   TTree tree("desc", ownerForm, windowBackground, treeControl);  // or (name, size, background)
//   if (tree.loadError()) show(tree.loadError()->what());
//   TPickResult hit = tree.Pick(x, y, &point);
#include "scene/d3dscene.h"
#include "scene/descfile.h"
#include "scene/desctoy.h"
#include "scene/mouse.h"
#include "scene/toy.h"

#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QPainter;
class TSoundPlayer;

// What lies under a point of the tree control.
struct TPickResult {
    enum Kind { Nothing, Tree, Toy } kind = Nothing;
    TToy* toy = nullptr;
};

class TTree : public TD3DScene {
public:
    // The main window's tree: case slots "Toy0".."Toy48" are found among
    // owner's children; the background under treeControl comes from
    // windowBackground.
    TTree(const QString& descName, QWidget* owner, const QImage& windowBackground, QWidget* treeControl);
    // A tree without a window (snapshots, tests): background is the picture
    // under the tree's area, of the area's size.
    TTree(const QString& descName, QSize size, const QImage& background);
    ~TTree() override;

    // The error that stopped reading the description file, if any.
    const std::optional<DescFileError>& loadError() const { return loadError_; }
    const std::vector<std::string>& loadWarnings() const { return warnings_; }
    // Writes the decoration now; false when it was not written (a file that
    // failed to load is never overwritten), with the reason in why when given.
    bool Save(std::string* why = nullptr);
    // Leave the description file as it is when the tree is destroyed.
    void KeepFileUnchanged() { saveOnExit_ = false; }
    bool SavesOnExit() const { return saveOnExit_; }

    // Settings (the greeting editor and the main window read and change them).
    std::string WelcomeText;
    std::string FontName;
    std::string FontStyle;
    TColor WelcomeColor = 0;
    int MusicOn = 1;
    int SongNumber = 0;

    const std::vector<std::unique_ptr<TDescToy>>& descToys() const { return descToys_; }
    const std::vector<std::unique_ptr<TToy>>& toys() const { return toys_; }
    TMouse* mouse() const { return mouse_.get(); }
    const TreeRecord& treeRecord() const { return tree_; }
    float TreeHeight() const { return treeHeight_; }
    float TopRadius() const { return topRadius_; }
    float TopLowestHeight() const { return topLowest_; }
    float TopSnapHeight() const { return topSnap_; }
    float DropTimeOffset() const { return dropOffset_; }
    int TimeForDrop() const { return timeForDrop_; }
    int TimeForRotate() const { return timeForRotate_; }
    TToy* FallingToy() const { return fallingToy_; }
    bool MouseActive() const { return mouseActive_; }

    // Toys.
    TToy* AddToy(TDescToy& descToy, rm::Vector direction, rm::Vector up, rm::Vector position);
    void RemoveToy(TToy* toy);
    // Takes a hung toy off the tree without destroying it, so that it can be
    // put back exactly as it hung; `index` receives its place in the list.
    std::unique_ptr<TToy> TakeToy(TToy* toy, std::size_t* index = nullptr);
    // Hangs a toy taken off by TakeToy again, at its old place in the list
    // (clamped to the list's end); returns it.
    TToy* PutToy(std::unique_ptr<TToy> toy, std::size_t index);
    TPickResult FindToy(const rm::Frame* frame) const;

    // Music.
    void NextSong();
    void MusicOff();
    QString SongFile();

    // Scene operations.
    TPickResult Pick(int x, int y, rm::Vector* hitPoint = nullptr) const;
    // The hung toy nearest to (x, y) of the tree control as seen: the one
    // under the point, else the nearest on the camera's side of the tree,
    // else the nearest of all; null without toys.
    TToy* NearestToy(int x, int y) const;
    rm::Vector ScreenToTree(int x, int y) const;
    // Where a new toy of descToy hangs for a pick that met the foliage at hit
    // (tree coordinates): on the pick's ray, moved toward the camera just as
    // far as it takes for the toy's middle to lie in front of the foliage all
    // over its outline, so the toy shows instead of sinking into the needles.
    // A toy that already hangs clear stays at hit.
    rm::Vector HangPoint(TDescToy& descToy, const rm::Vector& hit);
    bool FitTop(rm::Vector& point) const;
    void AnimateToys(double time);
    // The toys' own animations at time, on a grid of OwnAnimationStep ms:
    // what a step calls when nothing else moves. True when they were
    // advanced, that is when time entered another step of the grid. At 60
    // frames a second that is every other frame (30 steps a second): smooth
    // swings and flickers at half the cost of drawing every frame. On the
    // grid a loop that lasts a whole number of steps shows the same pictures
    // in every round (each toy steps on a grid of about this step that divides
    // its loop), which the device then copies instead of drawing.
    bool AnimateToysPaced(double time);
    static constexpr double OwnAnimationStep = 100.0 / 3.0;
    void Rotate(bool positive, double t);
    // Turns the tree by angle (radians, counter-clockwise seen from above)
    // about the scene's vertical axis through the tree's own foot: a tree
    // standing away from the scene's origin turns where it stands.
    void Turn(float angle);
    void StartDrop(const rm::Vector& start);
    bool DropStep(TToy* toy, double t);
    void StartLanding(TToy* toy, TSoundPlayer* player);
    bool LandingStep(double t);
    // The scene into rect of the canvas, rendered at the pixels rect takes on
    // the canvas's device (at least the view's size, at most
    // LargestPrintPicture on its longer side) over the background: the given
    // picture of the tree's area at any resolution, else the scene's own.
    void PrintTo(QPainter& canvas, const QRect& rect, const QImage& background = QImage());
    // The scene rendered at a size of its own (same camera and field);
    // empty without a 3D device.
    QImage RenderAt(QSize pixels) const;
    static constexpr int LargestPrintPicture = 4096;

    // The random source of the mouse's chance (the C library's rand() by default).
    void SetRandom(std::function<int()> random) { random_ = std::move(random); }

private:
    void load(const QString& descName, QWidget* owner);
    void placeTreeAndCamera();
    void measure();
    bool instantDrop() const;
    // How far (camera depth) the middle of a toy of box, standing at `at`
    // (camera coordinates, the camera's axes), lies behind the tree's foliage
    // at worst over its outline; 0 or less when it is in front everywhere.
    float DepthBehindFoliage(const rm::Vector& at, const rm::Box& box) const;
    DescriptionFile currentDecoration() const;

    std::string dataFolder_;
    std::string descPath_;
    std::optional<DescFileError> loadError_;
    std::vector<std::string> warnings_;
    bool saveOnExit_ = true;

    int timeForDrop_ = 0;
    int timeForRotate_ = 0;
    TreeRecord tree_;
    std::vector<std::unique_ptr<TDescToy>> descToys_;
    std::vector<std::unique_ptr<TToy>> toys_;
    std::unique_ptr<TMouse> mouse_;
    bool mouseActive_ = false;
    TToy* fallingToy_ = nullptr;
    float topRadius_ = 0;
    float topLowest_ = 0;
    float topSnap_ = 0;
    float treeHeight_ = 0;
    float dropOffset_ = 0;
    double lastOwnAnimation_ = -1e300;
    std::int64_t lastOwnStep_ = std::numeric_limits<std::int64_t>::min();
    std::function<int()> random_;
};
