#include "Style.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QHash>
#include <QWidget>

namespace mirewalk {

namespace {

// The faces the game asks for, best first: Liberation Sans has the widths of
// the face its layouts were made for; the others are close proportional faces.
const QStringList GameFaces{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                            QStringLiteral("DejaVu Sans")};

}  // namespace

void useGameFont()
{
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), GameFaces);
    QFont font = QApplication::font();
    font.setFamilies(GameFaces);
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);
}

QIcon gameIcon()
{
    QIcon icon;
    for (const int side : {16, 22, 24, 32, 48, 64})
        icon.addFile(QStringLiteral(":/icons/%1x%1/mirewalk.png").arg(side), QSize(side, side));
    return icon;
}

QFont labelFont(int pixelSize)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

void seeAs(const QMetaObject& type, QAccessible::Role role)
{
    // The roles of the classes, by class name, read by one factory.
    static QHash<QString, QAccessible::Role> roles;
    if (roles.isEmpty())
        QAccessible::installFactory([](const QString& name, QObject* object) -> QAccessibleInterface* {
            if (!roles.contains(name) || !object->isWidgetType())
                return nullptr;
            return new QAccessibleWidget(static_cast<QWidget*>(object), roles.value(name));
        });
    roles.insert(QLatin1String(type.className()), role);
}

void makeBlack(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::black);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void useDesktopColours(QWidget* widget)
{
    // Every colour set, so that none is taken from the black around it.
    QPalette desktop = QApplication::palette(widget);
    desktop.setResolveMask(~QPalette::ResolveMask(0));
    widget->setPalette(desktop);
}

void makeFixed(QWidget* window)
{
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                           | Qt::WindowCloseButtonHint);
}

}  // namespace mirewalk
