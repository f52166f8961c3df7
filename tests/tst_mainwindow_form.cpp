#include "mainwindow/mainwindow.h"
#include "mainwindow/resource_bundle.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QtTest>

#include <memory>

static const ResourceBundle resources;

namespace
{
const QString kWikiLink = QStringLiteral("https://ark.wiki.gg/wiki/Server_configuration#Game.ini");

const QStringList kWizardPages = {
    "index_0_introduction",        "index_1_choose_pl_xp_type",   "index_2_choose_pl_xp_param",
    "index_3_choose_pl_eng_type",  "index_4_choose_pl_eng_param", "index_5_choose_din_xp_type",
    "index_6_choose_din_xp_param", "index_7_custom_cfg_lines",    "index_8_thx_for_using_page"};

const QStringList kHelpBrowsers = {"Hlp_intro",  "Hlp_plrXPc", "Hlp_plrXPs",
                                   "Hlp_plrSPc", "Hlp_plrSPs", "Hlp_dnoXPc",
                                   "Hlp_dnoXPs", "Hlp_conFig", "Hlp_End"};

template <typename T> T *child(const QWidget &window, const QString &name)
{
    return window.findChild<T *>(name);
}

// What a person reads: rich text reduced to its words, blanks collapsed.
QString shown_text(const QString &text)
{
    const QString plain =
        Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
    return plain.simplified();
}

QStringList widget_children(const QWidget &parent)
{
    QStringList names;
    for (const QObject *object : parent.children())
        if (object->isWidgetType())
            names << object->objectName();
    return names;
}

QStringList header_texts(const QTableWidget &table, Qt::Orientation orientation)
{
    QStringList texts;
    const int count = orientation == Qt::Horizontal ? table.columnCount() : table.rowCount();
    for (int i = 0; i < count; ++i) {
        const QTableWidgetItem *item = orientation == Qt::Horizontal ? table.horizontalHeaderItem(i)
                                                                     : table.verticalHeaderItem(i);
        texts << (item ? item->text() : QString());
    }
    return texts;
}

QStringList style_sheet_warnings;

void collect_style_sheet_warnings(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (message.contains(QLatin1String("stylesheet"), Qt::CaseInsensitive))
        style_sheet_warnings << message;
}
} // namespace

class TestMainWindowForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void names_and_classes_data();
    void names_and_classes();
    void geometry_data();
    void geometry();
    void ranges_data();
    void ranges();
    void scaling_spin_boxes_data();
    void scaling_spin_boxes();
    void texts_data();
    void texts();
    void preview_tables_data();
    void preview_tables();
    void pictures_data();
    void pictures();
    void raise_order_data();
    void raise_order();
    void start_selections();
    void custom_code_box_empties_and_enables_editor();
    void reverse_curves_swap_pictures();
    void minimise_button_minimises();
    void page_stacks_start_in_step();
    void help_pages_data();
    void help_pages();
    void wiki_links_data();
    void wiki_links();
    void style_sheets_parse();

private:
    // One window for the tests that only read the form; tests that click get their own.
    std::unique_ptr<MainWindow> window;
};

void TestMainWindowForm::initTestCase()
{
    window = std::make_unique<MainWindow>();
}

void TestMainWindowForm::cleanupTestCase()
{
    window.reset();
}

