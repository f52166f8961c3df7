// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ramps/stale_mark.h"

#include <QAbstractButton>
#include <QDoubleSpinBox>
#include <QGraphicsDropShadowEffect>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>

namespace {
// The preview texts are white on the dark page; a faint white reads as "not current".
const QColor kDimmedText(255, 255, 255, 90);
} // namespace

StaleMark::StaleMark(QTableWidget &table, QAbstractButton &refresh_button,
                     const QAbstractButton &live_refresh, Inputs inputs, QObject *parent)
    : QObject(parent), table(table), refresh_button(refresh_button), live_refresh(live_refresh),
      inputs(std::move(inputs))
{}

void StaleMark::watch(std::initializer_list<QObject *> controls)
{
    for (QObject *control : controls) {
        if (auto *spin = qobject_cast<QSpinBox *>(control))
            connect(spin, qOverload<int>(&QSpinBox::valueChanged), this, &StaleMark::update);
        else if (auto *scaling = qobject_cast<QDoubleSpinBox *>(control))
            connect(scaling, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
                    &StaleMark::update);
        else if (auto *button = qobject_cast<QAbstractButton *>(control))
            connect(button, &QAbstractButton::toggled, this, &StaleMark::update);
    }
}

void StaleMark::refreshed()
{
    shown = inputs();
    show_mark(false);
}

void StaleMark::update()
{
    const bool stale = inputs() != shown;
    if (stale && live_refresh.isChecked())
        // The live refresh of this change may not have run yet, or may never run (the engram
        // preview ignores the level count and the reverse mode): look again once the change
        // is done, so that a preview that follows it is not marked in between.
        QTimer::singleShot(0, this, [this] { show_mark(inputs() != shown); });
    else
        show_mark(stale);
}

void StaleMark::show_mark(bool stale)
{
    // Cells written since the last look (placeholders, for one) get the mark too. Cells are
    // touched only when their look changes: every change tells the view to repaint.
    for (int row = 0; row < table.rowCount(); ++row) {
        for (int column = 0; column < table.columnCount(); ++column) {
            QTableWidgetItem *cell = table.item(row, column);
            if (!cell)
                continue;
            if (stale)
                cell->setForeground(kDimmedText);
            else if (cell->data(Qt::ForegroundRole).isValid())
                cell->setData(Qt::ForegroundRole, QVariant());
        }
    }
    if (stale == marked)
        return;
    marked = stale;
    QGraphicsDropShadowEffect *glow = nullptr;
    if (stale) {
        glow = new QGraphicsDropShadowEffect;
        glow->setOffset(0, 0);
        glow->setBlurRadius(8);
        glow->setColor(Qt::white);
    }
    refresh_button.setGraphicsEffect(glow); // takes the new effect, deletes the old one
}
