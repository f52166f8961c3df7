// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QVariantList>

#include <functional>
#include <initializer_list>

class QAbstractButton;
class QTableWidget;

// Shows that a preview no longer matches its controls: while the values the preview was
// computed from differ from the controls', its numbers are dimmed and its refresh button glows,
// until the next refresh. The numbers themselves change only on a refresh. Real-time refresh
// does not keep a preview current by itself: ticking it refreshes nothing, and the engram
// preview does not follow the player level count or the reverse mode.
class StaleMark : public QObject
{
public:
    // The values a refresh reads, in any fixed order.
    using Inputs = std::function<QVariantList()>;

    StaleMark(QTableWidget &table, QAbstractButton &refresh_button,
              const QAbstractButton &live_refresh, Inputs inputs, QObject *parent);

    // Looks again whenever one of these spin boxes or buttons changes.
    void watch(std::initializer_list<QObject *> controls);
    // The preview is being computed from the controls' current values.
    void refreshed();

private:
    void update();
    void show_mark(bool stale);

    QTableWidget &table;
    QAbstractButton &refresh_button;
    const QAbstractButton &live_refresh;
    Inputs inputs;
    QVariantList shown;
    bool marked = false;
};
