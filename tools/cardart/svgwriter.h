// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// Pixel art as SVG: one rectangle per run of equal pixels, with crisp edges, so the drawing
// scales to any size without blur. Fully transparent pixels are left out.

#include <QByteArray>
#include <QImage>

QByteArray PixelsToSvg(const QImage& image);
