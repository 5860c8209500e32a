#pragma once

namespace Util {

// Operations reach the user interface only through observers the interface attached to them.
class IObserver {
public:
    virtual ~IObserver() = default;
    virtual void notify() = 0;
};

} // namespace Util
