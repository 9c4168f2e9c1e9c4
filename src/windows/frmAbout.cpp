#include "frmAbout.h"

#include "widgets/Style.h"

namespace mirewalk {

frmAbout::frmAbout(Dialogs& dialogs, Navigator& navigator)
    : CharacterWindow(dialogs, navigator, "frmAbout", QStringLiteral("ABOUT"), {418, 335})
{
    // One line of the credits, at the left margin.
    const auto line = [this](const char* name, const char* text, int top, int pixelSize,
                             QColor colour) {
        return new Label(this, name, QString::fromLatin1(text), {16, top}, pixelSize, colour);
    };

    Label1 = line("Label1", "MIREWALK - BY KORVANDEL!!", 8, FontPx::Large, Colour::Red);
    Label2 = line("Label2", "CRAPPY 2 MINUTE MSPAINT DRAWINGS -", 48, FontPx::Medium, Colour::Blue);
    Label3 = line("Label3", "BY KORVANDEL!!", 72, FontPx::Medium, Colour::Red);
    Label4 = line("Label4", "GREAT MONSTER IDEAS -", 112, FontPx::Medium, Colour::Green);
    Label5 = line("Label5", "By Pellamund and Odrisk!!!", 136, FontPx::Medium, Colour::Red);
    Label6 = line("Label6", "PLOT IDEA IN THE MAKING -", 176, FontPx::Medium, Colour::Yellow);
    Label7 = line("Label7", "BY BRISKEL!!!!", 200, FontPx::Medium, Colour::Red);
    lblBack = new Label(this, "lblBack", QStringLiteral("BACK"), {168, 272}, FontPx::Huge,
                        Colour::Blue);
    leaveBy(lblBack);
}

}  // namespace mirewalk
