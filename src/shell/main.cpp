#include "MainWindow.h"

#include <QApplication>
#include <QScreen>
#include <QStyleFactory>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillane Emoticon"));
    // One look on every desktop: the layout is drawn to the pixel.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    MainWindow window(QCoreApplication::applicationDirPath());
    window.adjustSize();
    window.move(window.screen()->availableGeometry().center() - window.rect().center());
    window.show();
    return application.exec();
}
