#pragma once

#include <QObject>
#include <QSignalMapper>

class QAction;

namespace Ui {

// Gives each action a number or text and emits it when the action is triggered.
class OperationMapper : public QObject {
    Q_OBJECT
public:
    explicit OperationMapper(QObject *parent = nullptr);

    void map(QAction *action, uint32_t number);
    void map(QAction *action, const QString &text);

signals:
    void activated(const QString &operationId);

private:
    QSignalMapper signalMapper;
};

} // namespace Ui
