#pragma once

#include <QDialog>

namespace Ui {

// The About box: what the program is and what it is built with.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget *parent = nullptr);
};

} // namespace Ui
