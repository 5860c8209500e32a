#pragma once

#include <QDialog>

#include <memory>

class QPushButton;

namespace Core::Operations {
class RunModelExtraction;
}

namespace Ui::Operations {

// The three steps of model extraction, run in order by the user: decompose the volume, find
// the cantilever segments, save their netlist. Modeless; closing it ends the extraction.
class ExtractModelDialog : public QDialog {
    Q_OBJECT
public:
    ExtractModelDialog(QWidget *mainWindow, std::weak_ptr<Core::Operations::RunModelExtraction> operation);

    // The folder the next save dialog starts in (remembered for the program run).
    static QString &lastSaveDirectory();

public slots:
    void runStepOneClicked();
    void runStepTwoClicked();
    void runStepThreeClicked();

    // Escape closes the dialog like its close button, which ends the extraction.
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    std::weak_ptr<Core::Operations::RunModelExtraction> operation;
    QPushButton *stepButtons[3] = {};
};

} // namespace Ui::Operations
