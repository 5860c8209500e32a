#pragma once

#include <vector>

namespace Ui {

// How one action of the main window looks: object name, text, shortcut, check state and tips.
struct ActionDescription {
    const char *objectName;
    const char *text;
    const char *shortcut = nullptr;
    bool checkable = false;
    bool checked = false;
    const char *toolTip = nullptr;
    const char *statusTip = nullptr;
};

// One menu: its object name, title and the object names of its actions in order; nullptr
// stands for a separator.
struct MenuDescription {
    const char *objectName;
    const char *title;
    std::vector<const char *> actions;
};

// Every action in creation order.
const std::vector<ActionDescription> &mainWindowActions();
// The menu bar, in order.
const std::vector<MenuDescription> &mainWindowMenus();

} // namespace Ui
