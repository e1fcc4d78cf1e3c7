// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WidgetTest.h"

#include "DataFileBuilder.h"

#include <QApplication>
#include <QToolBar>

void WidgetTest::write(const QString& fileName, const QByteArray& bytes) const
{
    QVERIFY2(DataFileBuilder::write(path(fileName), bytes), qPrintable(fileName));
}

void WidgetTest::clickToolbarButton(const QString& toolbar, int index, Caller caller) const
{
    auto* bar = control<QToolBar>(toolbar, caller);
    const QList<QAction*> buttons = bar->actions();
    if (index > buttons.size())
        return fail(qPrintable(toolbar + QStringLiteral(" has no button %1").arg(index)), caller);
    QTest::mouseClick(bar->widgetForAction(buttons.at(index - 1)), Qt::LeftButton);
}

void WidgetTest::init()
{
    m_desktop = {};
    m_folder = std::make_unique<QTemporaryDir>();
    m_store = std::make_unique<CatalogueStore>(m_folder->path());
    m_timer = std::make_unique<ConfirmationTimer>(nullptr);
    prepare();
}

void WidgetTest::cleanup()
{
    finish();
    m_widget.reset();
    m_standIns.clear();
    m_timer.reset();
    QVERIFY2(QApplication::topLevelWidgets().isEmpty(), "a window was left open");
}
