#pragma once
// TPreviewDialog: the card's mail as its first recipient will see it, before
// anything is sent: who it goes to, the subject, and the HTML part with the
// card picture, the note and the name filled in. A window in the style of
// the output dialog; Close and Escape end it.
#include "controls/borderlessdialog.h"

class QLabel;
class QPushButton;
class QTextBrowser;

class TPreviewDialog : public TBorderlessDialog {
    Q_OBJECT
public:
    // to: "Name <address>"; html: the mail's HTML part, whose picture
    // "cid:" + contentId is picture.
    TPreviewDialog(const QString& to, const QString& subject, const QString& html, const QString& contentId,
                   const QImage& picture, QWidget* parent = nullptr);

    QLabel* lTo = nullptr;
    QTextBrowser* Mail = nullptr;
    QPushButton* Close = nullptr;
};
