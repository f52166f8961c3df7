// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow/font_fallbacks.h"

#include <QApplication>
#include <QFont>

void install_font_fallbacks()
{
    // Style sheets give weights on the CSS scale, which Qt divides by 8: "font: 63 26pt" asks
    // for a very light face. The Windows families below hold one heavy face each, so their
    // stand-ins are families that hold only their heavy face too.
    QFont::insertSubstitutions(QStringLiteral("Minion Pro SmBd"),
                               {QStringLiteral("Yrsa SemiBold"), QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(QStringLiteral("Arial Black"),
                               {QStringLiteral("Lato Black"), QStringLiteral("DejaVu Sans")});
    // The forms' labels are sized for the narrow dialog font; DejaVu Sans runs wider and clips
    // them, Liberation Sans keeps Arial's widths and fits.
    QFont::insertSubstitutions(QStringLiteral("MS Shell Dlg 2"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    // The narrow face of the error dialog's title.
    QFont::insertSubstitutions(
        QStringLiteral("Arial Narrow"),
        {QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Nimbus Sans Narrow")});
    // The monospace list of the push buttons; DejaVu Sans Mono descends from Bitstream Vera.
    for (const char *family :
         {"Lucida Sans Typewriter", "Lucida Console", "Monaco", "Bitstream Vera Sans Mono"})
        QFont::insertSubstitution(QString::fromLatin1(family), QStringLiteral("DejaVu Sans Mono"));

    // The forms are laid out for the Windows dialog font at 8 points; the desktop's default
    // font is usually larger and would clip their texts.
    QApplication::setFont(QFont(QStringLiteral("MS Shell Dlg 2"), 8));
}
