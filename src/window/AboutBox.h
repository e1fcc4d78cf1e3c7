// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QLabel;
class LinkOpener;

// frmAbout: a small tool window, owned by the main window and never modal, that names the
// program and its version and offers the maker's web site and support address as links.
// It closes itself (and is gone) with "FECHAR", which lights up under the mouse.
class AboutBox : public QWidget {
    Q_OBJECT

public:
    AboutBox(LinkOpener& linkOpener, QWidget* owner);

public slots:
    void lblAboutClose_Click();
    void lightCloseCaption(bool lit);

private:
    // Shows the box centred on its owner, in front.
    void Form_Load();

    LinkOpener& m_linkOpener;
    QLabel* m_close = nullptr;
};
