#pragma once

#include "Model/Process/Process.h"

#include <QMutex>

#include <map>
#include <memory>
#include <vector>

namespace Model::Process {

// Process ids read by engines and dialogs.
namespace ProcessIds {
constexpr uint32_t kCvd = 3;
constexpr uint32_t kPvd = 4;
constexpr uint32_t kIsotropicEtching = 10;
constexpr uint32_t kSimpleSiOxidation = 12;
constexpr uint32_t kSimpleDoping = 13;
constexpr uint32_t kIonImplantation = 15;
constexpr uint32_t kAnisotropicDeposition = 16;
constexpr uint32_t kAnisotropicEtching = 17;
constexpr uint32_t kIsotropicDeposition = 18;
} // namespace ProcessIds

// The process-wide catalogue of process kinds and their compatible materials, kept in
// processes.xml in the settings folder. Every operation takes the catalogue's lock.
class ProcessFactory {
public:
    static std::shared_ptr<ProcessFactory> instance();

    // Start-up rule: load processes.xml and add the built-in processes it lacks, or install the
    // built-in table when it cannot be read; then save the file.
    void initialize();

    // Replaces the table by the file's processes; false, with the table unchanged, when the file
    // is missing, unreadable or malformed.
    bool loadProcesses();
    void saveProcesses();
    void createDefaultProcesses();
    void addMissingDefaultProcesses();
    // A copy; the empty process (id 0) for an unknown id.
    Process getProcess(uint32_t id);
    // Copies in ascending id order.
    std::vector<Process> getProcesses();
    // Stores the process under its id, replacing any; refused (false) for id 0.
    bool setProcess(const Process &process);

private:
    ProcessFactory() = default;

    QMutex mutex;
    std::map<uint32_t, Process> processes;
};

} // namespace Model::Process
