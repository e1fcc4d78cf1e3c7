// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// What the window's menu entries and toolbar buttons ask for.
enum class Command {
    ShowBrowsePanel,
    ShowOwnListPanel,
    ShowAOLPanel,
    ShowMSNPanel,
    ShowYahooPanel,
    OpenHelp,
    OpenMakerSite,
    OpenFaq,
    OpenNews,
    OpenSuggestions,
    OpenSupport,
    ToggleAlwaysOnTop,
    ShowAbout,
    Exit,
};

// The caption of the menu entry that gives command.
QString menuCaption(Command command);
// The tooltip of a toolbar button that gives command.
QString buttonTooltip(Command command);
