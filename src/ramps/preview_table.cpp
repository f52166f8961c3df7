// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ramps/preview_table.h"

#include "ramps/format_number.h"
#include "ramps/previews.h"

#include <QHeaderView>
#include <QTableWidget>

void set_centred_cell(QTableWidget &table, int row, int column, const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    table.setItem(row, column, item);
}

void show_xp_preview(QTableWidget &table, const XpPreview &preview)
{
    for (int row = 0; row < int(preview.levels.size()); ++row) {
        set_centred_cell(table, row, 1, format_number(preview.values[row]));
        set_centred_cell(table, row, 0, QString::number(preview.levels[row]));
    }
}

void show_engram_preview(QTableWidget &table, const EngramPreview &preview)
{
    for (int row = 0; row < int(preview.levels.size()); ++row) {
        set_centred_cell(table, row, 0, QString::number(preview.levels[row]));
        set_centred_cell(table, row, 1, format_number(preview.points[row]));
        // Totals in the general format: exponent notation from a million on.
        set_centred_cell(table, row, 2, QString::number(double(preview.totals[row]), 'g', 6));
    }
}

void show_zero_values(QTableWidget &table, int first_value_column)
{
    for (int row = 0; row < table.rowCount(); ++row)
        for (int column = first_value_column; column < table.columnCount(); ++column)
            set_centred_cell(table, row, column, format_number(0));
}

void fit_preview_columns(QTableWidget &table)
{
    QHeaderView &columns = *table.horizontalHeader();
    const int last = table.columnCount() - 1;
    for (int column = 0; column < last; ++column)
        columns.setSectionResizeMode(column, QHeaderView::ResizeToContents);
    columns.setSectionResizeMode(last, QHeaderView::Stretch);
}
