#include "output/savecard.h"

#include "controls/messagebox.h"
#include "output/cardexport.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>
#include <memory>

const std::vector<CardFileType>& CardFileTypes() {
    static const std::vector<CardFileType> types = {
        {QCoreApplication::translate("SaveCard", "Animated GIF (*.gif)"), "gif"},
        {QCoreApplication::translate("SaveCard", "Animated WebP (*.webp)"), "webp"},
        {QCoreApplication::translate("SaveCard", "MP4 video (*.mp4)"), "mp4"},
        {QCoreApplication::translate("SaveCard", "JPEG picture (*.jpg *.jpeg)"), "jpg"},
        {QCoreApplication::translate("SaveCard", "PNG picture (*.png)"), "png"},
        {QCoreApplication::translate("SaveCard", "Interactive card (*.html)"), "html"},
        {QCoreApplication::translate("SaveCard", "3D model (*.glb)"), "glb"},
    };
    return types;
}

QString WithCardExtension(const QString& file, const QString& chosenFilter) {
    if (file.isEmpty() || CardFileKindOf(file) != CardFileKind::Unknown) {
        return file;
    }
    for (const CardFileType& type : CardFileTypes()) {
        if (chosenFilter == type.filter) {
            return file + "." + type.extension;
        }
    }
    return file + "." + CardFileTypes().front().extension;
}

QString CardStartFolder() {
    // The desktop's Pictures folder is made when it is named but not there yet.
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!pictures.isEmpty() && QDir().mkpath(pictures)) {
        return pictures;
    }
    return QDir::homePath();
}

QString AskCardFile(QWidget* parent) {
    const QString folder = CardStartFolder();
    QStringList filters;
    for (const CardFileType& type : CardFileTypes()) {
        filters << type.filter;
    }
    QString chosen = filters.front();
    const QString file =
        QFileDialog::getSaveFileName(parent, QCoreApplication::translate("SaveCard", "Save card"),
                                     folder + "/Pinewick.gif", filters.join(";;"), &chosen);
    return WithCardExtension(file, chosen);
}

ExportResult RunWithProgress(QWidget* parent, const QString& label,
                             const std::function<ExportResult(const ExportProgress&)>& work) {
    QProgressDialog progress(label, QCoreApplication::translate("SaveCard", "Cancel"), 0, 0, parent);
    progress.setObjectName("CardProgress");
    progress.setWindowTitle(QApplication::applicationDisplayName());
    // Modal, so the main window's tree waits while its turn is filmed.
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.show();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ExportResult result = work([&progress](int done, int total) {
        progress.setMaximum(total);
        progress.setValue(done);
        // Keeps the dialog drawn and its Cancel button working.
        QApplication::processEvents();
        return !progress.wasCanceled();
    });
    QApplication::restoreOverrideCursor();
    return result;
}

bool SaveCardWithProgress(QWidget* parent, const QImage& windowBackground, TTree& tree, const QString& file) {
    QString error;
    const auto save = [&](const ExportProgress& progress) {
        return ExportCard(windowBackground, tree, file, progress, &error);
    };
    const ExportResult result =
        CardFileKindOf(file) == CardFileKind::Animated
            ? RunWithProgress(
                  parent,
                  QCoreApplication::translate("SaveCard", "Saving %1…").arg(QFileInfo(file).fileName()), save)
            : save(nullptr);
    if (result == ExportResult::Failed) {
        QMessageBox box(
            QMessageBox::Warning, QApplication::applicationDisplayName(),
            QCoreApplication::translate("SaveCard", "The card could not be saved.\n\n%1").arg(error),
            QMessageBox::Ok, parent);
        box.exec();
    }
    if (result == ExportResult::Written) {
        ConfirmCardSaved(parent, file);
    }
    return result == ExportResult::Written;
}

void ConfirmCardSaved(QWidget* parent, const QString& file) {
    QMessageBox box(
        QMessageBox::Information, QApplication::applicationDisplayName(),
        QApplication::translate("SaveCard", "Saved the card as %1.").arg(QDir::toNativeSeparators(file)),
        QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    QPushButton* open =
        box.addButton(QApplication::translate("SaveCard", "Open folder"), QMessageBox::ActionRole);
    open->setObjectName("OpenFolder");
    FitMessageBox(box);
    box.exec();
    if (box.clickedButton() == open) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(file).absolutePath()));
    }
}
