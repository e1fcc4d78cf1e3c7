// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FailureTexts.h"

using namespace Qt::StringLiterals;

QString FailureTexts::cannot(QStringView verb, QStringView file, QStringView reason)
{
    return u"Não foi possível "_s + verb.toString() + u" o arquivo %1"_s + file.toString() +
           u": "_s + reason.toString() + u'.';
}

QString FailureTexts::cannotRename(QStringView file, QStringView newName, QStringView reason)
{
    return cannot(u"renomear", file.toString() + u" para %1"_s + newName.toString(), reason);
}
