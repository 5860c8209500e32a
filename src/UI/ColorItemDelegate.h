#pragma once

#include <QItemDelegate>

namespace Ui {

// Edits a colour cell with the colour chooser, preset to the cell's colour; choosing a colour
// stores it in the cell.
class ColorItemDelegate : public QItemDelegate {
    Q_OBJECT
public:
    using QItemDelegate::QItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
};

} // namespace Ui
