// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "dialogs/settings.h"
#include "dialogs/show_dialog.h"
#include "mainwindow/font_fallbacks.h"
#include "mainwindow/page_pictures.h"
#include "mainwindow/pages_built_in_place.h"
#include "window_common/window_drag.h"
#include "window_common/window_placement.h"

#include <QDesktopServices>
#include <QScreen>
#include <QUrl>

namespace {
// Where the donation button leads; the project has no donation page of its own yet.
const char *const kDonationPage = "https://example.org/ark/donate/";

const QSize kNarrowSize(700, 530); // the wizard alone
const QSize kWideSize(950, 530);   // the wizard and the help panel at x 710
} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), form(new Ui::MainWindow), drag_offset_x(0), drag_offset_y(0),
      help_panel_open(false), help_panel_shift(0),
      saved_dino_style(GameIniChoices::Creature::Unchosen), saved_dino_difficulty(0),
      saved_dino_target_level(0), saved_slider_dino_difficulty(0), saved_slider_dino_level(0),
      dino_locked_to_stock(false)
{
    {
        const PagesBuiltInPlace pages_built_in_place(*this);
        const InstalledFontFamilies installed_font_families(*this);
        form->setupUi(this);
    }
    set_up_ramp_pages();
    load_pictures_when_shown(*form->stackedWidget);

    form->GtT_con->hide();
    form->btn_prev_page->setEnabled(false);
    form->estimated_player_xp->setEnabled(false);
    form->no_player_xp_max_engram_level->hide();
    form->no_player_xp_notification->hide();

    // The window brings its own title-bar buttons and is dragged by its background.
    setWindowFlags(Qt::FramelessWindowHint);
    qApp->installEventFilter(this);
    resize(kNarrowSize);
    // Out of view, the help texts would still take the keyboard focus.
    form->Help_pgs->hide();

    // The presets store the style codes anew from the buttons the form checks.
    for (RampPage *page : ramp_pages())
        apply_checked_preset(*page);
    set_up_previews();
    for (RampPage *page : ramp_pages())
        page->refresh();

    show_overflow(creature_experience, false);
    show_overflow(player_experience, false);
    form->btn_revert->hide();
    form->stackedWidget->setCurrentIndex(0);

    set_up_keyboard();
    place_on_screen(*this);
}

MainWindow::~MainWindow()
{
    delete form;
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Sees every event of the program: one comparison decides that almost all pass untouched.
    if (watched == form->widget_5)
        follow_drag(*this, drag_offset_x, drag_offset_y, *event);
    return QMainWindow::eventFilter(watched, event);
}

// The panel widens the window to the right; on a small screen the window moves left so that
// the panel is seen, and closing it moves the window back as far.
void MainWindow::on_btn_walkmethro_clicked()
{
    help_panel_open = !help_panel_open;
    if (help_panel_open) {
        const QRect widened(pos(), frameGeometry().size() + QSize(kWideSize.width() - width(), 0));
        const QPoint corner = widened_within(widened, screen()->availableGeometry());
        help_panel_shift = pos().x() - corner.x();
        move(corner);
    } else {
        move(pos() + QPoint(help_panel_shift, 0));
        help_panel_shift = 0;
    }
    resize(help_panel_open ? kWideSize : kNarrowSize);
    form->Help_pgs->setVisible(help_panel_open);
}

void MainWindow::on_pushButton_5_clicked()
{
    close();
}

void MainWindow::on_don_btn_clicked()
{
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(kDonationPage), QUrl::TolerantMode));
}

void MainWindow::on_GtT_con_clicked()
{
    show_dialog<settings>();
}
