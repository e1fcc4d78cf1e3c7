// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Desktop.h"
#include "DisplayPlatform.h"
#include "FixedWindowStyle.h"
#include "KeptClipboard.h"
#include "MainWindow.h"
#include "QtTranslations.h"
#include "ShutDown.h"
#include "SingleInstance.h"
#include "UserFilesFolder.h"

#include <QApplication>
#include <QScreen>

namespace {

// The name of the installed desktop entry, without ".desktop"; the desktop matches the
// window to its entry and icon by it.
constexpr auto DesktopFileName = "example.quillane.Emoticon";

// What a second start asks of the running program: its window, in front and active.
void bringForward(QWidget& window, const QByteArray& activationToken)
{
    // On Wayland the compositor lets a window take the focus only with the token that the
    // desktop gave the start the user made; Qt reads it from the environment.
    if (!activationToken.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", activationToken);
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace

int main(int argc, char* argv[])
{
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QByteArray platform = DisplayPlatform::forSession(environment);
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
    if (!DisplayPlatform::hasDisplay(environment, DisplayPlatform::tried(argc, argv))) {
        qCritical("Quillane Emoticon: não há tela onde abrir a janela (nenhum servidor X ou "
                  "compositor Wayland responde).");
        return 1;
    }
    QApplication application(argc, argv);
    // The programs the links start choose their own platform.
    if (!platform.isEmpty())
        qunsetenv("QT_QPA_PLATFORM");
    // Names the user's data folder (~/.local/share/quillane-emoticon); the window's title is
    // the program's own.
    QApplication::setApplicationName(QStringLiteral("quillane-emoticon"));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(DesktopFileName));
    QApplication::setStyle(new FixedWindowStyle);
    QtTranslations::installBrazilianPortuguese(application);

    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString userFilesFolder = UserFilesFolder::forProgramFolder(programFolder);
    SingleInstance instance(userFilesFolder);
    switch (instance.claim(qgetenv("XDG_ACTIVATION_TOKEN"))) {
    case SingleInstance::Start::Run:
        break;
    case SingleInstance::Start::HandedOver:
        return 0;
    case SingleInstance::Start::Unanswered:
        // Better no window than a second program writing the same files.
        qCritical("Quillane Emoticon já está aberto, mas não responde.");
        return 1;
    }
    // While this process alone may write the user's files.
    UserFilesFolder::moveLeftBehind(programFolder, userFilesFolder);

    SystemDesktop desktop;
    MainWindow window(programFolder, userFilesFolder, desktop);
    QObject::connect(&instance, &SingleInstance::activationRequested, &window,
                     [&window](const QByteArray& token) { bringForward(window, token); });
    const ShutDown shutDown(window);
    QObject::connect(&shutDown, &ShutDown::begun, &instance, &SingleInstance::stopAnswering);
    window.adjustSize();
    window.move(window.screen()->availableGeometry().center() - window.rect().center());
    window.show();
    const int status = application.exec();
    KeptClipboard::handOver(programFolder);
    return status;
}
