// rezar-config: the window.

#include "App.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("rezar-config");
    QApplication::setWindowIcon(AppIcon());
    g_theApp.InitInstance();
    return 0;
}
