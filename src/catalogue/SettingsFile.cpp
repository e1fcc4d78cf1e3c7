// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SettingsFile.h"

#include "CatalogueStore.h"
#include "DataFileNames.h"
#include "SystemFile.h"
#include "Windows1252.h"

#include <QtEndian>

namespace {

constexpr quint16 TextTag = 8;
constexpr qsizetype HeaderSize = 4;
constexpr QStringView On = u"YYY";
constexpr QStringView Off = u"NNN";

} // namespace

SettingsFile::SettingsFile(const CatalogueStore& store)
    : m_store(store)
{
}

SettingsFile::Choice SettingsFile::readAlwaysOnTop() const
{
    // The longest text a 16-bit length can announce.
    const ReadResult read = m_store.readStart(DataFileNames::Settings, HeaderSize + 0xFFFF);
    return {holdsOn(read.bytes), read.failure};
}

std::optional<FileFailure> SettingsFile::writeAlwaysOnTop(bool on) const
{
    const QString path = m_store.pathOf(DataFileNames::Settings);
    SystemFile file(path, SystemFile::Mode::WriteCreating, SystemFile::Links::InUsersOwnFolderOnly);
    std::error_code error = file.openError();
    if (!error)
        error = file.writeAt(0, bytesOf(on));
    if (error)
        return FileFailure{FileFailure::Action::Write, path, error};
    return std::nullopt;
}

bool SettingsFile::holdsOn(QByteArrayView bytes)
{
    if (bytes.size() < HeaderSize || qFromLittleEndian<quint16>(bytes.data()) != TextTag)
        return false;
    const quint16 length = qFromLittleEndian<quint16>(bytes.data() + 2);
    if (bytes.size() < HeaderSize + length)
        return false;
    return Windows1252::decode(bytes.sliced(HeaderSize, length)).compare(On, Qt::CaseInsensitive) ==
           0;
}

QByteArray SettingsFile::bytesOf(bool on)
{
    const QByteArray text = Windows1252::encode(on ? On : Off);
    QByteArray bytes(HeaderSize, Qt::Uninitialized);
    qToLittleEndian<quint16>(TextTag, bytes.data());
    qToLittleEndian<quint16>(quint16(text.size()), bytes.data() + 2);
    return bytes + text;
}
