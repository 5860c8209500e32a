#pragma once

#include "Model/Automaton/ImageMask.h"

#include <QString>
#include <QWidget>

class QLineEdit;

namespace Ui::Operations {

// The controls through which a dialog takes one mask image: the file field, a browse button
// (which applies the chosen file at once), "Apply" (loads the named file) and "Remove". A file
// that cannot be loaded shows the given warning and keeps the mask as it was.
class MaskFileField : public QWidget {
    Q_OBJECT
public:
    // The warnings shown when a top or a bottom mask file cannot be loaded.
    static const char *const kTopMaskWarning;
    static const char *const kBottomMaskWarning;

    struct Texts {
        QString objectStem; // widget names: lie<Stem>, tbt<Stem>, btnApply<Stem>, btnRemove<Stem>
        QString label;      // label of the file field
        QString loadWarning;
    };

    MaskFileField(const Texts &texts, QWidget *parent = nullptr);

    const Model::Automaton::ImageMask &getMask() const { return mask; }
    // The file the current mask was loaded from.
    QString getFileName() const { return fileName; }
    // Shows a mask kept elsewhere (a process-list entry) with the file it came from.
    void setMask(const Model::Automaton::ImageMask &mask, const QString &fileName);
    // Loads the named file when it is not the one the current mask came from; false (after the
    // warning) when it cannot be loaded.
    bool applyPendingFile();

public slots:
    bool applyFile();
    void removeMask();

signals:
    void maskChanged(const Model::Automaton::ImageMask &mask);

private slots:
    void browse();

private:
    Texts texts;
    QLineEdit *fileField = nullptr;
    Model::Automaton::ImageMask mask;
    QString fileName;
};

} // namespace Ui::Operations
