// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVector>

class QWidget;

// A form builds each page of a page stack without a parent, sets the style sheets of the
// page's widgets, and only then adds the page to its stack. When a widget gets a parent whose
// style comes from a style sheet, Qt polishes at once every widget of its subtree that carries
// a sheet of its own: every page was polished while the window was built, pages a run never
// shows included, and polished again when first shown.
//
// While an object of this class lives (around building a form into `window`), each sheet set
// on a widget of a page that has no parent yet is laid aside, and set again as soon as the page
// is in its stack. Set there, on widgets not yet shown, a sheet costs nothing until its widget is
// first shown, which polishes it once. Each widget ends with the sheet the form gives it.
class StyleSheetsAfterReparent : public QObject
{
public:
    explicit StyleSheetsAfterReparent(const QWidget &window);
    ~StyleSheetsAfterReparent() override;

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Sheet {
        QPointer<QWidget> widget;
        QString sheet;
    };
    void set_again(const QVector<Sheet> &sheets);

    const QWidget &window;
    // By page, in the order the form set them: a page's own sheet before its widgets'.
    QHash<QObject *, QVector<Sheet>> laid_aside;
};
