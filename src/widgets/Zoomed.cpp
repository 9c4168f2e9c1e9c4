#include "Zoomed.h"

#include <QApplication>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QWidget>

#include "widgets/Style.h"

namespace mirewalk {

namespace {

// The names of what an element keeps of the game's.
constexpr const char* GameGeometry = "mirewalkGeometry";
constexpr const char* GameSize = "mirewalkSize";
constexpr const char* GameHeight = "mirewalkHeight";
constexpr const char* GameFontSize = "mirewalkFontSize";

// A style whose every metric, a length in pixels, is the base style's times the zoom.
class ZoomedStyle : public QProxyStyle {
public:
    ZoomedStyle(QStyle* base, int zoom) : QProxyStyle(base), zoom_(zoom) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        return QProxyStyle::pixelMetric(metric, option, widget) * zoom_;
    }

private:
    int zoom_;
};

// Shows one element at zoom.
void zoomElement(QWidget* widget, int zoom)
{
    const QVariant fontSize = widget->property(GameFontSize);
    if (fontSize.isValid())
        widget->setFont(labelFont(fontSize.toInt() * zoom));
    const QVariant size = widget->property(GameSize);
    if (size.isValid())
        widget->setFixedSize(size.toSize() * zoom);
    const QVariant height = widget->property(GameHeight);
    if (height.isValid())
        widget->setFixedHeight(height.toInt() * zoom);
    const QVariant geometry = widget->property(GameGeometry);
    if (!geometry.isValid())
        return;
    const QRect game = geometry.toRect();
    if (game.size().isEmpty()) {
        widget->move(game.topLeft() * zoom);
        widget->adjustSize();
    } else {
        widget->setGeometry({game.topLeft() * zoom, game.size() * zoom});
    }
}

// Keeps what a widget has of the game's, and shows it as the game gives it.
void keep(QWidget* widget, const char* what, const QVariant& value)
{
    widget->setProperty(what, value);
    zoomElement(widget, 1);
}

}  // namespace

void placeAt(QWidget* widget, QRect geometry) { keep(widget, GameGeometry, geometry); }

void fixSize(QWidget* widget, QSize size) { keep(widget, GameSize, size); }

void fixHeight(QWidget* widget, int height) { keep(widget, GameHeight, height); }

void useLabelFont(QWidget* widget, int pixelSize) { keep(widget, GameFontSize, pixelSize); }

void zoomElements(QWidget* root, int zoom)
{
    zoomElement(root, zoom);
    for (QWidget* widget : root->findChildren<QWidget*>())
        zoomElement(widget, zoom);
}

void zoomLook(int zoom)
{
    // The look the application started with, kept the first time the zoom changes.
    static const QString baseStyle = QApplication::style()->name();
    static const QFont baseFont = QApplication::font();
    static int shown = 1;
    if (zoom == shown)
        return;
    shown = zoom;
    QFont font = baseFont;
    if (baseFont.pixelSize() > 0)
        font.setPixelSize(baseFont.pixelSize() * zoom);
    else
        font.setPointSizeF(baseFont.pointSizeF() * zoom);
    QApplication::setStyle(new ZoomedStyle(QStyleFactory::create(baseStyle), zoom));
    QApplication::setFont(font);
}

}  // namespace mirewalk