void TestMainWindowForm::names_and_classes_data()
{
    QTest::addColumn<QString>("class_name");
    QTest::addColumn<QString>("parent");
    const auto row = [](const char *name, const char *class_name, const char *parent) {
        QTest::newRow(name) << QString::fromLatin1(class_name) << QString::fromLatin1(parent);
    };
    row("centralWidget", "QWidget", "MainWindow");
    row("stackedWidget", "QStackedWidget", "centralWidget");
    row("index_0_introduction", "QWidget", "stackedWidget");
    row("index_1_choose_pl_xp_type", "QWidget", "stackedWidget");
    row("index_2_choose_pl_xp_param", "QWidget", "stackedWidget");
    row("index_3_choose_pl_eng_type", "QWidget", "stackedWidget");
    row("index_4_choose_pl_eng_param", "QWidget", "stackedWidget");
    row("index_5_choose_din_xp_type", "QWidget", "stackedWidget");
    row("index_6_choose_din_xp_param", "QWidget", "stackedWidget");
    row("index_7_custom_cfg_lines", "QWidget", "stackedWidget");
    row("index_8_thx_for_using_page", "QWidget", "stackedWidget");
    row("btn_next_page", "QPushButton", "centralWidget");
    row("btn_prev_page", "QPushButton", "centralWidget");
    row("pages_progress", "QProgressBar", "centralWidget");
    row("pushButton_5", "QPushButton", "centralWidget");
    row("widget_5", "QWidget", "centralWidget");
    row("label_47", "QLabel", "centralWidget");
    row("pushButton_6", "QPushButton", "centralWidget");
    row("Help_pgs", "QStackedWidget", "centralWidget");
    row("btn_walkmethro", "QPushButton", "centralWidget");
    row("textBrowser", "QTextBrowser", "index_0_introduction");
    row("label_2", "QLabel", "index_0_introduction");
    row("label_48", "QLabel", "index_0_introduction");
    row("textBrowser_2", "QTextBrowser", "index_0_introduction");
    row("label_3", "QLabel", "index_1_choose_pl_xp_type");
    row("label_4", "QLabel", "index_1_choose_pl_xp_type");
    row("label_5", "QLabel", "index_1_choose_pl_xp_type");
    row("label_6", "QLabel", "index_1_choose_pl_xp_type");
    row("player_linear", "QRadioButton", "index_1_choose_pl_xp_type");
    row("player_skip", "QRadioButton", "index_1_choose_pl_xp_type");
    row("player_curve", "QRadioButton", "index_1_choose_pl_xp_type");
    row("player_mmo", "QRadioButton", "index_1_choose_pl_xp_type");
    row("label_7", "QLabel", "index_1_choose_pl_xp_type");
    row("player_stock", "QRadioButton", "index_1_choose_pl_xp_type");
    row("label_10", "QLabel", "index_2_choose_pl_xp_param");
    row("slider_player_xp_difficulty", "QSlider", "index_2_choose_pl_xp_param");
    row("label_14", "QLabel", "index_2_choose_pl_xp_param");
    row("player_target_lvl", "QSpinBox", "index_2_choose_pl_xp_param");
    row("slider_player_max_lvl", "QSlider", "index_2_choose_pl_xp_param");
    row("label_15", "QLabel", "index_2_choose_pl_xp_param");
    row("estimated_player_xp", "QTableWidget", "index_2_choose_pl_xp_param");
    row("player_xp_param_live_refresh", "QCheckBox", "index_2_choose_pl_xp_param");
    row("player_xp_refresh_button", "QPushButton", "index_2_choose_pl_xp_param");
    row("label", "QLabel", "index_2_choose_pl_xp_param");
    row("label_49", "QLabel", "index_2_choose_pl_xp_param");
    row("player_xp_difficulty", "QDoubleSpinBox", "index_2_choose_pl_xp_param");
    row("tblCrn", "QLabel", "index_2_choose_pl_xp_param");
    row("lbl_error_player", "QLabel", "index_2_choose_pl_xp_param");
    row("label_37", "QLabel", "index_3_choose_pl_eng_type");
    row("label_38", "QLabel", "index_3_choose_pl_eng_type");
    row("player_eng_curve", "QRadioButton", "index_3_choose_pl_eng_type");
    row("label_39", "QLabel", "index_3_choose_pl_eng_type");
    row("player_eng_skip", "QRadioButton", "index_3_choose_pl_eng_type");
    row("player_eng_mmo", "QRadioButton", "index_3_choose_pl_eng_type");
    row("label_40", "QLabel", "index_3_choose_pl_eng_type");
    row("player_eng_linear", "QRadioButton", "index_3_choose_pl_eng_type");
    row("label_41", "QLabel", "index_3_choose_pl_eng_type");
    row("player_eng_reverse_mode", "QCheckBox", "index_3_choose_pl_eng_type");
    row("label_42", "QLabel", "index_3_choose_pl_eng_type");
    row("label_43", "QLabel", "index_3_choose_pl_eng_type");
    row("label_30", "QLabel", "index_4_choose_pl_eng_param");
    row("player_eng_difficulty_slider", "QSlider", "index_4_choose_pl_eng_param");
    row("label_31", "QLabel", "index_4_choose_pl_eng_param");
    row("estimated_eng", "QTableWidget", "index_4_choose_pl_eng_param");
    row("no_player_xp_notification", "QLabel", "index_4_choose_pl_eng_param");
    row("no_player_xp_max_engram_level", "QSpinBox", "index_4_choose_pl_eng_param");
    row("player_eng_real_time_refresh", "QCheckBox", "index_4_choose_pl_eng_param");
    row("player_eng_refresh_button", "QPushButton", "index_4_choose_pl_eng_param");
    row("label_50", "QLabel", "index_4_choose_pl_eng_param");
    row("textBrowser_4", "QTextBrowser", "index_4_choose_pl_eng_param");
    row("player_eng_difficulty", "QDoubleSpinBox", "index_4_choose_pl_eng_param");
    row("label_20", "QLabel", "index_5_choose_din_xp_type");
    row("dino_lin", "QRadioButton", "index_5_choose_din_xp_type");
    row("label_17", "QLabel", "index_5_choose_din_xp_type");
    row("label_19", "QLabel", "index_5_choose_din_xp_type");
    row("label_18", "QLabel", "index_5_choose_din_xp_type");
    row("dino_curve", "QRadioButton", "index_5_choose_din_xp_type");
    row("label_16", "QLabel", "index_5_choose_din_xp_type");
    row("dino_mmo", "QRadioButton", "index_5_choose_din_xp_type");
    row("dino_skip", "QRadioButton", "index_5_choose_din_xp_type");
    row("label_22", "QLabel", "index_6_choose_din_xp_param");
    row("slider_dino_level", "QSlider", "index_6_choose_din_xp_param");
    row("dino_target_level", "QSpinBox", "index_6_choose_din_xp_param");
    row("slider_dino_difficulty", "QSlider", "index_6_choose_din_xp_param");
    row("label_26", "QLabel", "index_6_choose_din_xp_param");
    row("estimated_dino_xp", "QTableWidget", "index_6_choose_din_xp_param");
    row("label_27", "QLabel", "index_6_choose_din_xp_param");
    row("copy_player2dino_settings", "QPushButton", "index_6_choose_din_xp_param");
    row("dino_xp_real_time_refresh", "QCheckBox", "index_6_choose_din_xp_param");
    row("dino_xp_refresh_button", "QPushButton", "index_6_choose_din_xp_param");
    row("dino_difficulty", "QDoubleSpinBox", "index_6_choose_din_xp_param");
    row("label_11", "QLabel", "index_6_choose_din_xp_param");
    row("label_8", "QLabel", "index_6_choose_din_xp_param");
    row("lbl_error_dino", "QLabel", "index_6_choose_din_xp_param");
    row("tblCrn_2", "QLabel", "index_6_choose_din_xp_param");
    row("btn_revert", "QPushButton", "index_6_choose_din_xp_param");
    row("textInput_custom_code", "QTextEdit", "index_7_custom_cfg_lines");
    row("label_28", "QLabel", "index_7_custom_cfg_lines");
    row("Add_CustomCode", "QCheckBox", "index_7_custom_cfg_lines");
    row("Add_SS", "QCheckBox", "index_7_custom_cfg_lines");
    row("Gen_btn", "QPushButton", "index_8_thx_for_using_page");
    row("label_32", "QLabel", "index_8_thx_for_using_page");
    row("don_btn", "QPushButton", "index_8_thx_for_using_page");
    row("GtT_con", "QPushButton", "index_8_thx_for_using_page");
    row("textBrowser_5", "QTextBrowser", "index_8_thx_for_using_page");
    row("label_12", "QLabel", "index_8_thx_for_using_page");
    row("lbl_player_lvl_style", "QLabel", "index_8_thx_for_using_page");
    row("lbl_player_lvl_max", "QLabel", "index_8_thx_for_using_page");
    row("lbl_player_lvl_scale", "QLabel", "index_8_thx_for_using_page");
    row("lbl_player_eng_style", "QLabel", "index_8_thx_for_using_page");
    row("lbl_dino_lvl_style", "QLabel", "index_8_thx_for_using_page");
    row("lbl_dino_lvl_max", "QLabel", "index_8_thx_for_using_page");
    row("lbl_dino_lvl_scale", "QLabel", "index_8_thx_for_using_page");
    row("lbl_addFirstLine", "QLabel", "index_8_thx_for_using_page");
    row("lbl_addCustomCode", "QLabel", "index_8_thx_for_using_page");
    row("textBrowser_3", "QTextBrowser", "index_8_thx_for_using_page");
    row("H_pge0", "QWidget", "Help_pgs");
    row("H_pge1", "QWidget", "Help_pgs");
    row("H_pge2", "QWidget", "Help_pgs");
    row("H_pge3", "QWidget", "Help_pgs");
    row("H_pge4", "QWidget", "Help_pgs");
    row("H_pge5", "QWidget", "Help_pgs");
    row("H_pge6", "QWidget", "Help_pgs");
    row("H_pge7", "QWidget", "Help_pgs");
    row("H_pge8", "QWidget", "Help_pgs");
    row("Hlp_intro", "QTextBrowser", "H_pge0");
    row("Hlp_plrXPc", "QTextBrowser", "H_pge1");
    row("Hlp_plrXPs", "QTextBrowser", "H_pge2");
    row("Hlp_plrSPc", "QTextBrowser", "H_pge3");
    row("Hlp_plrSPs", "QTextBrowser", "H_pge4");
    row("Hlp_dnoXPc", "QTextBrowser", "H_pge5");
    row("Hlp_dnoXPs", "QTextBrowser", "H_pge6");
    row("Hlp_conFig", "QTextBrowser", "H_pge7");
    row("Hlp_End", "QTextBrowser", "H_pge8");
}

