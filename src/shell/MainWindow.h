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
// toolbars also rebuild the own list from its file. The third toolbar and the help menu hand
// the help page and the maker's pages to the desktop (clsOpenProgram). Form_Load brings the
// window to its starting state, with the always-on-top choice read from emoticon.dat;
// Form_Unload writes the choice back when the window closes. Before the window exists, main()
// decides where custom.bra and emoticon.dat live (UserFilesFolder): beside the program in a
// folder of the user's alone, or in the user's data folder (always for an installed copy); it
// lets one program run per set of those files (SingleInstance), and makes every way of ending
// the program close the window (ShutDown).

#include "CatalogueStore.h"
#include "MainMenu.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <map>
#include <memory>

class AboutBox;
class clsOpenProgram;
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
    // As above, with the files the program writes kept in userFilesFolder instead.
    MainWindow(const QString& dataFolder, const QString& userFilesFolder, Desktop& desktop,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // Hides every panel.
    void VisibleFalse();

    // The messenger code that CopyEmoticon puts on the clipboard.
    QString CurrentEmoticon;
    void CopyEmoticon();

    // "YYY" while the window stays on top of all others, "NNN" otherwise.
    QString AlwaysOnTopSetting;

public slots:
    void Toolbar1_ButtonClick(int index);
    void Toolbar2_ButtonClick(int index);
    void Toolbar3_ButtonClick(int index);
    void mnuAlwaysOnTop_Click();
    void mnuAbout_Click();
    // Every button of the messenger panels: its code becomes CurrentEmoticon, then is copied.
    void cmdMessenger_Click(const QString& code);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Form_Unload();
    void setAlwaysOnTop(bool on);
    // The one shared clsOpenProgram, made when first needed.
    clsOpenProgram& OpenProgram();
    void openLink(const QString& address);
    QString helpPage() const;
    void buildPanels(QWidget* clientArea);
    void buildHiddenPanels();
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
    std::unique_ptr<clsOpenProgram> m_openProgram;
    QPointer<AboutBox> m_about;
};
