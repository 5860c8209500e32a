#include "UI/ColorItemDelegate.h"

#include <QColorDialog>

namespace Ui {

QWidget *ColorItemDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                         const QModelIndex &index) const
{
    auto *chooser = new QColorDialog(parent);
    chooser->setOption(QColorDialog::ShowAlphaChannel);
    chooser->setModal(true);
    const QVariant value = index.data(Qt::EditRole);
    if (value.canConvert<QColor>())
        chooser->setCurrentColor(value.value<QColor>());
    auto *self = const_cast<ColorItemDelegate *>(this);
    connect(chooser, &QColorDialog::accepted, self, [self, chooser] {
        emit self->commitData(chooser);
        emit self->closeEditor(chooser);
    });
    connect(chooser, &QColorDialog::rejected, self, [self, chooser] { emit self->closeEditor(chooser); });
    return chooser;
}

// The chooser is a window of its own; the cell's current value was preset when it was made.
void ColorItemDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                     const QModelIndex &index) const
{
    if (auto *chooser = qobject_cast<QColorDialog *>(editor))
        model->setData(index, chooser->currentColor(), Qt::EditRole);
}

} // namespace Ui
