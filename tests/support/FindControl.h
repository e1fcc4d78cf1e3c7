#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

// The control named name below root, found as a person finds it: by what it is, not where.
// A test cannot go on without it, so a missing control ends the test program.
template <typename T> T* findControl(const QObject* root, const QString& name)
{
    T* control = root->findChild<T*>(name);
    if (!control)
        qFatal("no control %s", qPrintable(name));
    return control;
}
