#pragma once

#include "UI/View/ViewColors.h"

#include <QDialog>

class QPushButton;

namespace Ui::Input {

// Edits the view's window colours: background, grid, objects and outlines, with the default
// and the low colour scheme one click away.
class ChangeColorsDialog : public QDialog {
    Q_OBJECT
public:
    ChangeColorsDialog(const ViewColors &colors, QWidget *parent = nullptr);
    ViewColors getColors() const { return colors; }

private:
    QPushButton *colorButton(const char *objectName, QColor ViewColors::*member);
    void showColors();

    ViewColors colors;
    std::vector<std::pair<QPushButton *, QColor ViewColors::*>> buttons;
};

} // namespace Ui::Input
