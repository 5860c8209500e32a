#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstdint>

namespace Ui {

// One step of a process list: a process type and its named, typed parameters, each marked
// visible (shown in the batch dialog's list) or hidden. Widget-free, shared by the batch
// dialog, the process-list files and the headless batch command.
class ProcessData {
public:
    // Entries whose file element was not a process entry.
    static constexpr uint32_t kNotAProcess = 10000;

    explicit ProcessData(uint32_t processType = kNotAProcess);

    // Taken from a process-wide counter at construction.
    uint32_t getEntryId() const { return entryId; }
    uint32_t getProcessType() const { return processType; }

    void setProcessParameter(const QString &name, const QVariant &value, bool visible);
    // Sets the value only; a new parameter starts hidden.
    void setProcessParameter(const QString &name, const QVariant &value);
    // An invalid value, with a debug-log line, when the entry has no such parameter.
    QVariant getProcessParameter(const QString &name) const;
    // False, with a debug-log line, when the entry has no such parameter.
    bool getParameterVisibility(const QString &name) const;
    bool hasProcessParameter(const QString &name) const { return parameters.contains(name); }
    QStringList getParameterNames() const { return parameters.keys(); }
    // Every value by name, e.g. to fill an options dialog.
    const QVariantMap &getParameters() const { return parameters; }

    bool isExpanded() const { return expanded; }
    void setExpanded(bool value) { expanded = value; }

    // Same type, parameters (values and their types) and visibilities (the entry id and the
    // expanded flag aside).
    bool hasSameContents(const ProcessData &other) const;

private:
    uint32_t entryId;
    uint32_t processType;
    QVariantMap parameters;
    QMap<QString, bool> visibility;
    bool expanded = false;
};

} // namespace Ui