void TestMainWindowForm::names_and_classes()
{
    QFETCH(QString, class_name);
    QFETCH(QString, parent);
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    const QList<QWidget *> found = window->findChildren<QWidget *>(name);
    QCOMPARE(found.size(), 1);
    QCOMPARE(QString::fromLatin1(found.first()->metaObject()->className()), class_name);
    QCOMPARE(found.first()->parentWidget()->objectName(), parent);
}

void TestMainWindowForm::geometry_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::newRow("stackedWidget") << QRect(4, 33, 693, 421);
    QTest::newRow("widget_5") << QRect(0, 0, 956, 531);
    QTest::newRow("btn_next_page") << QRect(565, 461, 120, 60);
    QTest::newRow("btn_prev_page") << QRect(15, 461, 120, 60);
    QTest::newRow("pages_progress") << QRect(140, 466, 421, 51);
    QTest::newRow("pushButton_5") << QRect(645, 5, 46, 23);
    QTest::newRow("pushButton_6") << QRect(590, 5, 46, 23);
    QTest::newRow("btn_walkmethro") << QRect(536, 5, 46, 23);
    QTest::newRow("label_47") << QRect(290, 480, 131, 21);
    QTest::newRow("Help_pgs") << QRect(710, 10, 231, 501);
    QTest::newRow("textBrowser_2") << QRect(151, 200, 390, 181);
    QTest::newRow("label_48") << QRect(221, 5, 250, 51);
    QTest::newRow("label_6") << QRect(395, 285, 250, 110);
    QTest::newRow("player_skip") << QRect(246, 60, 200, 17);
    QTest::newRow("slider_player_xp_difficulty") << QRect(15, 390, 662, 21);
    QTest::newRow("player_xp_difficulty") << QRect(310, 359, 71, 20);
    QTest::newRow("estimated_player_xp") << QRect(430, 110, 221, 141);
    QTest::newRow("player_xp_refresh_button") << QRect(545, 91, 18, 18);
    QTest::newRow("lbl_error_player") << QRect(460, 25, 231, 66);
    QTest::newRow("label_38") << QRect(48, 120, 250, 110);
    QTest::newRow("label_42") << QRect(48, 120, 250, 110);
    QTest::newRow("player_eng_reverse_mode") << QRect(296, 65, 101, 17);
    QTest::newRow("player_eng_difficulty_slider") << QRect(10, 353, 671, 25);
    QTest::newRow("estimated_eng") << QRect(430, 110, 251, 171);
    QTest::newRow("no_player_xp_max_engram_level") << QRect(220, 205, 71, 30);
    QTest::newRow("player_eng_refresh_button") << QRect(544, 89, 18, 18);
    QTest::newRow("dino_skip") << QRect(395, 260, 241, 17);
    QTest::newRow("tblCrn_2") << QRect(427, 108, 51, 20);
    QTest::newRow("btn_revert") << QRect(50, 175, 90, 30);
    QTest::newRow("textInput_custom_code") << QRect(10, 100, 671, 311);
    QTest::newRow("Add_CustomCode") << QRect(560, 70, 111, 31);
    QTest::newRow("Gen_btn") << QRect(156, 350, 380, 60);
    QTest::newRow("textBrowser_5") << QRect(30, 140, 286, 175);
    QTest::newRow("lbl_player_lvl_scale") << QRect(160, 188, 71, 16);
    QTest::newRow("lbl_addCustomCode") << QRect(160, 277, 47, 13);
    QTest::newRow("textBrowser_3") << QRect(360, 120, 256, 192);
}

