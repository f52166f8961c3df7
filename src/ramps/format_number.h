// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Text of a preview cell: digits in groups of three, " M", " G!", " T!!" or " P!!!!" above
// nine characters, "Error" for the overflow marker -1 and "error" from 22 characters on.
QString format_number(double value);
