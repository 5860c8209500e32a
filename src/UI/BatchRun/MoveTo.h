#pragma once

#include <QDialog>

class QSpinBox;

namespace UtilDialog {

// Asks for the position (1-based) an entry of the process list moves to.
class MoveTo : public QDialog {
    Q_OBJECT
public:
    MoveTo(QWidget *parent, const QString &entryName, int entryCount, int currentPosition);
    int position() const;

private:
    QSpinBox *sbxPosition = nullptr;
};

} // namespace UtilDialog
