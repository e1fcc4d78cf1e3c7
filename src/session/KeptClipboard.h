// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// What the user copied stays on the clipboard after the program ends. On X11 a copied text lives
// in the program that copied it and goes with it, unless a clipboard manager takes it; so the
// shut-down hands it to the clipboard keeper, a small program beside this one, which owns the
// clipboard until another program copies, and then ends (see src/keeper). The keeper is started
// as a session of its own, which the signals that end this program or its terminal do not reach,
// and inherits no descriptor: no lock, no socket, no file of the user's, not even the folder
// this program was started in. Natively on Wayland the compositor holds what was copied and
// decides what stays of it: no keeper there.
namespace KeptClipboard {

// At the end of the shut-down: when the clipboard still holds a text this program put there,
// starts the keeper in programFolder with that text, and returns at once. A keeper that cannot
// start is told on standard error, and the program ends as it would have.
void handOver(const QString& programFolder);

} // namespace KeptClipboard
