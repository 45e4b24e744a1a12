// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// File names as text. Linux file names are bytes, usually but not always UTF-8; a name
// with a stray Latin-1 byte must still reach the file it names after a trip through the
// settings file and a QString. Valid UTF-8 decodes as usual; each byte that is not part of
// valid UTF-8 becomes the lone surrogate U+DC80 + (byte - 0x80), which no valid UTF-8 can
// produce, and turns back into the same byte. Qt's own QFile::encodeName/decodeName turn
// such bytes into U+FFFD, which names no file.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Lossless for every byte string: LocalBytesFromPath(PathFromLocalBytes(b)) == b.
QString PathFromLocalBytes(QByteArrayView bytes);
// The bytes a path names on disk; what the C library, SDL and std::filesystem take.
QByteArray LocalBytesFromPath(QStringView path);
