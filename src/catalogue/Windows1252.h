// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <array>
#include <optional>

// The data files hold one byte per character in the Windows-1252 code page. This is the only
// place where those bytes become QStrings and back. The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same number, as
// Windows itself does, so that every byte survives a round trip.
namespace Windows1252 {

QString decode(QByteArrayView bytes);

// Characters the code page cannot hold become '?'; check with firstUnencodable() first
// wherever that would lose data.
QByteArray encode(QStringView text);

// The first character of text that Windows-1252 cannot hold, if any.
std::optional<QChar> firstUnencodable(QStringView text);

// Each byte's case-folded form: the byte of the character Unicode folds its character to, so
// that two bytes fold alike exactly when their characters do without regard to case (accents
// stay: "É" folds to "é", never to "e"). A byte whose folded character the code page cannot
// hold (the micro sign's Greek mu) stands for itself, as nothing else folds to that character.
using CaseFolding = std::array<unsigned char, 256>;
const CaseFolding& caseFolding();

} // namespace Windows1252
