// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Categories.h"

#include <QString>

// The data file a list is filled from, and the layout its records lie in. An entry's index
// in the list addresses its record there, so every later read of an entry goes back to the
// same source.
struct ListSource {
    Category::Layout layout;
    QString path;
};
