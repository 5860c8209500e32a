#include "Core/Workspace/CommandInterpreter.h"

#include "Core/Operations/Operation.h"

#include <QDebug>

#include <boost/lexical_cast.hpp>

#include <sstream>

namespace Core {
namespace {

// Command words of earlier versions; typing one has no effect.
const char *const kReservedWords[] = {
    "rect",  "l",       "polygon", "undo", "redo",       "copy",    "move",     "del",   "sel",
    "color", "rotate",  "new",     "open", "save",       "close",   "render",   "light", "edge",
    "axis",  "extrude", "ext",     "cr",   "copyrotate", "setview", "set view", "+",
};

bool isReservedWord(const std::string &text)
{
    for (const char *word : kReservedWords) {
        if (text == word)
            return true;
    }
    return false;
}

// The whole text as a number of type T, stored at `destination` when there is one.
template <class T> bool parseNumber(const std::string &text, T *destination)
{
    try {
        const T value = boost::lexical_cast<T>(text);
        if (destination)
            *destination = value;
    } catch (const boost::bad_lexical_cast &) {
        return false;
    }
    return true;
}

// Three numbers separated by commas, with or without blanks.
bool parseCoordinates(const std::string &text, Util::Vector3D &destination)
{
    std::istringstream stream(text);
    stream.exceptions(std::ios::failbit | std::ios::badbit);
    try {
        stream >> destination.x;
        stream.ignore(100, ',');
        stream >> destination.y;
        stream.ignore(100, ',');
        stream >> destination.z;
    } catch (const std::ios::failure &) {
        return false;
    }
    return true;
}

} // namespace

void CommandInterpreter::postMessage(const std::string &text)
{
    lastMessage = text;
    if (text.empty())
        return;
    const auto observers = messageObservers;
    for (const auto &observer : observers)
        observer->notify();
}

void CommandInterpreter::addMessageObserver(std::shared_ptr<Util::IObserver> observer)
{
    messageObservers.push_back(std::move(observer));
}

void CommandInterpreter::requestEnter(Operations::Operation *operation, bool *flag)
{
    if (requester && requester != operation)
        requester->finish();
    requester = operation;
    waitingForEnter = true;
    enterFlag = flag;
}

void CommandInterpreter::takeRequest(Operations::Operation *operation, RequestKind newKind, bool *delivered)
{
    if (requester && requester != operation)
        requester->finish();
    deliveredFlag = delivered;
    if (deliveredFlag)
        *deliveredFlag = false;
    requester = operation;
    kind = newKind;
}

void CommandInterpreter::requestWholeNumber(Operations::Operation *operation, int32_t *destination,
                                            bool *delivered)
{
    takeRequest(operation, WholeNumber, delivered);
    integerDestination = destination;
}

void CommandInterpreter::requestFloatingValue(Operations::Operation *operation, double *destination,
                                              bool *delivered)
{
    takeRequest(operation, FloatingValue, delivered);
    floatDestination = destination;
}

void CommandInterpreter::requestCoordinates(Operations::Operation *operation, Util::Vector3D *destination,
                                            bool *delivered)
{
    takeRequest(operation, Coordinates, delivered);
    vectorDestination = destination;
}

void CommandInterpreter::requestText(Operations::Operation *operation, std::string *destination,
                                     bool *delivered)
{
    takeRequest(operation, Text, delivered);
    textDestination = destination;
}

void CommandInterpreter::reset()
{
    kind = Nothing;
    resetMarker = 2;
    requester = nullptr;
    textDestination = nullptr;
}

void CommandInterpreter::releaseRequester()
{
    requester = nullptr;
    kind = Nothing;
}

void CommandInterpreter::forget(const Operations::Operation *operation)
{
    if (requester != operation)
        return;
    reset();
    waitingForEnter = false;
    enterFlag = nullptr;
    deliveredFlag = nullptr;
    integerDestination = nullptr;
    floatDestination = nullptr;
    vectorDestination = nullptr;
}

void CommandInterpreter::interpret(const std::string &text)
{
    if (requester && !text.empty() && kind != Nothing) {
        Operations::Operation *operation = requester;
        if (deliver(text))
            executeRequester(operation);
        return;
    }
    if (requester && waitingForEnter) {
        Operations::Operation *operation = requester;
        if (enterFlag)
            *enterFlag = true;
        requester = nullptr;
        waitingForEnter = false;
        executeRequester(operation);
        return;
    }
    if (isReservedWord(text))
        qDebug() << "Core/Workspace/commandinterpreter: ignored command word" << text.c_str();
}

// Stores a typed value for the pending request. False, with the request kept and the kind's
// error message written, when the text does not parse.
bool CommandInterpreter::deliver(const std::string &text)
{
    switch (kind) {
    case WholeNumber:
        if (!parseNumber(text, integerDestination)) {
            postMessage(kInvalidInteger);
            return false;
        }
        break;
    case FloatingValue:
        if (!parseNumber(text, floatDestination)) {
            postMessage(kInvalidFloat);
            return false;
        }
        break;
    case Coordinates: {
        Util::Vector3D scratch;
        if (!parseCoordinates(text, vectorDestination ? *vectorDestination : scratch)) {
            postMessage(kInvalidCoordinates);
            return false;
        }
        break;
    }
    case Text:
        if (textDestination)
            *textDestination = text;
        break;
    default: break;
    }
    releaseRequester();
    // The request is answered: a pending wait for Enter belonged to it too.
    waitingForEnter = false;
    enterFlag = nullptr;
    if (deliveredFlag)
        *deliveredFlag = true;
    return true;
}

// Calls `execute` after the request state was cleared, so the operation may ask again. The
// operation is kept alive for the call even if it finishes and leaves the workspace.
void CommandInterpreter::executeRequester(Operations::Operation *operation)
{
    const std::shared_ptr<Operations::Operation> keepAlive = operation->weak_from_this().lock();
    operation->execute();
}

} // namespace Core
