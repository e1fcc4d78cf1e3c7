// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

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
