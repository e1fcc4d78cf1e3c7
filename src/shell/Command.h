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
