#pragma once
// A list box of bold text rows that the player can select. A row's text
// takes the list's whole width and is cut off at its right edge; the list
// scrolls up and down one row at a time. All rows are as high and as wide as
// the first. A dotted frame shows when the list has the keyboard focus.

#include <QListWidget>

namespace mirewalk {

class ListBox : public QListWidget {
public:
    ListBox(QWidget* parent, const char* name, QRect geometry, int pixelSize);
    // The text of the selected row, or empty text when no row is selected.
    QString selectedText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace mirewalk
