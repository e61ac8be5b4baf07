#pragma once
// TBorderlessDialog: what the program's skinned dialogs have in common. The
// window has no frame; its face is a picture lent by the main window, painted
// at (0, 0), and its outline is cut from that picture by the colour of the
// picture's top-left pixel. A left press on a free spot of the face drags the
// window, and Escape, wherever the focus is, acts as the dialog's cancel.
// The picture buttons take the keyboard focus with Tab, shown by a frame, and
// Enter or Space clicks the focused one.
//
//   class TFormSetup : public TBorderlessDialog { ... };
//   setup.PrepareFace(setupPicture);        // once, after the pictures are loaded
//   setup.CenterOn(mainWindow);
//   setup.exec();
#include <QDialog>
#include <QImage>
#include <QPoint>
#include <QPointer>

class TBorderlessDialog : public QDialog {
    Q_OBJECT
public:
    // The client area is fixed at `size`.
    TBorderlessDialog(QSize size, QWidget* parent = nullptr);
    ~TBorderlessDialog() override;

    // Caption = the application's title; face = the picture; outline = every
    // pixel of the picture (within the window) whose colour differs from its
    // top-left pixel. A missing picture leaves a plain rectangular window.
    void PrepareFace(const QImage& face);
    const QImage& Face() const { return face_; }

    // Places the window centred on `owner`: (owner's size − own size) / 2,
    // truncating toward zero, from the owner's top-left corner.
    void CenterOn(const QWidget* owner);

    // The main window the dialog belongs to, for dialogs that place themselves.
    void SetMainWindow(QWidget* window) { mainWindow_ = window; }
    QWidget* MainWindow() const { return mainWindow_; }

    // The beige of the dialogs' list and edit fields (red E0, green D6, blue C3).
    static QColor FieldColor();
    // The dialogs' small interface font (about 8 point).
    static QFont DialogFont();

protected:
    // Escape (and closing the window by other means) ends up here; the
    // default closes the window without accepting it.
    virtual void CancelClick();

    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Sees every key of the window's controls before they do.
    void previewKeys();
    // Lets Tab reach the picture buttons that can be clicked.
    void focusButtons();

    QImage face_;
    class TFocusFrame* focusFrame_ = nullptr;
    QPointer<QWidget> mainWindow_;
    // Set while the window follows the pointer by hand (no window manager
    // to move it): the pointer's offset from the window's top-left corner.
    bool dragging_ = false;
    QPoint dragOffset_;
};