void TestMainWindowForm::geometry()
{
    QFETCH(QRect, rect);
    const auto *widget = child<QWidget>(*window, QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), rect);
}

void TestMainWindowForm::ranges_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");
    QTest::newRow("pages_progress") << 0 << 8 << 0;
    QTest::newRow("player_target_lvl") << 10 << 4000 << 115;
    QTest::newRow("slider_player_max_lvl") << 10 << 4000 << 115;
    QTest::newRow("no_player_xp_max_engram_level") << 10 << 4000 << 115;
    QTest::newRow("dino_target_level") << 10 << 4000 << 71;
    QTest::newRow("slider_dino_level") << 10 << 4000 << 71;
}

void TestMainWindowForm::ranges()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, value);
    const auto *widget = child<QWidget>(*window, QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(widget);
    QCOMPARE(widget->property("minimum").toInt(), minimum);
    QCOMPARE(widget->property("maximum").toInt(), maximum);
    QCOMPARE(widget->property("value").toInt(), value);
    const QVariant orientation = widget->property("orientation");
    if (orientation.isValid())
        QCOMPARE(orientation.value<Qt::Orientation>(), Qt::Horizontal);
}

void TestMainWindowForm::scaling_spin_boxes_data()
{
    QTest::addColumn<QString>("slider");
    QTest::addColumn<bool>("digits_only");
    QTest::newRow("player_xp_difficulty") << "slider_player_xp_difficulty" << true;
    QTest::newRow("player_eng_difficulty") << "player_eng_difficulty_slider" << false;
    QTest::newRow("dino_difficulty") << "slider_dino_difficulty" << false;
}

