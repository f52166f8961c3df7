// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// A file name on a POSIX system is bytes, not always UTF-8 text. Names are carried as QString
// throughout; a byte that is not part of valid UTF-8 is held as the lone surrogate U+DC80 +
// byte, which no UTF-8 text decodes to, so every name survives the trip through QString and
// back byte for byte.

QString decode_name(const QByteArray &bytes);
QByteArray encode_name(const QString &name);

// The command line's arguments as given, decoded as names are.
QStringList arguments_as_given(int argc, const char *const *argv);

// The backup kept beside `name`.
QString backup_name(const QString &name);
