#include "output/savecard.h"

#include "output/cardexport.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>
#include <QStandardPaths>
#include <memory>

const std::vector<CardFileType>& CardFileTypes() {
    static const std::vector<CardFileType> types = {
        {"Animated GIF (*.gif)", "gif"}, {"Animated WebP (*.webp)", "webp"},
        {"MP4 video (*.mp4)", "mp4"},    {"JPEG picture (*.jpg *.jpeg)", "jpg"},
        {"PNG picture (*.png)", "png"},
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

QString AskCardFile(QWidget* parent) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        folder = QDir::homePath();
    }
    QStringList filters;
    for (const CardFileType& type : CardFileTypes()) {
        filters << type.filter;
    }
    QString chosen = filters.front();
    const QString file = QFileDialog::getSaveFileName(parent, "Save card", folder + "/Pinewick.gif",
                                                      filters.join(";;"), &chosen);
    return WithCardExtension(file, chosen);
}

bool SaveCardWithProgress(QWidget* parent, const QImage& windowBackground, TTree& tree, const QString& file) {
    std::unique_ptr<QProgressDialog> progress;
    if (CardFileKindOf(file) == CardFileKind::Animated) {
        progress = std::make_unique<QProgressDialog>("Saving " + QFileInfo(file).fileName() + "…", "Cancel",
                                                     0, 0, parent);
        progress->setObjectName("SaveCardProgress");
        progress->setWindowTitle(QApplication::applicationDisplayName());
        // Modal, so the main window's tree waits while its turn is filmed.
        progress->setWindowModality(Qt::ApplicationModal);
        progress->setMinimumDuration(0);
        progress->setAutoClose(false);
        progress->setAutoReset(false);
        progress->show();
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString error;
    const ExportResult result = ExportCard(
        windowBackground, tree, file,
        [&progress](int done, int total) {
            if (!progress) {
                return true;
            }
            progress->setMaximum(total);
            progress->setValue(done);
            // Keeps the dialog drawn and its Cancel button working.
            QApplication::processEvents();
            return !progress->wasCanceled();
        },
        &error);
    QApplication::restoreOverrideCursor();
    progress.reset();
    if (result == ExportResult::Failed) {
        QMessageBox box(QMessageBox::Warning, QApplication::applicationDisplayName(),
                        "The card could not be saved.\n\n" + error, QMessageBox::Ok, parent);
        box.exec();
    }
    return result == ExportResult::Written;
}
