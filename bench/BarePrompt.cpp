// The bare Qt program the game's cold start is measured against: it asks
// for a name, as the game's first window does, and nothing else.

#include <QApplication>
#include <QInputDialog>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QInputDialog::getText(nullptr, QStringLiteral("Mirewalk"), QStringLiteral("What is your name?"));
    return 0;
}
