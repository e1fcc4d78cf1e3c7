// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>

// What the program tells the user of a file it could not read, create, write, delete or
// rename, in its words: "Não foi possível gravar o arquivo %1custom.bra: sem permissão de
// acesso." %1 stands for the folder, which a table's rows do not know before their test runs.
namespace FailureTexts {

// The reasons, as the program names the system's errors and its own refusals.
inline constexpr QStringView Denied = u"sem permissão de acesso";
inline constexpr QStringView DiskFull = u"não há espaço livre no disco";
inline constexpr QStringView DiskError = u"erro de leitura ou gravação no disco";
inline constexpr QStringView NoSuchFile = u"o arquivo ou a pasta não existe";
inline constexpr QStringView InUse = u"o arquivo está em uso";
inline constexpr QStringView RecordGone = u"a entrada não está mais no arquivo";
inline constexpr QStringView OtherNames =
    u"o arquivo tem outros nomes (links físicos), que ficariam com a lista antiga";

// The failure to verb ("ler", "criar", "gravar", "excluir", "renomear") the file named file
// ("custom.tmp para %1custom.bra" for a rename).
inline QString cannot(QStringView verb, QStringView file, QStringView reason)
{
    return QStringLiteral("Não foi possível %1 o arquivo %3%2: %4.")
        .arg(verb, file, QStringLiteral("%1"), reason);
}

} // namespace FailureTexts
