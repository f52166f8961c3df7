// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QString;
class QTableWidget;

// Every preview cell is a new item, centred both ways; nothing reads the cells back.
void set_centred_cell(QTableWidget &table, int row, int column, const QString &text);

struct XpPreview;
struct EngramPreview;

// Rows of an experience preview: sample level, then its experience in the preview format.
void show_xp_preview(QTableWidget &table, const XpPreview &preview);

// Rows of an engram preview: sample level, its points in the preview format, then the running
// total.
void show_engram_preview(QTableWidget &table, const EngramPreview &preview);

// What a preview shows for a style code it does not know: zeros in the value columns.
void show_zero_values(QTableWidget &table, int first_value_column);

// Sizes every column but the last to its widest text and gives the last the rest of the width,
// so that no cell wraps or cuts its text at any level count or scaling the controls allow.
void fit_preview_columns(QTableWidget &table);
