#pragma once
// Finding the game's screens and their elements by the object names the game
// gives them, as screen readers and the end-to-end tests do.

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QWidget>
#include <stdexcept>
#include <string>
#include <vector>

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

// What is wrong with the layout of a screen's named elements as shown: one
// that leaves the screen, two that overlap, a label narrower than its caption.
// Empty when nothing is.
inline std::string layoutFaults(const QWidget* screen)
{
    std::string faults;
    std::vector<std::pair<std::string, QRect>> placed;
    for (const QWidget* element : screen->findChildren<QWidget*>()) {
        const std::string name = element->objectName().toStdString();
        if (name.empty() || name.rfind("qt_", 0) == 0 || !element->isVisibleTo(screen))
            continue;
        const QRect area(element->mapTo(screen, QPoint()), element->size());
        if (!screen->rect().contains(area))
            faults += name + " leaves the screen; ";
        for (const auto& [other, room] : placed)
            if (room.intersects(area))
                faults += name + " overlaps " + other + "; ";
        if (const auto* label = qobject_cast<const QLabel*>(element);
            label && label->width() < QFontMetrics(label->font()).horizontalAdvance(label->text()))
            faults += name + " cuts its caption; ";
        placed.emplace_back(name, area);
    }
    return faults;
}

}  // namespace mirewalk
