#include "UI/OperationMapper.h"

#include <QAction>

namespace Ui {

OperationMapper::OperationMapper(QObject *parent) : QObject(parent)
{
    connect(&signalMapper, &QSignalMapper::mappedString, this, &OperationMapper::activated);
}

void OperationMapper::map(QAction *action, uint32_t number)
{
    map(action, QString::number(number));
}

void OperationMapper::map(QAction *action, const QString &text)
{
    connect(action, &QAction::triggered, &signalMapper, qOverload<>(&QSignalMapper::map));
    signalMapper.setMapping(action, text);
}

} // namespace Ui
