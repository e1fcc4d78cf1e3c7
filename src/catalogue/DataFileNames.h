// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLatin1StringView>

// The files the program keeps in its data folder. Category files are listed with their
// categories (Categories.h).
namespace DataFileNames {

inline constexpr QLatin1StringView WholeCatalogue{"all.bra"};
inline constexpr QLatin1StringView OwnList{"custom.bra"};
inline constexpr QLatin1StringView OwnListTemporary{"custom.tmp"};
inline constexpr QLatin1StringView Settings{"emoticon.dat"};

} // namespace DataFileNames
