#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLineEdit;

namespace Ui::Operations {

// The data field of a cell volume to export and the file to write it to. The file name starts
// in the directory last exported to during this run of the program (at first the current one).
class ExportDataDialog : public QDialog {
    Q_OBJECT
public:
    // `dataNames`: the names of the data fields the volume offers.
    explicit ExportDataDialog(const QStringList &dataNames, QWidget *parent = nullptr);

    QString getDataType() const;
    QString getFileName() const;

    // The directory the next dialog starts in.
    static QString rememberedDirectory();

public slots:
    void onAccepted();

private slots:
    void on_tbtOutputFile_clicked();

private:
    QComboBox *dataBox = nullptr;
    QLineEdit *fileEdit = nullptr;
};

} // namespace Ui::Operations
