// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// Where the program's own data lies: <folder of the running program>/../share/lumaro, which
// holds in the build tree and for an installation under any prefix. The help viewer and the
// win-sound chain look here.

#include <QString>

QString ProgramDataFolder();
