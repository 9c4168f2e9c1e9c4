#include "TextBox.h"

#include "widgets/Zoomed.h"

namespace mirewalk {

TextBox::TextBox(QWidget* parent, const char* name, QRect geometry) : QLineEdit(parent)
{
    setObjectName(QString::fromLatin1(name));
    setAccessibleName(QString::fromLatin1(name));
    placeAt(this, geometry);
}

}  // namespace mirewalk
