// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <QTest>

// The control named name below root, found as a person finds it: by what it is, not where.
// The window builds its hidden panels just after its first frame, so a control may take a
// moment to appear. A test cannot go on without it: a missing control ends the test program.
template <typename T> T* findControl(const QObject* root, const QString& name)
{
    T* control = nullptr;
    if (!QTest::qWaitFor([&] { return (control = root->findChild<T*>(name)) != nullptr; }, 5000))
        qFatal("no control %s", qPrintable(name));
    return control;
}
