// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Quillane Emoticon: a catalogue of text emoticons to copy into chat windows.
//
// The catalogue lives in fixed-record files beside the program; CatalogueStore reads them
// afresh every time, nothing is cached (the first list is read on a thread of its own while the
// window is built, for its first fill only). The main window holds a menu bar, a tool strip
// and five panels on one rectangle, one shown at a time:
//   browse (GeneralPanel)     choose a category, find an emoticon, see it drawn large, copy it:
//                             CategorySelector fills a RecordList, whose selection reads the
//                             entry's record again and hands it to EmoticonPreview; CopyCaption
//                             puts the previewed emoticon on the clipboard (ClipboardCopy);
//   own list (OwnListPanel)   the user's favourites in custom.bra, changed by OwnListEditor;
//   AOL, MSN, Yahoo (MessengerPanel)  each messenger's fixed codes; a click copies one.
// Menu entries and toolbar buttons give Commands: show a panel (a toolbar button also reads the
// own list again), open the help page or a page of the maker's site (LinkOpener), toggle
// "Sempre Visível", show the about box, exit. The always-on-top choice is read from emoticon.dat
// when the window opens and written back when it closes (SettingsFile). Before the window
// exists, main() decides where the user's files live (UserFilesFolder): beside the program in a
// folder of the user's alone, or in the user's data folder (always for an installed copy); it
// lets one program run per set of them (SingleInstance), and makes every way of ending the
// program close the window (ShutDown); as it ends, what was copied goes to the clipboard keeper
// (KeptClipboard), so that it can still be pasted.

#include "CatalogueStore.h"
#include "Command.h"

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <vector>

class AboutBox;
class ConfirmationTimer;
class Desktop;
class LinkOpener;
class MainMenu;
class QAction;
class QFrame;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    enum class Panel { Browse, OwnList, AOL, MSN, Yahoo };

    // programFolder is the folder of the program, which holds the data files; desktop gives
    // the beep, the message boxes and the links.
    MainWindow(const QString& programFolder, Desktop& desktop, QWidget* parent = nullptr);
    // As above, with the files the program writes kept in userFilesFolder instead.
    MainWindow(const QString& programFolder, const QString& userFilesFolder, Desktop& desktop,
               QWidget* parent = nullptr);
    ~MainWindow() override;

public slots:
    void run(Command command);
    void toolbarButtonClicked(Command command);
    void mnuAlwaysOnTop_Click();
    void mnuAbout_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One of the five panels: the frame that shows or hides it, and the panel in that frame,
    // built at once for the browse panel and after the window's first frame for the others.
    struct PanelSlot {
        Panel panel;
        QFrame* frame;
        QWidget* content = nullptr;
    };

    void Form_Load();
    void Form_Unload();
    // The "Sempre Visível" entry, whose check mark is the always-on-top choice.
    QAction* alwaysOnTop() const;
    void keepOnTop(bool on);
    // The one shared LinkOpener, made when first needed.
    LinkOpener& linkOpener();
    void openLink(const QString& address);
    QString helpPage() const;
    void buildPanels(QWidget* clientArea);
    void buildHiddenPanels();
    QWidget* buildPanel(Panel panel, QFrame* frame);
    void hideAllPanels();
    void showPanel(Panel panel);
    void copyMessengerCode(const QString& code);
    const PanelSlot& slotOf(Panel panel) const;
    // The panel in its slot, as what it is.
    template <typename P> P* content(Panel panel) const
    {
        return qobject_cast<P*>(slotOf(panel).content);
    }

    CatalogueStore m_store;
    Desktop& m_desktop;
    ConfirmationTimer* m_confirmationTimer = nullptr;
    MainMenu* m_menu = nullptr;
    std::vector<PanelSlot> m_panels;
    std::unique_ptr<LinkOpener> m_linkOpener;
    QPointer<AboutBox> m_about;
};
