#pragma once
// TFormTree: the main window — the skinned 640 × 480 face with the greeting
// band and the decorated tree. This first form shows the decoration, lets the
// tree turn (hold the left button on its left or right half; double-click to
// turn it by itself) and saves the decoration when it closes.
#include "scene/tree.h"

#include <QImage>
#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <memory>

class TFormTree : public QWidget {
    Q_OBJECT
public:
    explicit TFormTree(QWidget* parent = nullptr);
    ~TFormTree() override;

    TTree* tree() const { return tree_.get(); }
    // One animation step: the toys' own animations and the turning.
    void IdleStep();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* TreeControl = nullptr;
    QImage background_;
    std::unique_ptr<TTree> tree_;
    QTimer frameTimer_;
    int lastTick_ = 0;
    // 0: still; 1 / -1: turning while the button is held on the right / left half.
    int holdRotate_ = 0;
    // 0: still; 1 / -1: turning by itself.
    int AutoRotate = 0;
    QPoint dragOffset_;
    bool dragging_ = false;
};
