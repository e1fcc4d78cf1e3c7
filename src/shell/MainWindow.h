#pragma once

// Quillane Emoticon: a catalogue of text emoticons to copy into chat windows.
//
// The catalogue lives in fixed-record files beside the program (CatalogueStore reads them;
// nothing is cached). The main window holds a tool strip and five panels on one rectangle,
// one visible at a time:
//   browse (GeneralPanel)  - CategorySelector fills its list from the chosen category file;
//                            selecting an entry reads its record again by the entry's index;
//   own list (OwnListPanel) - the user's favourites, kept in custom.bra;
//   AOL, MSN, Yahoo (MessengerPanel) - the messengers' fixed codes; a click copies one.
// Menu entries and the first two toolbars switch panels (VisibleFalse, then show one); the
// toolbars also rebuild the own list from its file.

#include "CatalogueStore.h"
#include "MainMenu.h"

#include <QMainWindow>
#include <array>
#include <map>

class ConfirmationTimer;
class Desktop;
class GeneralPanel;
class MessengerPanel;
class OwnListPanel;
class QFrame;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    enum class Panel { General, Config, AOL, MSN, Yahoo };

    // dataFolder is the folder of the program, which holds the data files; desktop gives
    // the beep and the message boxes.
    MainWindow(const QString& dataFolder, Desktop& desktop, QWidget* parent = nullptr);

    // Hides every panel.
    void VisibleFalse();

    // The messenger code that CopyEmoticon puts on the clipboard.
    QString CurrentEmoticon;
    void CopyEmoticon();

public slots:
    void Toolbar1_ButtonClick(int index);
    void Toolbar2_ButtonClick(int index);
    // Every button of the messenger panels: its code becomes CurrentEmoticon, then is copied.
    void cmdMessenger_Click(const QString& code);

private:
    void buildPanels(QWidget* clientArea);
    void connectMenu();
    void showPanel(Panel panel);
    QFrame* frame(Panel panel) const { return m_frames[static_cast<std::size_t>(panel)]; }

    CatalogueStore m_store;
    Desktop& m_desktop;
    ConfirmationTimer* m_confirmationTimer = nullptr;
    MainMenu m_menu;
    std::array<QFrame*, 5> m_frames{};
    GeneralPanel* m_general = nullptr;
    OwnListPanel* m_ownList = nullptr;
    std::map<Panel, MessengerPanel*> m_messengers;
};
