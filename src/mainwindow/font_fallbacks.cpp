// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow/font_fallbacks.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QFontDatabase>
#include <QWidget>

namespace {

// The properties a font sets itself rather than takes from its parent; Qt 6 renamed the call.
uint set_properties(const QFont &font)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return font.resolveMask();
#else
    return font.resolve();
#endif
}

struct Fallback {
    const char *family;
    QStringList stand_ins;
};

const QVector<Fallback> &fallbacks()
{
    // Style sheets give weights on the CSS scale, which Qt divides by 8: "font: 63 26pt" asks
    // for a very light face. The Windows families below hold one heavy face each, so their
    // stand-ins are families that hold only their heavy face too.
    // The forms' labels are sized for the narrow dialog font; DejaVu Sans runs wider and clips
    // them, Liberation Sans keeps Arial's widths and fits. Arial Narrow is the narrow face of the
    // error dialog's title. The monospace families are the push buttons' list; DejaVu Sans Mono
    // descends from Bitstream Vera.
    static const QVector<Fallback> list{
        {"Minion Pro SmBd", {QStringLiteral("Yrsa SemiBold"), QStringLiteral("DejaVu Serif")}},
        {"Arial Black", {QStringLiteral("Lato Black"), QStringLiteral("DejaVu Sans")}},
        {"MS Shell Dlg 2", {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}},
        {"Arial Narrow",
         {QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Nimbus Sans Narrow")}},
        {"Lucida Sans Typewriter", {QStringLiteral("DejaVu Sans Mono")}},
        {"Lucida Console", {QStringLiteral("DejaVu Sans Mono")}},
        {"Monaco", {QStringLiteral("DejaVu Sans Mono")}},
        {"Bitstream Vera Sans Mono", {QStringLiteral("DejaVu Sans Mono")}},
    };
    return list;
}

// Each missing Windows family with the first of its stand-ins that is installed.
const QVector<QPair<QString, QString>> &installed_stand_ins()
{
    static const QVector<QPair<QString, QString>> pairs = [] {
        const QStringList installed = QFontDatabase().families();
        const auto has = [&installed](const QString &family) {
            return installed.contains(family, Qt::CaseInsensitive);
        };
        QVector<QPair<QString, QString>> found;
        for (const Fallback &fallback : fallbacks()) {
            const QString family = QString::fromLatin1(fallback.family);
            if (has(family))
                continue;
            // Qt keeps substitutes in lower case, and its font cache tells names apart by case:
            // named alike, a font reached either way is loaded once.
            for (const QString &stand_in : fallback.stand_ins)
                if (has(stand_in)) {
                    found.append({family, stand_in.toLower()});
                    break;
                }
        }
        return found;
    }();
    return pairs;
}

QString installed_family(const QString &family)
{
    for (const auto &pair : installed_stand_ins())
        if (family.compare(pair.first, Qt::CaseInsensitive) == 0)
            return pair.second;
    return family;
}

void use_installed_families_in_sheet(QWidget &widget)
{
    const QString sheet = widget.styleSheet();
    const QString renamed = with_installed_font_families(sheet);
    if (renamed != sheet)
        widget.setStyleSheet(renamed);
}

} // namespace

QString with_installed_font_families(QString sheet)
{
    for (const auto &pair : installed_stand_ins())
        sheet.replace(pair.first, pair.second, Qt::CaseInsensitive);
    return sheet;
}

void install_font_fallbacks()
{
    for (const Fallback &fallback : fallbacks())
        QFont::insertSubstitutions(QString::fromLatin1(fallback.family), fallback.stand_ins);

    // The forms are laid out for the Windows dialog font at 8 points; the desktop's default
    // font is usually larger and would clip their texts.
    QApplication::setFont(QFont(installed_family(QStringLiteral("MS Shell Dlg 2")), 8));
}

InstalledFontFamilies::InstalledFontFamilies(QWidget &form) : form(form)
{
    QCoreApplication::instance()->installEventFilter(this);
}

InstalledFontFamilies::~InstalledFontFamilies()
{
    QCoreApplication::instance()->removeEventFilter(this);
    // A sheet set on a widget that already takes its style from a sheet, and is not yet shown,
    // is only kept until the widget is first polished: it sends no event to rename it by.
    QList<QWidget *> widgets = form.findChildren<QWidget *>();
    widgets.prepend(&form);
    for (QWidget *widget : qAsConst(widgets))
        use_installed_families_in_sheet(*widget);
}

bool InstalledFontFamilies::eventFilter(QObject *watched, QEvent *event)
{
    if (!watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    // Both are sent as the form sets a sheet or a font, before anything is drawn or measured
    // with it. Set again with the new name, the sheet or font sends no second event.
    if (event->type() == QEvent::StyleChange) {
        use_installed_families_in_sheet(*widget);
    } else if (event->type() == QEvent::FontChange &&
               (set_properties(widget->font()) & QFont::FamilyResolved)) {
        // A font the sheet gives wins over one set on the widget (Qt 5 applies it again on
        // every font change), so the sheet is renamed first.
        use_installed_families_in_sheet(*widget);
        const QString family = installed_family(widget->font().family());
        if (family != widget->font().family()) {
            QFont font = widget->font();
            font.setFamily(family);
            widget->setFont(font);
        }
    }
    return false;
}