void TestMainWindowForm::scaling_spin_boxes()
{
    QFETCH(QString, slider);
    QFETCH(bool, digits_only);
    const auto *spin = child<QDoubleSpinBox>(*window, QString::fromLatin1(QTest::currentDataTag()));
    const auto *bar = child<QSlider>(*window, slider);
    QVERIFY(spin && bar);
    // The slider holds the spin box's value times 1000: three decimals, one slider step each.
    QCOMPARE(spin->decimals(), 3);
    QCOMPARE(spin->singleStep(), 0.001);
    QCOMPARE(bar->singleStep(), 1);
    QCOMPARE(bar->orientation(), Qt::Horizontal);
    QCOMPARE(bool(spin->inputMethodHints() & Qt::ImhDigitsOnly), digits_only);
    if (digits_only)
        QCOMPARE(spin->correctionMode(), QAbstractSpinBox::CorrectToNearestValue);
}

void TestMainWindowForm::texts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char *name, const char *property, const QString &expected) {
        QTest::addRow("%s %s", name, property)
            << QString::fromLatin1(name) << QByteArray(property) << expected;
    };
    row("MainWindow", "windowTitle", "MainWindow");
    row("btn_next_page", "toolTip", "Next");
    row("btn_prev_page", "toolTip", "Back");
    row("pages_progress", "toolTip", "Progress Bar");
    row("pushButton_5", "toolTip", "Close");
    row("pushButton_5", "text", "X");
    row("pushButton_6", "toolTip", "Minimize");
    row("pushButton_6", "text", QString(QChar(0x25AC)));
    row("btn_walkmethro", "toolTip", "Help");
    row("btn_walkmethro", "text", "?");
    row("label_47", "text", "Progression");
    row("label_48", "text", "Quillmark");
    row("label_2", "text", "v. 4.6.101 Release Candidate 2");
    row("textBrowser", "plainText",
        "Hello Fellow Users Welcome to Version 4 of Quillmark, an easy to use level and engram "
        "generator. With multiple choices to help customize a leveling system, to meet many of "
        "your needs.");
    row("player_linear", "text", "Static/ Linear");
    row("player_skip", "text", "Skip All Level Overrides");
    row("player_curve", "text", "TableTop/ Complex curve");
    row("player_mmo", "text", "Traditional MMO/ Exponential");
    row("player_stock", "text", "Ark Stock");
    row("label_7", "text", "Player Leveling Style");
    row("label_10", "text", "Player Levels");
    row("label_14", "text", "Scaling:");
    row("label_15", "text", "Levels:");
    row("player_xp_param_live_refresh", "text", "Real-time Refresh");
    row("label_49", "text", "Manual Refresh");
    row("tblCrn", "text", "Level %");
    row("label", "text",
        "Select the number of levels you desire for your players, then adjust the scaling value "
        "to determine the amount of experience. Ascension is automatically the last 15 levels. "
        "For your convenience we have added a preview which you can manually refresh or check "
        "the box for real-time(may cause some lag).");
    row("lbl_error_player", "text",
        "ERROR - cant progress! XP values to high Fix it before proceeding.");
    row("player_eng_curve", "text", "Logarithmic");
    row("player_eng_skip", "text", "Stock Engram");
    row("player_eng_mmo", "text", "Linear");
    row("player_eng_linear", "text", "Static");
    row("label_41", "text", "Engram/Skill Point Style");
    row("player_eng_reverse_mode", "text", "Reverse Curves");
    row("label_30", "text", "Engram/Skill Points");
    row("label_31", "text", "Scaling:");
    row("no_player_xp_notification", "text", "Input max level:");
    row("player_eng_real_time_refresh", "text", "Real-time Refresh");
    row("label_50", "text", "Manual Refresh");
    row("textBrowser_4", "plainText",
        "If you Skipped leveling adjustments input the max level you want below.  Then select "
        "the scaling value to determine the amount of points(pts). For your convenience we have "
        "added a preview which you can manually refresh or check the box for real-time(may "
        "cause some lag).");
    row("dino_lin", "text", "Static/ Linear");
    row("label_17", "text", "Creature Levels Style");
    row("dino_curve", "text", "TableTop/ Complex Polynomial curve");
    row("dino_mmo", "text", "Traditional MMO/ Exponential");
    row("dino_skip", "text", "Ark  Stock");
    row("label_22", "text", "Levels");
    row("label_26", "text", "Scaling");
    row("label_27", "text", "Creature Levels");
    row("copy_player2dino_settings", "text", "Copy Player's Settings");
    row("dino_xp_real_time_refresh", "text", "Real-time Refresh");
    row("label_11", "text", "Manual Refresh");
    row("label_8", "text",
        "Select the number of levels you desire for your creatures, then adjust the scaling "
        "value to determine the amount of experience. For your convenience we have added a "
        "preview which you can manually refresh or check the box for real-time(may cause some "
        "lag).");
    row("lbl_error_dino", "text",
        "ERROR - cant progress! XP values to high Fix it before proceeding.");
    row("tblCrn_2", "text", "Level %");
    row("btn_revert", "text", "Revert");
    row("label_28", "text", "Customization  Options");
    row("Add_CustomCode", "text", "Add custom code");
    row("Add_SS", "text", "Add shootergame script for Ark");
    row("Gen_btn", "text", "Generate Game.ini");
    row("label_32", "text", "Thanx for using our app!");
    row("don_btn", "text", "Donate");
    row("GtT_con", "text", "TBA Con");
    row("label_12", "text", "Summary");
    row("textBrowser_5", "plainText",
        "Player Level style Player Max Level Player Level scale Player Pts Style Creature Level "
        "style Creature Max Level Creature Level scale Shootergame Script Custom Code");
    row("lbl_player_lvl_style", "text", "traditional MMO");
    row("lbl_player_lvl_max", "text", "105");
    row("lbl_player_lvl_scale", "text", "469,311");
    row("lbl_player_eng_style", "text", "Logarythmic");
    row("lbl_dino_lvl_style", "text", "traditional MMO");
    row("lbl_dino_lvl_max", "text", "105");
    row("lbl_dino_lvl_scale", "text", "469,311");
    row("lbl_addFirstLine", "text", "No");
    row("lbl_addCustomCode", "text", "No");
    row("Hlp_intro", "plainText",
        "This guide is here to help you though each step and to give you helpful information.  "
        "Each section may contain or raise questions, this will hopefully answer most of those.");
}

