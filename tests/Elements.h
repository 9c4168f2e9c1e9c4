#pragma once
// Finding the game's screens and their elements by the object names the game
// gives them, as screen readers and the end-to-end tests do.

#include <QApplication>
#include <QWidget>
#include <stdexcept>
#include <string>

namespace mirewalk {

// The game's screen of that object name, in the game window, or none while
// it is not built.
inline QWidget* screenNamed(const char* name)
{
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* screen = top->findChild<QWidget*>(QLatin1String(name), Qt::FindDirectChildrenOnly))
            return screen;
    return nullptr;
}

// An element of a screen, by the object names of both; an exception names
// what is not there.
template <typename Element = QWidget>
Element* element(const char* window, const char* name)
{
    QWidget* top = screenNamed(window);
    Element* found = top ? top->findChild<Element*>(QLatin1String(name)) : nullptr;
    if (!found)
        throw std::runtime_error(std::string("no element ") + name + " in " + window);
    return found;
}

}  // namespace mirewalk
