#pragma once
// A picture view: shows its canvas at its top-left corner, each pixel a
// block as large as the zoom. When it has the focus it reports the keys
// pressed, by Qt's key codes.

#include <QWidget>

#include "pictures/Canvas.h"

namespace mirewalk {

class PictureView : public QWidget {
    Q_OBJECT
public:
    PictureView(QWidget* parent, const char* name, QRect geometry, bool takesKeys = false);

    Canvas& canvas() { return canvas_; }
    const Canvas& canvas() const { return canvas_; }
    // Puts the canvas's image on the screen: the whole of it, or the area
    // that changed, in the canvas's pixels.
    void refresh() { update(); }
    void refresh(const QRegion& area);

signals:
    void keyPressed(int key);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // How many screen pixels a canvas pixel spans, across and down.
    int zoom() const;

    Canvas canvas_;
};

}  // namespace mirewalk
