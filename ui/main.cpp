// tavrel: shows Form1 and ends when it closes.
#include <QApplication>

#include "form1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Lets the desktop match the window to tavrel.desktop and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(u"tavrel"));
    tavrel::ui::Form1 form;
    form.show();
    return app.exec();
}
