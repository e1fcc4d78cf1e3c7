// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WidgetTest.h"

#include "DataFileBuilder.h"

#include <QApplication>
#include <QToolBar>

void WidgetTest::write(const QString& fileName, const QByteArray& bytes) const
{
    if (!DataFileBuilder::write(path(fileName), bytes))
        qFatal("cannot write %s", qPrintable(fileName));
}

void WidgetTest::clickToolbarButton(const QString& toolbar, int index) const
{
    auto* bar = control<QToolBar>(toolbar);
    QTest::mouseClick(bar->widgetForAction(bar->actions().at(index - 1)), Qt::LeftButton);
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
    m_timer.reset();
    QVERIFY2(QApplication::topLevelWidgets().isEmpty(), "a window was left open");
}
