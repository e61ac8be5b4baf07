#include "output/previewdialog.h"

#include "output/panelface.h"

#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>

namespace {

constexpr QSize formSize{720, 560};

} // namespace

TPreviewDialog::TPreviewDialog(const QString& to, const QString& subject, const QString& html,
                               const QString& contentId, const QImage& picture, QWidget* parent)
    : TBorderlessDialog(formSize, parent) {
    PrepareFace(PanelFace(formSize));
    lTo = new QLabel(this);
    lTo->setObjectName("lTo");
    lTo->setGeometry(18, 10, formSize.width() - 36, 40);
    lTo->setWordWrap(true);
    UsePanelText(lTo);
    // Names and the greeting are the user's text, never markup.
    lTo->setTextFormat(Qt::PlainText);
    lTo->setText(tr("To: %1\nSubject: %2").arg(to, subject));

    Mail = new QTextBrowser(this);
    Mail->setObjectName("Mail");
    Mail->setGeometry(18, 54, formSize.width() - 36, 450);
    Mail->setFrameShape(QFrame::NoFrame);
    // The mail shows its own pictures only: nothing is fetched from elsewhere.
    Mail->setOpenLinks(false);
    Mail->setOpenExternalLinks(false);
    Mail->document()->addResource(QTextDocument::ImageResource, QUrl("cid:" + contentId), picture);
    Mail->setHtml(html);

    Close = new QPushButton(tr("Close"), this);
    Close->setObjectName("Close");
    Close->setGeometry(formSize.width() - 98, 516, 80, 26);
    Close->setDefault(true);
    connect(Close, &QPushButton::clicked, this, [this] { CancelClick(); });
}
