// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace QtTranslations {

bool installBrazilianPortuguese(QCoreApplication& application)
{
    return installBrazilianPortuguese(application,
                                      QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

bool installBrazilianPortuguese(QCoreApplication& application, const QString& folder)
{
    auto* translator = new QTranslator(&application);
    if (!translator->load(QStringLiteral("qtbase_pt_BR"), folder)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace QtTranslations
