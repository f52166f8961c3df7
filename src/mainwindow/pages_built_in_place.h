// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>

class QStackedWidget;
class QWidget;

// A form builds each page of a page stack as a widget without parent, fills it, and only then
// adds it to its stack. Given a parent whose style comes from a style sheet, a filled page has
// the style of every widget on it resolved anew, and every widget with a sheet of its own, with
// all its children, polished at once: a second time for widgets that were polished as they were
// built, and again when the window is first shown.
//
// While an object of this class lives (around building a form into `window`), a page is put
// into the page stack built last as soon as its first child is created. Each widget is then
// built where it stays, under the sheets it keeps, and polished once when first shown. Adding
// the page to its stack afterwards finds it there already.
class PagesBuiltInPlace : public QObject
{
public:
    explicit PagesBuiltInPlace(const QWidget &window);
    ~PagesBuiltInPlace() override;

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const QWidget &window;
    QPointer<QStackedWidget> latest_stack;
};
