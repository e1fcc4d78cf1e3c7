// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FieldRules.h"

#include "EmoticonRecord.h"
#include "Windows1252.h"

#include <QList>

namespace {

bool isControl(char32_t codePoint)
{
    return codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F);
}

bool fitsWindows1252(char32_t codePoint)
{
    return codePoint <= 0xFFFF &&
           !Windows1252::firstUnencodable(QString(QChar(static_cast<char16_t>(codePoint))));
}

} // namespace

FieldRules::FieldRules(Category::Layout layout)
    : m_layout(layout)
{
}

int FieldRules::maxLength(Field field) const
{
    const int width =
        field == Field::Name ? EmoticonRecord::NameWidth : EmoticonRecord::RepresentationWidth;
    return m_layout == Category::Layout::CategoryFile ? width - 1 : width;
}

std::optional<QString> FieldRules::problemWith(QStringView text, Field field) const
{
    const QString subject = label(field);
    if (text.isEmpty())
        return field == Field::Name ? QStringLiteral("nome vazio")
                                    : QStringLiteral("representação vazia");
    if (text.front() == u' ' || text.back() == u' ')
        return QStringLiteral("%1 com espaço no início ou no fim").arg(subject);
    for (const char32_t codePoint : text.toUcs4()) {
        if (isControl(codePoint))
            return QStringLiteral("%1 com o caractere de controle %2")
                .arg(subject, codePointName(codePoint));
        if (!fitsWindows1252(codePoint))
            return QStringLiteral("%1 com o caractere «%2» (%3), que o Windows-1252 não tem")
                .arg(subject, QString::fromUcs4(&codePoint, 1), codePointName(codePoint));
    }
    if (m_layout == Category::Layout::CategoryFile && text.contains(Terminator))
        return QStringLiteral("%1 com «æ», que nos arquivos de categoria marca o fim do texto")
            .arg(subject);
    if (text.size() > maxLength(field))
        return QStringLiteral("%1 com %2 caracteres; o máximo é %3")
            .arg(subject)
            .arg(text.size())
            .arg(maxLength(field));
    return std::nullopt;
}

QString FieldRules::label(Field field)
{
    return field == Field::Name ? QStringLiteral("nome") : QStringLiteral("representação");
}

QString FieldRules::codePointName(char32_t codePoint)
{
    return QStringLiteral("U+%1").arg(static_cast<uint>(codePoint), 4, 16, QChar(u'0')).toUpper();
}
