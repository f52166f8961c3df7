// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "mainwindow/style_buttons.h"
#include "ramps/previews.h"

namespace {
// Wizard pages by their index in the page stack (and in the help stack).
enum Page : int {
    IntroductionPage = 0,
    PlayerStylePage = 1,
    PlayerParametersPage = 2,
    EngramStylePage = 3,
    EngramParametersPage = 4,
    CreatureStylePage = 5,
    CreatureParametersPage = 6,
    CustomisationPage = 7,
    SummaryPage = 8,
};
} // namespace

// Pages whose ramp is not computed are jumped over; Back mirrors Next for the same choices.
void MainWindow::on_btn_next_page_clicked()
{
    const bool player_skipped = form->player_skip->isChecked();
    switch (form->stackedWidget->currentIndex()) {
    case IntroductionPage:
        switch_to_page(PlayerStylePage);
        form->btn_prev_page->setEnabled(true);
        break;
    case PlayerStylePage:
        switch_to_page(player_skipped || form->player_stock->isChecked() ? EngramStylePage
                                                                         : PlayerParametersPage);
        break;
    case PlayerParametersPage:
        switch_to_page(EngramStylePage);
        break;
    case EngramStylePage:
        if (!form->player_eng_skip->isChecked())
            switch_to_page(EngramParametersPage);
        else
            switch_to_page(player_skipped ? CustomisationPage : CreatureStylePage);
        break;
    case EngramParametersPage:
        switch_to_page(player_skipped ? CustomisationPage : CreatureStylePage);
        break;
    case CreatureStylePage:
        switch_to_page(form->dino_skip->isChecked() || player_skipped ? CustomisationPage
                                                                      : CreatureParametersPage);
        break;
    case CreatureParametersPage:
        switch_to_page(CustomisationPage);
        break;
    case CustomisationPage:
        form->btn_next_page->setEnabled(false);
        switch_to_page(SummaryPage);
        break;
    default:
        break;
    }
}

void MainWindow::on_btn_prev_page_clicked()
{
    switch (form->stackedWidget->currentIndex()) {
    case PlayerStylePage:
        form->btn_prev_page->setEnabled(false);
        switch_to_page(IntroductionPage);
        break;
    case PlayerParametersPage:
        switch_to_page(PlayerStylePage);
        break;
    case EngramStylePage:
        switch_to_page(form->player_skip->isChecked() || form->player_stock->isChecked()
                           ? PlayerStylePage
                           : PlayerParametersPage);
        break;
    case EngramParametersPage:
        switch_to_page(EngramStylePage);
        break;
    case CreatureStylePage:
        switch_to_page(form->player_eng_skip->isChecked() ? EngramStylePage : EngramParametersPage);
        break;
    case CreatureParametersPage:
        switch_to_page(CreatureStylePage);
        break;
    case CustomisationPage:
        if (form->player_skip->isChecked())
            switch_to_page(form->player_eng_skip->isChecked() ? EngramStylePage
                                                              : EngramParametersPage);
        else
            switch_to_page(form->dino_skip->isChecked() ? CreatureStylePage
                                                        : CreatureParametersPage);
        break;
    case SummaryPage:
        switch_to_page(CustomisationPage);
        form->btn_next_page->setEnabled(true);
        break;
    default:
        break;
    }
}

void MainWindow::switch_to_page(int page)
{
    // An exponential ramp that passes what the game can read may not be left, either way.
    const int current = form->stackedWidget->currentIndex();
    if (current == PlayerParametersPage && form->player_mmo->isChecked() &&
        !xp_within_limit(form->player_xp_difficulty->value(), form->player_target_lvl->value())) {
        show_overflow(player_experience, true);
        return;
    }
    if (current == CreatureParametersPage && form->dino_mmo->isChecked() &&
        !xp_within_limit(form->dino_difficulty->value(), form->dino_target_level->value())) {
        show_overflow(creature_experience, true);
        return;
    }
    show_overflow(creature_experience, false);
    show_overflow(player_experience, false);
    if (page == SummaryPage)
        fill_summary();
    form->Help_pgs->setCurrentIndex(page);
    form->stackedWidget->setCurrentIndex(page);
    form->pages_progress->setValue(page);
    // Next is disabled on the summary: Generate takes the focus, so that Return generates
    // rather than pressing whatever the focus fell to.
    if (page == SummaryPage)
        form->Gen_btn->setFocus();
}

namespace {
QString on_off(bool ticked)
{
    return ticked ? QStringLiteral("On") : QStringLiteral("Off");
}
QString scaling_text(double scaling)
{
    return QString::number(scaling, 'g', 6);
}
// A style's words on the summary page; an unchosen style leaves the label as it was.
template <typename Style>
void show_summary(QLabel &label, Style style, const QString &prefix = QString())
{
    if (const StyleRow<Style> *row = style_row(style))
        label.setText(prefix + QLatin1String(row->summary));
}
} // namespace

void MainWindow::fill_summary()
{
    const bool creature_is_player_stock = dino_locked_to_stock && form->player_stock->isChecked();

    form->lbl_addFirstLine->setText(on_off(form->Add_SS->isChecked()));
    form->lbl_addCustomCode->setText(on_off(form->Add_CustomCode->isChecked()));
    form->lbl_addMaxXp->setText(on_off(form->Add_MaxXp->isChecked()));

    if (creature_is_player_stock)
        form->lbl_dino_lvl_max->setText(QStringLiteral("115"));
    else if (form->dino_skip->isChecked())
        form->lbl_dino_lvl_max->setText(QStringLiteral("Ark Stock DINO curve"));
    else
        form->lbl_dino_lvl_max->setText(QString::number(form->dino_target_level->value()));

    if (creature_is_player_stock || form->dino_skip->isChecked())
        form->lbl_dino_lvl_scale->setText(QStringLiteral("n/a"));
    else
        form->lbl_dino_lvl_scale->setText(scaling_text(form->dino_difficulty->value()));

    using Creature = GameIniChoices::Creature;
    const Creature creature = checked_style<Creature>(*this);
    if (creature != Creature::Stock && form->player_skip->isChecked())
        form->lbl_dino_lvl_style->setText(QStringLiteral("Skiped cause player is skipped"));
    else
        show_summary(*form->lbl_dino_lvl_style,
                     creature != Creature::Stock && creature_is_player_stock ? Creature::PlayerStock
                                                                             : creature);

    const auto engram = checked_style<GameIniChoices::Engram>(*this);
    show_summary(*form->lbl_player_eng_style, engram,
                 reversible(engram) && form->player_eng_reverse_mode->isChecked()
                     ? QStringLiteral("Reversed ")
                     : QString());

    const bool player_stock = form->player_stock->isChecked();
    form->lbl_player_lvl_max->setText(
        player_stock ? QStringLiteral("115") : QString::number(form->player_target_lvl->value()));
    form->lbl_player_lvl_scale->setText(
        player_stock ? QStringLiteral("n/a") : scaling_text(form->player_xp_difficulty->value()));
    show_summary(*form->lbl_player_lvl_style, checked_style<GameIniChoices::Player>(*this));
}
