#pragma once
// The timers registered with the event dispatcher across every object of the
// application: its windows and widgets with all their children, and the
// application object itself. A game at rest should have none running.

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QSet>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <string>
#include <vector>

// Every object of the application.
inline QSet<QObject*> allObjects()
{
    QSet<QObject*> objects{QCoreApplication::instance()};
    const auto addTree = [&objects](QObject* root) {
        objects.insert(root);
        for (QObject* child : root->findChildren<QObject*>())
            objects.insert(child);
    };
    addTree(QCoreApplication::instance());
    for (QWidget* widget : QApplication::allWidgets())
        addTree(widget);
    for (QWindow* window : QGuiApplication::allWindows())
        addTree(window);
    return objects;
}

// Each running timer as "Class objectName every N ms".
inline std::vector<std::string> runningTimers()
{
    std::vector<std::string> timers;
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    for (QObject* object : allObjects()) {
        for (const auto& timer : dispatcher->registeredTimers(object)) {
            timers.push_back(std::string(object->metaObject()->className()) + ' '
                             + object->objectName().toStdString() + " every "
                             + std::to_string(timer.interval) + " ms");
        }
    }
    return timers;
}

// Lets the event loop finish what it has to do, then lets each timer still
// registered fire once: the toolkit's one-shot timers (a list's delayed
// scroll after a click, the menu bar's after a menu) end then, so whatever is
// still registered afterwards keeps running.
inline void settleUntilIdle()
{
    for (int pass = 0; pass < 3; ++pass)
        QCoreApplication::processEvents();
    int longest = -1;
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    for (QObject* object : allObjects())
        for (const auto& timer : dispatcher->registeredTimers(object))
            longest = std::max(longest, timer.interval);
    if (longest >= 0)
        QTest::qWait(longest + 50);
}
