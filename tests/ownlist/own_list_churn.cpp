// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

// The own-list editor adding and removing entries in a loop, as fast as it can, until it is
// killed: the subject of tst_own_list_kill. It clicks the editor's own pictures, so each change
// goes the way a person's does, and it tells its pipe, unbuffered, what it is about to do and
// when that is done:
//   ready                    the list is read; the loop starts
//   add NAME<TAB>REPR        about to click "adicionar" with these texts in the boxes
//   remove ROW               about to click "remover" with entry ROW selected
//   done                     the click has returned
// Any message box means a failure: it is told on the pipe ("Erro: ...") and the loop stops.
//
// Arguments: the data folder, and the seed of the choices.

#include "CatalogueStore.h"
#include "ConfirmationTimer.h"
#include "Desktop.h"
#include "EmoticonList.h"
#include "OwnListPanel.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTest>
#include <cstdlib>
#include <unistd.h>

namespace {

void tell(const QString& line)
{
    const QByteArray bytes = line.toUtf8() + '\n';
    if (::write(STDOUT_FILENO, bytes.constData(), size_t(bytes.size())) != bytes.size())
        std::exit(2);
}

// Nothing in the loop should ever ask or refuse anything.
class FailingDesktop final : public Desktop {
public:
    void beep() override {}
    QMessageBox::StandardButton showMessage(QWidget*, const Message& message) override
    {
        tell(message.title + QStringLiteral(": ") + QString(message.text).replace(u'\n', u' '));
        std::exit(3);
    }
    bool openLink(const QUrl&) override { return false; }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 3)
        return 2;
    CatalogueStore store(QString::fromLocal8Bit(argv[1]));
    QRandomGenerator choices(QByteArray(argv[2]).toUInt());
    FailingDesktop desktop;
    QWidget host;
    auto* timer = new ConfirmationTimer(&host);
    auto* panel = new OwnListPanel(store, desktop, *timer, &host);
    panel->resize(465, 321);
    host.show();
    panel->prepare();
    panel->refreshOwnList();
    auto* ownList = host.findChild<EmoticonList*>(QStringLiteral("lstOwnListCustom"));
    auto* name = host.findChild<QLineEdit*>(QStringLiteral("txtOwnListEmoticonName"));
    auto* representation = host.findChild<QLineEdit*>(QStringLiteral("txtOwnListRepresentation"));
    auto* add = host.findChild<QLabel*>(QStringLiteral("imgOwnListAdd"));
    auto* remove = host.findChild<QLabel*>(QStringLiteral("imgOwnListRemove"));
    tell(QStringLiteral("ready"));

    // Between 2 and 12 entries, so that both changes keep coming.
    for (quint32 added = 0;; ++added) {
        const int count = ownList->count();
        if (count < 2 || (count <= 12 && choices.bounded(2) == 0)) {
            name->setText(QStringLiteral("Emoticon %1").arg(added));
            representation->setText(QStringLiteral(":-%1").arg(added % 1000));
            tell(QStringLiteral("add %1\t%2").arg(name->text(), representation->text()));
            QTest::mouseClick(add, Qt::LeftButton);
        } else {
            const int row = int(choices.bounded(quint32(count)));
            ownList->selectRow(row);
            tell(QStringLiteral("remove %1").arg(row));
            QTest::mouseClick(remove, Qt::LeftButton);
        }
        tell(QStringLiteral("done"));
    }
}
