// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Desktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QPushButton>

namespace {

struct ButtonText {
    QMessageBox::StandardButton button;
    QStringView text;
};

const ButtonText ButtonTexts[] = {
    {QMessageBox::Ok, u"OK"},
    {QMessageBox::Yes, u"Sim"},
    {QMessageBox::No, u"Não"},
};

} // namespace

void SystemDesktop::beep()
{
    QApplication::beep();
}

QMessageBox::StandardButton SystemDesktop::showMessage(QWidget* parent, const Message& message)
{
    // Over a window not shown yet (a failure as the program starts), a box of its own, in the
    // middle of the screen.
    const bool overWindow = parent && parent->window()->isVisible();
    QMessageBox box(message.icon, message.title, message.text, message.buttons,
                    overWindow ? parent : nullptr);
    for (const auto& [button, text] : ButtonTexts) {
        if (QAbstractButton* shown = box.button(button)) {
            shown->setText(text.toString());
            shown->setIcon(QIcon()); // the words alone, without the style's stock pictures
        }
    }
    return QMessageBox::StandardButton(box.exec());
}

bool SystemDesktop::openLink(const QUrl& link)
{
    return QDesktopServices::openUrl(link);
}
