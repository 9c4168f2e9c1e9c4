#pragma once
// A text box at a fixed place, which the game writes numbers into.

#include <QLineEdit>

namespace mirewalk {

class TextBox : public QLineEdit {
public:
    TextBox(QWidget* parent, const char* name, QRect geometry);
    void setNumber(long long number) { setText(QString::number(number)); }
};

}  // namespace mirewalk
