#pragma once
// Saving the card from the windows: the desktop's own file dialog (through Qt,
// so portals work) offers the still and the animated formats; an animated
// card is written with a progress dialog whose Cancel stops it and leaves no
// file behind. The output dialog's "Save card…" and Ctrl+S in the main window
// both come here.
#include "output/cardexport.h"

#include <QImage>
#include <QString>
#include <functional>
#include <vector>

class QWidget;
class TTree;

// Where the file dialog starts: the desktop's Pictures folder (made when it
// is named but missing), else the home folder.
QString CardStartFolder();

// Asks where to save the card; empty when the user cancelled. A name without
// one of the offered extensions gets the chosen type's.
QString AskCardFile(QWidget* parent);

// Writes the card to file, showing progress for an animation, and then where
// the card went or any error in a message box; true when the file was written.
bool SaveCardWithProgress(QWidget* parent, const QImage& windowBackground, TTree& tree, const QString& file);

// Says where the card went, with a button that opens its folder in the
// desktop's file manager.
void ConfirmCardSaved(QWidget* parent, const QString& file);

// Runs work, an animation being written, under a modal progress dialog over
// parent labelled label; its Cancel button cancels the work.
ExportResult RunWithProgress(QWidget* parent, const QString& label,
                             const std::function<ExportResult(const ExportProgress&)>& work);

// The file types the dialog offers, the first the default: name filter and extension.
struct CardFileType {
    QString filter; // in the running language
    const char* extension;
};
const std::vector<CardFileType>& CardFileTypes();

// file with the extension of the chosen filter added when it has none of the
// known ones.
QString WithCardExtension(const QString& file, const QString& chosenFilter);
