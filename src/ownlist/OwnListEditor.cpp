// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OwnListEditor.h"

#include "CatalogueStore.h"
#include "ConfirmationTimer.h"
#include "DataFileNames.h"
#include "Desktop.h"
#include "EmoticonList.h"
#include "EntryBoxes.h"
#include "RecordList.h"
#include "Windows1252.h"

#include <QLabel>

namespace {

const QStringView AddRefusal =
    u"Selecione antes na lista um emoticon ou digite nos campos o seu próprio.";
const QStringView RemoveRefusal = u"Você não selecionou nenhum emoticon para ser removido.";
const QStringView EmptyListRefusal = u"Sua lista já está vazia.";
const QStringView ClearQuestion = u"Você quer realmente excluir todos os itens de sua lista?";

// The first character of what a field stores that the file's code page cannot hold, whole
// (a character outside the basic plane is two UTF-16 units).
std::optional<QString> firstUnstorable(QStringView text, int fieldWidth)
{
    const QStringView stored = text.left(fieldWidth);
    const std::optional<QChar> unit = Windows1252::firstUnencodable(stored);
    if (!unit)
        return std::nullopt;
    const qsizetype at = stored.indexOf(*unit);
    const bool pair =
        unit->isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate();
    return text.sliced(at, pair ? 2 : 1).toString();
}

QString unstorableMessage(const QString& character)
{
    const QString codePoint =
        QString::number(character.toUcs4().value(0), 16).toUpper().rightJustified(4, u'0');
    return QStringLiteral("O caractere \"%1\" (U+%2) não pode ser gravado na lista própria.")
        .arg(character, codePoint);
}

} // namespace

OwnListEditor::OwnListEditor(const CatalogueStore& store, Desktop& desktop,
                             ConfirmationTimer& timer, EntryBoxes& boxes, RecordList& catalogue,
                             RecordList& ownList, const Controls& controls, QWidget* panel)
    : QObject(panel)
    , m_store(store)
    , m_desktop(desktop)
    , m_timer(timer)
    , m_boxes(boxes)
    , m_catalogue(catalogue)
    , m_ownList(ownList)
    , m_controls(controls)
    , m_panel(panel)
    , m_file(store)
{
    m_timer.addConfirmation(m_controls.legendIcon);
    m_timer.addConfirmation(m_controls.legend);
}

void OwnListEditor::refreshOwnList()
{
    m_ownList.fill({Category::Layout::OwnList, m_store.pathOf(DataFileNames::OwnList)},
                   ListEntries::Names::Trimmed);
}

void OwnListEditor::imgOwnListAdd_Click()
{
    const EmoticonTexts typed = m_boxes.texts();
    if (typed.name.isEmpty() || typed.representation.isEmpty())
        return refuse(AddRefusal.toString());
    for (const auto& [text, width] :
         {std::pair{typed.name, EmoticonRecord::NameWidth},
          std::pair{typed.representation, EmoticonRecord::RepresentationWidth}}) {
        if (const auto character = firstUnstorable(text, width))
            return refuse(unstorableMessage(*character));
    }
    // The boxes show the catalogue's selected entry again, ready for another addition.
    if (append(typed))
        m_catalogue.rereadSelection();
}

bool OwnListEditor::append(const EmoticonTexts& typed)
{
    if (const auto failure =
            m_file.append(EmoticonRecord::fromTexts(typed.name, typed.representation))) {
        report(*failure);
        return false;
    }
    m_boxes.clear();
    showStatus(u"ADICIONADO");
    refreshOwnList();
    return true;
}

void OwnListEditor::imgOwnListRemove_Click()
{
    m_boxes.clear();
    const int row = m_ownList.list()->selectedRow();
    if (row < 0 || m_ownList.list()->entry(row).isEmpty())
        return refuse(RemoveRefusal.toString());
    removeSelectedEntry();
}

void OwnListEditor::removeSelectedEntry()
{
    EmoticonList* ownList = m_ownList.list();
    const int removed = ownList->selectedRow();
    // What the boxes end with when no entry follows the removed one.
    const EmoticonTexts removedTexts = m_ownList.selectedTexts().value_or(EmoticonTexts());
    if (const auto failure = m_file.remove(removed))
        return report(*failure);

    ownList->removeEntry(removed);
    // The selection ends on the last entry, shown in the boxes; when that was the removed
    // one, nothing stays selected and the boxes keep showing it.
    if (removed < ownList->count())
        ownList->selectRow(ownList->count() - 1);
    else
        m_boxes.show(removedTexts);
    showStatus(u"REMOVIDO");
}

void OwnListEditor::imgOwnListClear_Click()
{
    m_boxes.clear();
    if (m_ownList.list()->count() == 0)
        return refuse(EmptyListRefusal.toString());
    m_ownList.list()->clear();
    const QMessageBox::StandardButton answer = m_desktop.showMessage(
        m_panel, {ApplicationTitle.toString(), ClearQuestion.toString(), QMessageBox::Information,
                  QMessageBox::Yes | QMessageBox::No});
    if (answer == QMessageBox::Yes)
        deleteOwnList();
    else
        m_boxes.clear();
    refreshOwnList();
}

void OwnListEditor::deleteOwnList()
{
    if (const auto failure = m_file.clear())
        return report(*failure);
    showStatus(u"LIMPADO");
}

void OwnListEditor::showStatus(QStringView word)
{
    m_controls.legend->setText(word.toString());
    m_timer.confirm({m_controls.legendIcon, m_controls.legend});
}

void OwnListEditor::refuse(const QString& text)
{
    m_desktop.showError(m_panel, text);
}

void OwnListEditor::report(const FileFailure& failure)
{
    if (failure.leftAsItWas)
        return refuse(failure.message() + QStringLiteral("\nA lista própria não foi alterada."));
    // The list shows what the file holds.
    refreshOwnList();
    refuse(failure.message() + QStringLiteral("\nA lista própria pode ter sido alterada."));
}
