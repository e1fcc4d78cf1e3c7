// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QLabel;
class clsOpenProgram;

// frmAbout: a small tool window, owned by the main window and never modal, that names the
// program and its version and offers the maker's web site and support address as links.
// It closes itself (and is gone) with "FECHAR", which lights up under the mouse.
class AboutBox : public QWidget {
    Q_OBJECT

public:
    AboutBox(clsOpenProgram& openProgram, QWidget* owner);

public slots:
    void lblAboutClose_Click();
    void lblAboutClose_MouseMove();
    void Form_MouseMove();
    void imgAboutFundo_MouseMove();
    void lblAboutInternet_Click();
    void lblAboutEMAIL_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // Shows the box centred on its owner, in front.
    void Form_Load();

    clsOpenProgram& m_openProgram;
    QWidget* m_background = nullptr;
    QLabel* m_close = nullptr;
};
