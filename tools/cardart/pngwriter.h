// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// A small indexed-PNG encoder. Qt's own writer always produces 8-bit palettes and may add
// chunks of its own; ours writes 1-bit images for two colours and 4-bit ones otherwise,
// with nothing but IHDR, PLTE, tRNS, IDAT and IEND, so the bytes depend only on the pixels.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <vector>

// Maps every pixel of `image` to a palette built in order of first appearance (row by
// row). Fails (returns false, fills `error`) for more than 16 distinct colours.
bool EncodeIndexedPng(const QImage& image, QByteArray& png, QString& error);

// Distinct colours of an image, alpha included, in order of first appearance.
std::vector<QRgb> ImageColours(const QImage& image);
