// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DisplayPlatform.h"

#include <QTest>

// The platform the program asks Qt for, from the session's environment and the arguments.
class TestDisplayPlatform : public QObject {
    Q_OBJECT

private slots:
    void forSession_data();
    void forSession();
};

void TestDisplayPlatform::forSession_data()
{
    QTest::addColumn<QStringList>("variables"); // NAME=value
    QTest::addColumn<QByteArrayList>("arguments");
    QTest::addColumn<QByteArray>("platform");

    const QByteArrayList none;
    const QByteArray qtsOwn;
    const QByteArray xwaylandFirst = "xcb;wayland";
    QTest::newRow("X11 session") << QStringList{"DISPLAY=:0", "XDG_SESSION_TYPE=x11"} << none
                                 << qtsOwn;
    QTest::newRow("Wayland with XWayland")
        << QStringList{"WAYLAND_DISPLAY=wayland-0", "DISPLAY=:0"} << none << xwaylandFirst;
    QTest::newRow("session type alone")
        << QStringList{"XDG_SESSION_TYPE=wayland", "DISPLAY=:1"} << none << xwaylandFirst;
    QTest::newRow("no X display") << QStringList{"WAYLAND_DISPLAY=wayland-0",
                                                 "XDG_SESSION_TYPE=wayland"}
                                  << none << qtsOwn;
    QTest::newRow("the user's QT_QPA_PLATFORM")
        << QStringList{"WAYLAND_DISPLAY=wayland-0", "DISPLAY=:0", "QT_QPA_PLATFORM=wayland"} << none
        << qtsOwn;
    QTest::newRow("an empty QT_QPA_PLATFORM chooses nothing")
        << QStringList{"WAYLAND_DISPLAY=wayland-0", "DISPLAY=:0", "QT_QPA_PLATFORM="} << none
        << xwaylandFirst;
    for (const QByteArray option : {"-platform", "--platform"})
        QTest::addRow("the user's %s", option.constData())
            << QStringList{"WAYLAND_DISPLAY=wayland-0", "DISPLAY=:0"}
            << QByteArrayList{"quillane-emoticon", option, "wayland"} << qtsOwn;
}

void TestDisplayPlatform::forSession()
{
    QFETCH(QStringList, variables);
    QFETCH(QByteArrayList, arguments);
    QFETCH(QByteArray, platform);

    QProcessEnvironment environment;
    for (const QString& variable : variables)
        environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));

    QCOMPARE(DisplayPlatform::forSession(environment, arguments), platform);
}

QTEST_GUILESS_MAIN(TestDisplayPlatform)
#include "tst_display_platform.moc"
