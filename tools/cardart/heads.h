// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The court heads, drawn pixel by pixel. Letters name colours chosen per court and suit
// (see CourtLegend in faces.cpp); '.' is left transparent.

#include "glyphs.h"

inline const Art kKingHead = {
    "..K.....K.....K..", ".KYK...KYK...KYK.", ".KYK..KYAYK..KYK.", ".KYYK.KYYYK.KYYK.",
    ".KYYYKYYYYYKYYYK.", ".KYAYYYYAYYYYAYK.", ".KYYYYYYYYYYYYYK.", ".KOOOOOOOOOOOOOK.",
    ".KHKSSSSSSSSSKHK.", "KHHKSSSSSSSSSKHHK", "KHHSSKKSSSKKSSHHK", "KHHSSSSSSSSSSSHHK",
    "KHHSSSSSsSSSSSHHK", "KHHSSSSSsSSSSSHHK", "KHHSSSSssSSSSSHHK", "KHHHHHHSSSHHHHHHK",
    "KHHHHHKMMMKHHHHHK", "KHHHHHHHHHHHHHHHK", ".KHHHHHHHHHHHHHK.", "..KHHHHHHHHHHHK..",
    "...KHHHHHHHHHK...", "....KKHHHHHKK....", "......KKKKK......",
};

inline const Art kQueenHead = {
    "....K..K.K..K....", "...KYKKYKYKKYK...", "...KYYKYAYKYYK...", "...KYYYYYYYYYK...",
    "...KOOOOOOOOOK...", "..KHHHHHHHHHHHK..", ".KHHHSSSSSSSHHHK.", ".KHHSSSSSSSSSHHK.",
    ".KHHSKKSSSKKSHHK.", ".KHHSSSSSSSSSHHK.", ".KHHSSSSsSSSSHHK.", ".KHHSSSSsSSSSHHK.",
    ".KHHSSSSSSSSSHHK.", ".KHHSSSMMMSSSHHK.", ".KHHHSSSSSSSHHHK.", "KHHHHKSSSSSKHHHHK",
    "KHHHHHKSSSKHHHHHK", "KHHHHHKSSSKHHHHHK", "KHHHHKYAYAYKHHHHK", "KHHHK.......KHHHK",
    "KHHK.........KHHK",
};

inline const Art kJackHead = {
    "..........KK.....", ".........KwwK....", "........KwwK.....", "....KKKKwwKKK....",
    "...KAAAKwKAAAK...", "..KAAAAAKAAAAAK..", ".KAAAAAAAAAAAAAK.", ".KYYYYYYYYYYYYYK.",
    ".KHhHHhHHhHHhHHK.", ".KHHSSSSSSSSSHHK.", "KHHSSKKSSSKKSSHHK", "KHHSSSSSSSSSSSHHK",
    "KHHSSSSSsSSSSSHHK", ".KHSSSSSsSSSSSHK.", ".KHSSSSssSSSSSHK.", ".KHSSSSSSSSSSSHK.",
    "..KSSSKMMMKSSSK..", "..KSSSSSSSSSSSK..", "...KSSSSSSSSSK...", "....KKSSSSSKK....",
    "......KSSSK......",
};