void TestMainWindowForm::texts()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, property);
    QFETCH(QString, expected);
    const QObject *object =
        name == window->objectName() ? window.get() : child<QObject>(*window, name);
    QVERIFY(object);
    const QString value = object->property(property.constData()).toString();
    // Rich text and text documents collapse runs of blanks; plain texts keep them exactly.
    if (property == "plainText" || Qt::mightBeRichText(value))
        QCOMPARE(shown_text(value), expected.simplified());
    else
        QCOMPARE(value, expected);
}

void TestMainWindowForm::preview_tables_data()
{
    QTest::addColumn<QStringList>("columns");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("column_default");
    QTest::addColumn<int>("column_minimum");
    QTest::addColumn<bool>("stretch_last");
    QTest::addColumn<int>("row_default");
    QTest::addColumn<int>("row_minimum");
    const QStringList quarters = {"25%", "50%", "75%", "Max"};
    QTest::newRow("estimated_player_xp")
        << QStringList{"Level", "Experience"} << quarters << 59 << 0 << true << 31 << 26;
    QTest::newRow("estimated_eng")
        << QStringList{"level", "pts per lvl", "pts total"}
        << QStringList{"20%", "40%", "60%", "80%", "Max"} << 59 << 35 << false << 30 << 20;
    QTest::newRow("estimated_dino_xp")
        << QStringList{"level", "xp"} << quarters << 59 << 0 << true << 31 << 26;
}

