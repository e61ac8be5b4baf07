#pragma once
// TControlNR: a TControl0 whose outline is cut from a picture. Every pixel of
// the picture's transparent colour is masked out (QWidget::setMask), so the
// control is seen, hovered and clicked only on its visible pixels and what lies
// below shows and receives the mouse through the holes. The picture may hold
// several frames side by side, each the control's size; State picks the frame.
// Without a shape the control paints through OnPaint, or fills itself with
// DesignColor when there is none.
#include "controls/bitmapregion.h"
#include "controls/control0.h"

#include <QImage>
#include <QRegion>
#include <QString>

class TControlNR : public TControl0 {
    Q_OBJECT
public:
    explicit TControlNR(QWidget* parent = nullptr);
    ~TControlNR() override;

    // Sizes the control, loads the frames strip from `fileName` (drawn twice as
    // fine for a dense screen when the data has it; a picture that
    // cannot be loaded leaves the previous one), shows frame 0 and cuts the
    // outline of its first width × height pixels by the colour of the top-left
    // pixel. Returns false when the file could not be loaded.
    bool SetShape(const QString& fileName, int width, int height);
    // Sizes the control, copies the rectangle (0, 0, width, height) of `source`
    // as the only frame and cuts the outline by `transparent` (low 24 bits).
    void SetShape(const QImage& source, int width, int height, QRgb transparent);
    // Back to a rectangular control painted by OnPaint or in DesignColor.
    void Clear();
    // The whole rectangle takes the pointer, not only the picture's outline,
    // and the picture is drawn over what lies below it (by its own alpha when
    // it has one, so a finer picture's outline is smooth; else its
    // transparent colour is left out). For small pictures a pointer would
    // miss: a thin toy in its case. Set before SetShape.
    void SetWholeRectHits(bool whole) { wholeRect_ = whole; }
    bool WholeRectHits() const { return wholeRect_; }

    int State() const { return state_; }
    void SetState(int state);

    bool HasShape() const { return hasShape_; }
    // The lowest row (control pixels) of frame 0 that shows any of the
    // picture (a pixel not of the top-left pixel's colour); the control's
    // bottom row when none does.
    int LowestShownRow() const;
    const QImage& Picture() const { return picture_; }

protected:
    bool PaintsWholeClient() const override { return look_.isNull(); }
    void Paint() override;

private:
    void InstallRegion(QRgb transparent);
    // The picture's coverage as a premultiplied image: its own alpha, or none
    // where it has the transparent colour.
    static QImage Coverage(const QImage& loaded, const QImage& keyed, QRgb transparent);

    QImage picture_;
    // What a whole-rect control draws: the picture with its coverage.
    QImage look_;
    bool wholeRect_ = false;
    bool hasShape_ = false;
    int state_ = 0;
};
