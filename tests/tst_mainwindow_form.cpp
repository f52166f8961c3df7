// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow/mainwindow.h"
#include "mainwindow/resource_bundle.h"

#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QtTest>

static const ResourceBundle resources;

namespace {
// Later code and the users' own notes refer to the form's widgets by these names.
// clang-format off
const std::pair<const char *, const char *> kFormWidgets[] = {
    {"QWidget", "centralWidget index_0_introduction index_1_choose_pl_xp_type"
                " index_2_choose_pl_xp_param index_3_choose_pl_eng_type"
                " index_4_choose_pl_eng_param index_5_choose_din_xp_type"
                " index_6_choose_din_xp_param index_7_custom_cfg_lines"
                " index_8_thx_for_using_page widget_5"},
    {"QStackedWidget", "stackedWidget Help_pgs"},
    {"QPushButton", "btn_next_page btn_prev_page pushButton_5 pushButton_6 btn_walkmethro"
                    " player_xp_refresh_button player_eng_refresh_button"
                    " copy_player2dino_settings dino_xp_refresh_button btn_revert Gen_btn"
                    " don_btn GtT_con"},
    {"QProgressBar", "pages_progress"},
    {"QLabel", "label_47 label_2 label_48 label_3 label_4 label_5 label_6 label_7 label_10"
               " label_14 label_15 label label_49 tblCrn lbl_error_player label_37 label_38"
               " label_39 label_40 label_41 label_42 label_43 label_30 label_31"
               " no_player_xp_notification label_50 label_16 label_17 label_18 label_19 label_20"
               " label_22 label_26 label_27 label_11 label_8 lbl_error_dino tblCrn_2 label_28"
               " label_32 label_12 lbl_player_lvl_style lbl_player_lvl_max lbl_player_lvl_scale"
               " lbl_player_eng_style lbl_dino_lvl_style lbl_dino_lvl_max lbl_dino_lvl_scale"
               " lbl_addFirstLine lbl_addCustomCode"},
    {"QTextBrowser", "textBrowser textBrowser_2 textBrowser_4 textBrowser_5 textBrowser_3"},
    {"QRadioButton", "player_linear player_skip player_curve player_mmo player_stock"
                     " player_eng_curve player_eng_skip player_eng_mmo player_eng_linear"
                     " dino_lin dino_curve dino_mmo dino_skip"},
    {"QSlider", "slider_player_xp_difficulty slider_player_max_lvl player_eng_difficulty_slider"
                " slider_dino_level slider_dino_difficulty"},
    {"QSpinBox", "player_target_lvl no_player_xp_max_engram_level dino_target_level"},
    {"QTableWidget", "estimated_player_xp estimated_eng estimated_dino_xp"},
    {"QCheckBox", "player_xp_param_live_refresh player_eng_reverse_mode"
                  " player_eng_real_time_refresh dino_xp_real_time_refresh Add_CustomCode Add_SS"},
    {"QDoubleSpinBox", "player_xp_difficulty player_eng_difficulty dino_difficulty"},
    {"QTextEdit", "textInput_custom_code"}};
// clang-format on

} // namespace

class TestMainWindowForm : public QObject
{
    Q_OBJECT

private slots:
    void names_and_classes_data();
    void names_and_classes();
    void help_pages_hold_their_browsers_in_order();
    void wiki_links_open_outside();
    void page_buttons_show_their_images();

private:
    MainWindow window;
};

void TestMainWindowForm::names_and_classes_data()
{
    QTest::addColumn<QString>("class_name");
    for (const auto &[class_name, names] : kFormWidgets)
        for (const QString &name : QString::fromLatin1(names).split(' '))
            QTest::newRow(qPrintable(name)) << QString::fromLatin1(class_name);
}

void TestMainWindowForm::names_and_classes()
{
    QFETCH(QString, class_name);
    const auto found = window.findChildren<QWidget *>(QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(found.size(), 1);
    QCOMPARE(QString::fromLatin1(found.first()->metaObject()->className()), class_name);
}

void TestMainWindowForm::help_pages_hold_their_browsers_in_order()
{
    const auto *help = window.findChild<QStackedWidget *>("Help_pgs");
    const QStringList in_order =
        QStringLiteral("Hlp_intro Hlp_plrXPc Hlp_plrXPs Hlp_plrSPc "
                       "Hlp_plrSPs Hlp_dnoXPc Hlp_dnoXPs Hlp_conFig Hlp_End")
            .split(' ');
    QCOMPARE(help->count(), in_order.size());
    for (int i = 0; i < help->count(); ++i) {
        const QWidget *page = help->widget(i);
        QCOMPARE(page->objectName(), QStringLiteral("H_pge%1").arg(i));
        const auto browsers = page->findChildren<QTextBrowser *>();
        QCOMPARE(browsers.size(), 1);
        QCOMPARE(browsers.first()->objectName(), in_order.at(i));
    }
}

void TestMainWindowForm::wiki_links_open_outside()
{
    for (const char *name : {"textBrowser_2", "Hlp_conFig"}) {
        const auto *browser = window.findChild<QTextBrowser *>(name);
        // A link must open in the desktop's browser, never inside the help text.
        QVERIFY2(browser && browser->openExternalLinks(), name);
        QVERIFY2(browser->toHtml().contains(
                     "href=\"https://ark.wiki.gg/wiki/Server_configuration#Game.ini\""),
                 name);
    }
}

void TestMainWindowForm::page_buttons_show_their_images()
{
    // The images of the normal, pressed and disabled states, in that order.
    const auto images_of = [this](const QString &name) {
        const QString sheet = window.findChild<QPushButton *>(name)->styleSheet();
        const QString image = R"(\s*\{[^}]*border-image:\s*url\(:/img/graph/(\w+)\.png\))";
        QStringList images;
        for (const char *state : {"", ":pressed", ":disabled"})
            images << QRegularExpression('#' + name + state + image).match(sheet).captured(1);
        return images;
    };
    QCOMPARE(images_of("btn_next_page"), QStringList({"FFbut", "FLbut", "SSbut"}));
    QCOMPARE(images_of("btn_prev_page"), QStringList({"BFbut", "BLbut", "SBbut"}));
    QCOMPARE(window.findChild<QStackedWidget *>("stackedWidget")->currentIndex(), 0);
    QVERIFY(!window.findChild<QPushButton *>("btn_prev_page")->isEnabled());
}

QTEST_MAIN(TestMainWindowForm)
#include "tst_mainwindow_form.moc"
