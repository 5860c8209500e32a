#include "Model/Persistence/ProcessData.h"

#include "Util/Vector3D.h"

#include <QDebug>

#include <atomic>

namespace Ui {
namespace {

std::atomic<uint32_t> entryCounter{0};

// QVariant compares custom types by their registered comparator.
void registerComparators()
{
    static const bool registered = QMetaType::registerEqualsComparator<Util::Vector3D>();
    (void)registered;
}

} // namespace

ProcessData::ProcessData(uint32_t processType) : entryId(entryCounter.fetch_add(1)), processType(processType)
{
    registerComparators();
}

void ProcessData::setProcessParameter(const QString &name, const QVariant &value, bool visible)
{
    parameters.insert(name, value);
    visibility.insert(name, visible);
}

void ProcessData::setProcessParameter(const QString &name, const QVariant &value)
{
    parameters.insert(name, value);
    if (!visibility.contains(name))
        visibility.insert(name, false);
}

QVariant ProcessData::getProcessParameter(const QString &name) const
{
    const auto found = parameters.constFind(name);
    if (found == parameters.constEnd()) {
        qDebug() << "UI/BatchRun/processdata" << Q_FUNC_INFO << "no parameter named" << name;
        return QVariant();
    }
    return found.value();
}

bool ProcessData::getParameterVisibility(const QString &name) const
{
    const auto found = visibility.constFind(name);
    if (found == visibility.constEnd()) {
        qDebug() << "UI/BatchRun/processdata" << Q_FUNC_INFO << "no parameter named" << name;
        return false;
    }
    return found.value();
}

// QVariant's == converts between types ("4" equals 4), so the types are compared as well.
bool ProcessData::hasSameContents(const ProcessData &other) const
{
    if (processType != other.processType || parameters != other.parameters || visibility != other.visibility)
        return false;
    for (auto it = parameters.constBegin(); it != parameters.constEnd(); ++it) {
        if (it.value().userType() != other.parameters.value(it.key()).userType())
            return false;
    }
    return true;
}

} // namespace Ui
