#pragma once
// The bare cost of a picture: the same world-space triangles as a scene, in
// one buffer, drawn with a minimal shader into a framebuffer with the same
// samples, resolved and read back as the device does. What any OpenGL renderer
// pays at least for that picture.
//
//   BareDraw bare(*tree.sceneFrame(), *tree.viewport());   // needs a current-able context
//   bare.frame();                                         // one picture
#include "scene/rm/frame.h"
#include "scene/rm/viewport.h"

#include <vector>

class BareDraw {
public:
    BareDraw(const rm::Frame& scene, const rm::Viewport& viewport, int samples = 4);
    BareDraw(const BareDraw&) = delete;
    BareDraw& operator=(const BareDraw&) = delete;
    ~BareDraw();

    bool ok() const { return ok_; }
    int triangles() const { return triangles_; }
    // Clears, draws, resolves and reads the whole picture back.
    void frame();
    // The alpha of the picture's centre pixel after the last frame.
    int centreAlpha() const;

private:
    int width_, height_, samples_;
    int triangles_ = 0;
    bool ok_ = false;
    unsigned program_ = 0, vao_ = 0, buffers_[2] = {0, 0};
    unsigned framebuffers_[2] = {0, 0}, renderbuffers_[3] = {0, 0, 0};
    std::vector<unsigned char> pixels_;
};
