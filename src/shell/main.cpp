#include "Desktop.h"
#include "MainWindow.h"

#include <QApplication>
#include <QScreen>
#include <QStyleFactory>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(ApplicationTitle.toString());
    // One look on every desktop: the layout is drawn to the pixel.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    SystemDesktop desktop;
    MainWindow window(QCoreApplication::applicationDirPath(), desktop);
    window.adjustSize();
    window.move(window.screen()->availableGeometry().center() - window.rect().center());
    window.show();
    return application.exec();
}
