#pragma once
// A label of bold text on black that sizes itself to its caption and reports
// clicks. The caption is shown as plain text, exactly as given.

#include <QLabel>

namespace mirewalk {

class Label : public QLabel {
    Q_OBJECT
public:
    Label(QWidget* parent, const char* name, const QString& caption, QPoint position, int pixelSize,
          QColor colour);

    // Sets the caption and resizes the label to fit it.
    void setCaption(const QString& caption);
    void setCaption(long long number) { setCaption(QString::number(number)); }

    // Makes key, pressed while the label's window is active, click the label,
    // but only while the label is shown; its accessible description names it.
    void setKey(Qt::Key key);
    // Names in the label's accessible description the key that does what it
    // does, when its window already takes that key (Escape for BACK).
    void describeKey(Qt::Key key);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace mirewalk
