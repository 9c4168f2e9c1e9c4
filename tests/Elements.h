#pragma once
// Finding the game's windows and their elements by the object names the game
// gives them, as screen readers and the end-to-end tests do.

#include <QApplication>
#include <QWidget>
#include <stdexcept>
#include <string>

namespace mirewalk {

// The game's top-level window of that object name, or none while it is not built.
inline QWidget* windowNamed(const char* name)
{
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QLatin1String(name))
            return top;
    return nullptr;
}

// An element of a window, by the object names of both; an exception names
// what is not there.
template <typename Element = QWidget>
Element* element(const char* window, const char* name)
{
    QWidget* top = windowNamed(window);
    Element* found = top ? top->findChild<Element*>(QLatin1String(name)) : nullptr;
    if (!found)
        throw std::runtime_error(std::string("no element ") + name + " in " + window);
    return found;
}

}  // namespace mirewalk
