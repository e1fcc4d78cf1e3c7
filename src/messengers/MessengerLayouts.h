#pragma once

#include "MessengerLayout.h"

// The three messenger panels: their controls and the codes their buttons copy.
namespace MessengerLayouts {
extern const MessengerLayout AOL;
extern const MessengerLayout MSN;
extern const MessengerLayout Yahoo;
} // namespace MessengerLayouts
