// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Command.h"

#include <QStringView>
#include <algorithm>

namespace {

struct CommandWords {
    Command command;
    QStringView caption;
    QStringView tooltip = {}; // where a button's differs from the menu entry's caption
};

// What a person reads for each command, in the menu and on the tool strip alike. Captions
// carry no access-key marker, so no letter is underlined.
const CommandWords Words[] = {
    {Command::ShowBrowsePanel, u"Emoticons"},
    {Command::ShowOwnListPanel, u"Configurar Sua Própria Lista"},
    {Command::ShowAOLPanel, u"AOL Instant Messenger"},
    {Command::ShowMSNPanel, u"MSN Messenger Service"},
    {Command::ShowYahooPanel, u"Yahoo! Messenger"},
    // The button is named after the menu that holds the entry.
    {Command::OpenHelp, u"Conteúdo", u"Ajuda"},
    {Command::OpenMakerSite, u"Quillane Home Page"},
    {Command::OpenFaq, u"Perguntas Mais Freqüentes"},
    {Command::OpenNews, u"Notícias"},
    {Command::OpenSuggestions, u"Sugestões"},
    {Command::OpenSupport, u"Suporte"},
    {Command::ToggleAlwaysOnTop, u"Sempre Visível"},
    {Command::ShowAbout, u"Sobre Quillane Emoticon..."},
    {Command::Exit, u"Sair"},
};

const CommandWords& wordsFor(Command command)
{
    const auto* words = std::ranges::find(Words, command, &CommandWords::command);
    Q_ASSERT(words != std::end(Words));
    return *words;
}

} // namespace

QString menuCaption(Command command)
{
    return wordsFor(command).caption.toString();
}

QString buttonTooltip(Command command)
{
    const CommandWords& words = wordsFor(command);
    return (words.tooltip.isEmpty() ? words.caption : words.tooltip).toString();
}
