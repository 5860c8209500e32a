#pragma once

#include "UI/MainWindowPresenter.h"

#include <QMainWindow>

namespace Ui {

// The program's top-level window.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    MainWindowPresenter &getPresenter() { return *presenter; }
    // "Undo " / "Redo " followed by the operation's name; disabled for an empty name.
    void setUndoOperationName(const QString &name);
    void setRedoOperationName(const QString &name);

public slots:
    void repaintCentralWidget();

private:
    MainWindowPresenter *presenter;
};

} // namespace Ui
