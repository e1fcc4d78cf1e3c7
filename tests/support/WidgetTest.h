// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CatalogueStore.h"
#include "ConfirmationTimer.h"
#include "RecordingDesktop.h"

#include <QObject>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <vector>

// What every widget test shares; each test class derives from it and holds only its cases.
// Before each test function: a fresh temporary program folder (the store reads it) and a
// recording desktop, then the test class's prepare(). After it: the widget under test gone,
// and no window of the program left open. A step the fixture cannot take fails that test alone.
class WidgetTest : public QObject {
    Q_OBJECT

protected:
    // Where a test asked the fixture for a step, so that the step's failure points there.
    struct Caller {
        const char* file;
        int line;
    };

    QString path(const QString& fileName) const { return m_folder->filePath(fileName); }
    // Writes bytes as fileName in the program folder, replacing it.
    void write(const QString& fileName, const QByteArray& bytes) const;

    // Shows widget, the widget under test, and waits until it is active.
    template <typename W>
    W* open(std::unique_ptr<W> widget, Caller caller = {__builtin_FILE(), __builtin_LINE()})
    {
        W* opened = widget.get();
        m_widget = std::move(widget);
        m_widget->show();
        if (!QTest::qWaitForWindowActive(m_widget.get()))
            fail("the widget under test did not open", caller);
        return opened;
    }
    QWidget* widget() const { return m_widget.get(); }

    // The control named name in the widget under test, found as a person finds it: by what it
    // is, not where. The window builds its hidden panels just after its first frame, so a
    // control may take a moment to appear. A missing control fails the test, whose remaining
    // steps then act on a hidden stand-in of the same class (one built from a null parent).
    template <typename T>
    T* control(const QString& name, Caller caller = {__builtin_FILE(), __builtin_LINE()}) const
    {
        T* found = nullptr;
        if (QTest::qWaitFor([&] { return (found = m_widget->findChild<T*>(name)) != nullptr; },
                            5000))
            return found;
        fail(qPrintable(QStringLiteral("no control ") + name), caller);
        return static_cast<T*>(m_standIns.emplace_back(new T(nullptr)).get());
    }

    // Clicks the button at index (1-based) of the toolbar named toolbar.
    void clickToolbarButton(const QString& toolbar, int index,
                            Caller caller = {__builtin_FILE(), __builtin_LINE()}) const;

    CatalogueStore& store() const { return *m_store; }
    ConfirmationTimer& timer() const { return *m_timer; }
    RecordingDesktop m_desktop;

private slots:
    void init();
    void cleanup();

private:
    virtual void prepare() {}
    virtual void finish() {}
    static void fail(const char* message, Caller caller)
    {
        QTest::qFail(message, caller.file, caller.line);
    }

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<CatalogueStore> m_store;
    std::unique_ptr<ConfirmationTimer> m_timer;
    std::unique_ptr<QWidget> m_widget;
    mutable std::vector<std::unique_ptr<QObject>> m_standIns;
};
