// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "MessengerLayout.h"

// The three messenger panels: their controls and the codes their buttons copy.
namespace MessengerLayouts {
extern const MessengerLayout AOL;
extern const MessengerLayout MSN;
extern const MessengerLayout Yahoo;
} // namespace MessengerLayouts