void TestMainWindowForm::preview_tables()
{
    QFETCH(QStringList, columns);
    QFETCH(QStringList, rows);
    QFETCH(int, column_default);
    QFETCH(int, column_minimum);
    QFETCH(bool, stretch_last);
    QFETCH(int, row_default);
    QFETCH(int, row_minimum);
    const auto *table = child<QTableWidget>(*window, QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(table);
    QCOMPARE(header_texts(*table, Qt::Horizontal), columns);
    QCOMPARE(header_texts(*table, Qt::Vertical), rows);
    QCOMPARE(table->horizontalHeader()->defaultSectionSize(), column_default);
    QCOMPARE(table->horizontalHeader()->minimumSectionSize(), column_minimum);
    QCOMPARE(table->horizontalHeader()->stretchLastSection(), stretch_last);
    QCOMPARE(table->verticalHeader()->defaultSectionSize(), row_default);
    QCOMPARE(table->verticalHeader()->minimumSectionSize(), row_minimum);
    QCOMPARE(table->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(table->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QVERIFY(!table->isSortingEnabled());
    // The value cells exist from the start, so the previews only ever set their texts.
    for (int row = 0; row < table->rowCount(); ++row)
        QVERIFY2(table->item(row, 1), qPrintable(QStringLiteral("row %1").arg(row)));
}

void TestMainWindowForm::pictures_data()
{
    QTest::addColumn<QString>("image");
    QTest::newRow("label_3") << ":/img/graph/XpCurve.jpg";
    QTest::newRow("label_4") << ":/img/graph/XpExpo.jpg";
    QTest::newRow("label_5") << ":/img/graph/XpLinear.jpg";
    QTest::newRow("label_6") << ":/img/graph/XpStock.jpg";
    QTest::newRow("label_37") << ":/img/graph/engStock.jpg";
    QTest::newRow("label_38") << ":/img/graph/engCurve.jpg";
    QTest::newRow("label_39") << ":/img/graph/engLinear.jpg";
    QTest::newRow("label_40") << ":/img/graph/engStatic.jpg";
    QTest::newRow("label_42") << ":/img/graph/RevengCur.jpg";
    QTest::newRow("label_43") << ":/img/graph/RevengLin.jpg";
    QTest::newRow("label_20") << ":/img/graph/DnCurve.jpg";
    QTest::newRow("label_19") << ":/img/graph/DnExpo.jpg";
    QTest::newRow("label_18") << ":/img/graph/DnLinear.jpg";
    QTest::newRow("label_16") << ":/img/graph/DnStock.jpg";
}

void TestMainWindowForm::pictures()
{
    QFETCH(QString, image);
    const auto *label = child<QLabel>(*window, QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(label);
    const QImage expected(image);
    QVERIFY2(!expected.isNull(), qPrintable(image));
    QVERIFY(label->hasScaledContents());
    QCOMPARE(label->pixmap(Qt::ReturnByValue).toImage().convertToFormat(expected.format()),
             expected);
}

void TestMainWindowForm::raise_order_data()
{
    QTest::addColumn<QStringList>("bottom_to_top");
    QTest::newRow("centralWidget") << QStringList{
        "widget_5",     "stackedWidget", "btn_next_page", "btn_prev_page", "pages_progress",
        "pushButton_5", "label_47",      "pushButton_6",  "Help_pgs",      "btn_walkmethro"};
    QTest::newRow("index_3_choose_pl_eng_type") << QStringList{
        "label_37", "player_eng_curve",  "player_eng_skip", "player_eng_mmo",
        "label_40", "player_eng_linear", "label_41",        "player_eng_reverse_mode",
        "label_42", "label_43",          "label_39",        "label_38"};
}

void TestMainWindowForm::raise_order()
{
    QFETCH(QStringList, bottom_to_top);
    const auto *parent = child<QWidget>(*window, QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(parent);
    // Qt keeps a parent's children in stacking order, the topmost last.
    QCOMPARE(widget_children(*parent), bottom_to_top);
}

void TestMainWindowForm::start_selections()
{
    const MainWindow fresh;
    const auto checked = [&fresh](const char *name) {
        const auto *button = child<QAbstractButton>(fresh, QString::fromLatin1(name));
        if (!button)
            qFatal("no button %s", name);
        return button->isChecked();
    };
    QVERIFY(checked("player_mmo"));
    QVERIFY(!checked("player_curve") && !checked("player_linear") && !checked("player_stock") &&
            !checked("player_skip"));
    QVERIFY(checked("player_eng_curve"));
    QVERIFY(!checked("player_eng_mmo") && !checked("player_eng_linear") &&
            !checked("player_eng_skip"));
    QVERIFY(checked("dino_mmo"));
    QVERIFY(!checked("dino_curve") && !checked("dino_lin") && !checked("dino_skip"));
    QVERIFY(checked("Add_SS"));
    QVERIFY(!checked("Add_CustomCode"));
    QVERIFY(!checked("player_eng_reverse_mode"));

    const auto *editor = child<QTextEdit>(fresh, "textInput_custom_code");
    QVERIFY(editor);
    QVERIFY(!editor->isEnabled());
    QCOMPARE(editor->toPlainText(), QStringLiteral("<put custom code here, if you uncheck custom "
                                                   "code all data will be deleted>"));
    QCOMPARE(editor->lineWrapMode(), QTextEdit::NoWrap);
    QCOMPARE(editor->font().family(), QStringLiteral("Lucida Console"));
    QVERIFY(!child<QWidget>(fresh, "GtT_con")->isEnabled());
    QVERIFY(!child<QWidget>(fresh, "estimated_eng")->isEnabled());
}

void TestMainWindowForm::custom_code_box_empties_and_enables_editor()
{
    MainWindow fresh;
    auto *box = child<QCheckBox>(fresh, "Add_CustomCode");
    auto *editor = child<QTextEdit>(fresh, "textInput_custom_code");
    QVERIFY(box && editor);
    for (int click = 1; click <= 4; ++click) {
        editor->setPlainText(QStringLiteral("OverrideMaxExperiencePointsPlayer=%1").arg(click));
        box->click();
        QCOMPARE(box->isChecked(), click % 2 == 1);
        QVERIFY2(editor->toPlainText().isEmpty(), qPrintable(QString::number(click)));
        QCOMPARE(editor->isEnabled(), box->isChecked());
    }
}

void TestMainWindowForm::reverse_curves_swap_pictures()
{
    MainWindow fresh;
    auto *reverse = child<QCheckBox>(fresh, "player_eng_reverse_mode");
    const auto *logarithmic = child<QWidget>(fresh, "label_38");
    const auto *linear = child<QWidget>(fresh, "label_39");
    const auto *reversed_logarithmic = child<QWidget>(fresh, "label_42");
    const auto *reversed_linear = child<QWidget>(fresh, "label_43");
    QVERIFY(reverse && logarithmic && linear && reversed_logarithmic && reversed_linear);
    QVERIFY(!logarithmic->isHidden() && !linear->isHidden());

    reverse->click();
    QVERIFY(reverse->isChecked());
    QVERIFY(logarithmic->isHidden());
    QVERIFY(linear->isHidden());
    QVERIFY(!reversed_logarithmic->isHidden() && !reversed_linear->isHidden());

    reverse->click();
    QVERIFY(!reverse->isChecked());
    QVERIFY(!logarithmic->isHidden());
    QVERIFY(!linear->isHidden());
}

void TestMainWindowForm::minimise_button_minimises()
{
    MainWindow fresh;
    fresh.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fresh));
    child<QPushButton>(fresh, "pushButton_6")->click();
    QTRY_VERIFY(fresh.windowState() & Qt::WindowMinimized);
}

void TestMainWindowForm::page_stacks_start_in_step()
{
    const auto *pages = child<QStackedWidget>(*window, "stackedWidget");
    const auto *help = child<QStackedWidget>(*window, "Help_pgs");
    QVERIFY(pages && help);
    QStringList names;
    for (int i = 0; i < pages->count(); ++i)
        names << pages->widget(i)->objectName();
    QCOMPARE(names, kWizardPages);
    QCOMPARE(help->count(), pages->count());
    QCOMPARE(pages->currentIndex(), 0);
    QCOMPARE(help->currentIndex(), 0);
}

void TestMainWindowForm::help_pages_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("browser");
    for (int i = 0; i < kHelpBrowsers.size(); ++i)
        QTest::addRow("H_pge%d", i) << i << kHelpBrowsers.at(i);
}

void TestMainWindowForm::help_pages()
{
    QFETCH(int, index);
    QFETCH(QString, browser);
    const auto *help = child<QStackedWidget>(*window, "Help_pgs");
    QVERIFY(help);
    const QWidget *page = help->widget(index);
    QVERIFY(page);
    QCOMPARE(page->objectName(), QString::fromLatin1(QTest::currentDataTag()));
    const QList<QTextBrowser *> browsers = page->findChildren<QTextBrowser *>();
    QCOMPARE(browsers.size(), 1);
    QCOMPARE(browsers.first()->objectName(), browser);
    QCOMPARE(browsers.first()->geometry(), QRect(0, 30, 231, 441));
    QVERIFY(browsers.first()->isReadOnly());
    // Only the help for the last page is empty.
    QCOMPARE(browsers.first()->toPlainText().trimmed().isEmpty(), browser == "Hlp_End");
}

void TestMainWindowForm::wiki_links_data()
{
    QTest::addColumn<int>("links");
    QTest::newRow("textBrowser_2") << 2;
    QTest::newRow("Hlp_conFig") << 1;
    QTest::newRow("textBrowser") << 0;
    QTest::newRow("textBrowser_3") << 0;
    QTest::newRow("textBrowser_4") << 0;
    QTest::newRow("textBrowser_5") << 0;
    for (const QString &name : kHelpBrowsers)
        if (name != "Hlp_conFig")
            QTest::newRow(qPrintable(name)) << 0;
}

void TestMainWindowForm::wiki_links()
{
    QFETCH(int, links);
    const auto *browser =
        child<QTextBrowser>(*window, QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(browser);
    const QString html = browser->toHtml();
    QCOMPARE(html.count(QStringLiteral("href=")), links);
    QCOMPARE(html.count(QStringLiteral("href=\"%1\"").arg(kWikiLink)), links);
    // A link must open in the desktop's browser, never inside the help text.
    QCOMPARE(browser->openExternalLinks(), links > 0);
}

void TestMainWindowForm::style_sheets_parse()
{
    style_sheet_warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collect_style_sheet_warnings);
    {
        MainWindow fresh;
        fresh.resize(950, 530);
        fresh.show();
        // Sheets are parsed when a widget is polished and painted: show every page of both stacks.
        for (const char *name : {"stackedWidget", "Help_pgs"}) {
            auto *stack = child<QStackedWidget>(fresh, QString::fromLatin1(name));
            for (int i = 0; stack && i < stack->count(); ++i) {
                stack->setCurrentIndex(i);
                fresh.grab();
            }
        }
    }
    qInstallMessageHandler(previous);
    QVERIFY2(style_sheet_warnings.isEmpty(), qPrintable(style_sheet_warnings.join('\n')));
}

QTEST_MAIN(TestMainWindowForm)
#include "tst_mainwindow_form.moc"
