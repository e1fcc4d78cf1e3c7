// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QCoreApplication;

// Qt's own texts — a text box's and a scroll bar's context menus among them — in Brazilian
// Portuguese whatever the system's language, from the translations Qt installs (Debian's
// qt6-translations-l10n). Where they are missing Qt's texts stay English and nothing else is
// lost.
namespace QtTranslations {

// Looks in folder, by default the one Qt was built to find its translations in; false when
// the translations are not there.
bool installBrazilianPortuguese(QCoreApplication& application);
bool installBrazilianPortuguese(QCoreApplication& application, const QString& folder);

} // namespace QtTranslations
