#include "AboutWindow.h"

#include "widgets/Label.h"
#include "widgets/Style.h"

namespace mirewalk {

AboutWindow::AboutWindow(Services& services, Navigator& navigator)
    : MenuWindow(services, navigator, "frmAbout", QStringLiteral("ABOUT"), {418, 335})
{
    // One line of the credits, at the left margin.
    const auto line = [this](const char* name, const char* text, int top, int pixelSize,
                             QColor colour) {
        new Label(this, name, QString::fromLatin1(text), {16, top}, pixelSize, colour);
    };

    line("Label1", "MIREWALK - BY KORVANDEL!!", 8, FontPx::Large, Colour::Red);
    line("Label2", "CRAPPY 2 MINUTE MSPAINT DRAWINGS -", 48, FontPx::Medium, Colour::Blue);
    line("Label3", "BY KORVANDEL!!", 72, FontPx::Medium, Colour::Red);
    line("Label4", "GREAT MONSTER IDEAS -", 112, FontPx::Medium, Colour::Green);
    line("Label5", "By Pellamund and Odrisk!!!", 136, FontPx::Medium, Colour::Red);
    line("Label6", "PLOT IDEA IN THE MAKING -", 176, FontPx::Medium, Colour::Yellow);
    line("Label7", "BY BRISKEL!!!!", 200, FontPx::Medium, Colour::Red);
    leaveBy(
        new Label(this, "lblBack", QStringLiteral("BACK"), {168, 272}, FontPx::Huge, Colour::Blue));
}

}  // namespace mirewalk
