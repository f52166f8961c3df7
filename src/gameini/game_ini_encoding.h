// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "outcome/outcome.h"

#include <QByteArray>
#include <QString>

// How an operator's Game.ini is stored. The game itself writes UTF-16 LE with a byte-order
// mark once the file holds non-ASCII text; editors write UTF-8, some with a mark.
enum class GameIniEncoding {
    Utf8,    // ASCII or UTF-8; a byte-order mark stays part of the text
    Utf16LE, // with a byte-order mark
    Utf16BE, // with a byte-order mark
};

struct DecodedGameIni {
    QByteArray text; // UTF-8; a lone surrogate of UTF-16 as the three bytes of its code point
    GameIniEncoding encoding = GameIniEncoding::Utf8;
};

// The file's text as UTF-8, or why it cannot be read: UTF-16 without a byte-order mark (or
// cut short) cannot be told apart from other text line by line.
Outcome<DecodedGameIni> decode_game_ini(const QByteArray &raw);

// The UTF-8 text back in the file's own encoding, with its byte-order mark.
QByteArray encode_game_ini(const QByteArray &text, GameIniEncoding encoding);
