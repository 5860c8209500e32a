#pragma once

#include "Util/IObserver.h"
#include "Util/Vector3D.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace Core::Operations {
class Operation;
}

namespace Core {

// The one object through which operations write to the console and ask for typed input.
// A line typed in the console reaches `interpret`, which delivers it to the waiting operation.
class CommandInterpreter {
public:
    enum RequestKind : int {
        WholeNumber = 0,
        FloatingValue = 1,
        Coordinates = 2,
        Text = 3,
        BareEnter = 4,
        Nothing = 5,
    };

    static constexpr const char *kInvalidInteger = "Invalid entry. Please enter an intenger";
    static constexpr const char *kInvalidFloat = "Invalid entry. Please enter a floating point value";
    static constexpr const char *kInvalidCoordinates = "Invalid entry. Enter the x, y, z coordinates.";

    // Stores the text as the last message; a non-empty text is shown by every message observer.
    void postMessage(const std::string &text);
    const std::string &getLastMessage() const { return lastMessage; }
    void addMessageObserver(std::shared_ptr<Util::IObserver> observer);

    void requestEnter(Operations::Operation *operation, bool *enterFlag = nullptr);
    void requestWholeNumber(Operations::Operation *operation, int32_t *destination, bool *delivered);
    void requestFloatingValue(Operations::Operation *operation, double *destination, bool *delivered);
    void requestCoordinates(Operations::Operation *operation, Util::Vector3D *destination, bool *delivered);
    void requestText(Operations::Operation *operation, std::string *destination, bool *delivered = nullptr);

    void reset();
    void releaseRequester();
    // Drops every reference to an operation that is leaving the workspace.
    void forget(const Operations::Operation *operation);

    // Hands one typed line (possibly empty) to the waiting operation.
    void interpret(const std::string &text);

    Operations::Operation *getRequester() const { return requester; }
    RequestKind getRequestKind() const { return kind; }
    bool isWaitingForEnter() const { return waitingForEnter; }

private:
    void takeRequest(Operations::Operation *operation, RequestKind newKind, bool *delivered);
    bool deliver(const std::string &text);
    void executeRequester(Operations::Operation *operation);

    Operations::Operation *requester = nullptr;
    std::string *textDestination = nullptr;
    double *floatDestination = nullptr;
    int32_t *integerDestination = nullptr;
    Util::Vector3D *vectorDestination = nullptr;
    RequestKind kind = Nothing;
    int resetMarker = 0; // set to 2 on every reset
    bool *deliveredFlag = nullptr;
    bool waitingForEnter = false;
    bool *enterFlag = nullptr;
    std::string lastMessage;
    std::vector<std::shared_ptr<Util::IObserver>> messageObservers;
};

} // namespace Core
