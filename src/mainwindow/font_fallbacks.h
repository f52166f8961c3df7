// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QWidget;

// The forms and style sheets name Windows fonts. This maps each of them to freely licensed
// look-alikes, so that titles, captions and buttons keep their character elsewhere.
// Also makes the dialog font the application's default. Call once, after the application object
// exists and before any form is built.
void install_font_fallbacks();

// `sheet` with each missing Windows family it names replaced by its installed look-alike.
QString with_installed_font_families(QString sheet);

// While an object of this class lives (around building a form into `form`), each style sheet and
// font set on a widget names the installed look-alike of a Windows family instead of the family
// itself. Qt finds a substituted family only after asking fontconfig for the missing one and its
// fallbacks; named directly, each family costs one look-up. What is drawn stays the same.
class InstalledFontFamilies : public QObject
{
public:
    explicit InstalledFontFamilies(QWidget &form);
    ~InstalledFontFamilies() override;

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &form;
};
