#include "dialogs/settings.h"
#include "mainwindow/resource_bundle.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextDocument>
#include <QTextEdit>
#include <QtTest>

#include <algorithm>

static const ResourceBundle resources;

namespace
{

// The text a person reads on the widget, whatever kind of widget it is.
QString shown_text(const QWidget &widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(&widget)) {
        QTextDocument document;
        document.setHtml(label->text());
        return document.toPlainText();
    }
    if (const auto *field = qobject_cast<const QPlainTextEdit *>(&widget))
        return field->toPlainText();
    if (const auto *notice = qobject_cast<const QTextEdit *>(&widget))
        return notice->toPlainText();
    if (const auto *button = qobject_cast<const QAbstractButton *>(&widget))
        return button->text();
    if (const auto *box = qobject_cast<const QGroupBox *>(&widget))
        return box->title();
    return widget.windowTitle();
}

// Everything a person could have changed in the form, one "name=state" line per widget.
QStringList form_state(const settings &dialog)
{
    QStringList state;
    for (const auto *button : dialog.findChildren<QAbstractButton *>())
        state << button->objectName() + '=' + (button->isChecked() ? "on" : "off");
    for (const auto *field : dialog.findChildren<QPlainTextEdit *>())
        state << field->objectName() + '=' + field->toPlainText();
    for (const auto *notice : dialog.findChildren<QTextEdit *>())
        state << notice->objectName() + '=' + notice->toHtml();
    for (const auto *combo : dialog.findChildren<QComboBox *>())
        state << combo->objectName() + '=' + QString::number(combo->currentIndex());
    return state;
}

// The form's state apart from the widgets inside `part`.
QStringList state_outside(const settings &dialog, const QWidget &part)
{
    QStringList state = form_state(dialog);
    for (const auto *widget : part.findChildren<QWidget *>()) {
        const QString prefix = widget->objectName() + '=';
        state.erase(
            std::remove_if(state.begin(), state.end(),
                           [&prefix](const QString &line) { return line.startsWith(prefix); }),
            state.end());
    }
    return state;
}

QStringList checked_radios_in(const QWidget &column)
{
    QStringList names;
    for (const auto *radio : column.findChildren<QRadioButton *>())
        if (radio->isChecked())
            names << radio->objectName();
    return names;
}

} // namespace

class tst_settings_dialog : public QObject
{
    Q_OBJECT

private slots:
    void shows_its_texts_data();
    void shows_its_texts();
    void check_boxes_start_as_set_data();
    void check_boxes_start_as_set();
    void value_columns_data();
    void value_columns();
    void example_list();
    void buttons_change_nothing_data();
    void buttons_change_nothing();
    void choosing_an_example_changes_nothing_else();
    void typed_text_is_gone_on_reopening();
};

void tst_settings_dialog::shows_its_texts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");

    QTest::newRow("title") << "settings"
                           << "Dialog";
    QTest::newRow("header") << "label_4"
                            << QString("ADVANCED SETTINGS & SYNTAX EDITOR\n"
                                       "(aka exclusively for MLG advanced user settings, read "
                                       "manual, if unsure, DO NOT MODIFY)");
    QTest::newRow("help") << "pushButton"
                          << "help me! I dont... I dont get it... I need manual...";
    QTest::newRow("more") << "pushButton_5"
                          << "MORE";
    QTest::newRow("player heading") << "label"
                                    << "Player XP ramp syntax editor:";
    QTest::newRow("engram heading") << "label_2"
                                    << "Player engram ramp syntax editor:";
    QTest::newRow("creature heading") << "label_3"
                                      << "Creatures XP ramp syntax editor:";
    QTest::newRow("player lead") << "plainTextEdit"
                                 << "ExperiencePointsForLevel[";
    QTest::newRow("player middle") << "plainTextEdit_2"
                                   << "]=";
    QTest::newRow("player trail") << "plainTextEdit_3"
                                  << ",";
    QTest::newRow("engram lead") << "plainTextEdit_5"
                                 << "";
    QTest::newRow("engram middle") << "plainTextEdit_4"
                                   << "OverridePlayerLevelEngramPoints=";
    QTest::newRow("engram trail") << "plainTextEdit_6"
                                  << "";
    QTest::newRow("creature lead") << "plainTextEdit_7"
                                   << "ExperiencePointsForLevel[";
    QTest::newRow("creature middle") << "plainTextEdit_9"
                                     << "]=";
    QTest::newRow("creature trail") << "plainTextEdit_8"
                                    << ",";
    QTest::newRow("new line box") << "checkBox_8"
                                  << "new\nline";
    QTest::newRow("first framing box") << "groupBox_5"
                                       << "Player XP first line";
    QTest::newRow("last framing box") << "groupBox_7"
                                      << "Creatures XP ramp finishing line";
    QTest::newRow("framing text") << "plainTextEdit_16"
                                  << "";
    QTest::newRow("framing top level") << "radioButton_31"
                                       << "top lvl";
    QTest::newRow("framing new line") << "checkBox_12"
                                      << "new line after this line";
    QTest::newRow("example box") << "groupBox"
                                 << "Load an example";
    QTest::newRow("discard") << "pushButton_4"
                             << "discard changes and close";
    QTest::newRow("save") << "pushButton_3"
                          << "save and close";
    QTest::newRow("notice")
        << "textEdit"
        << QString("This is placeholder.\n"
                   "be aware.  none of those work. its WIP menu.\n"
                   "Don't worry if you dont understand a single byte of whats going on.\n"
                   "Just close it, carry on, this will be eventually cooked for those who are "
                   "willing to use this program for other games");
}

void tst_settings_dialog::shows_its_texts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);

    settings dialog;
    const auto *widget = name == dialog.objectName() ? &dialog : dialog.findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(shown_text(*widget), text);
}

void tst_settings_dialog::check_boxes_start_as_set_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("ticked");

    QTest::newRow("player new line") << "checkBox_5" << false;
    QTest::newRow("engram new line") << "checkBox_8" << true;
    QTest::newRow("creature new line") << "checkBox_11" << false;
    QTest::newRow("player first line enabled") << "checkBox_4" << true;
    QTest::newRow("engram first line enabled") << "checkBox_2" << false;
    QTest::newRow("engram finishing line enabled") << "checkBox_6" << false;
    QTest::newRow("creature finishing line enabled") << "checkBox_7" << true;
    for (const char *name :
         {"checkBox_13", "checkBox_9", "checkBox_12", "checkBox_14", "checkBox_10", "checkBox_15"})
        QTest::addRow("%s new line after", name) << name << true;
}

void tst_settings_dialog::check_boxes_start_as_set()
{
    QFETCH(QString, name);
    QFETCH(bool, ticked);

    settings dialog;
    QCOMPARE(dialog.findChild<QAbstractButton *>(name)->isChecked(), ticked);
}

void tst_settings_dialog::value_columns_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<QStringList>("selected");

    QTest::newRow("player first") << "layoutWidget1" << QStringList{"radioButton"};
    QTest::newRow("player second") << "layoutWidget" << QStringList{"radioButton_5"};
    QTest::newRow("engram first") << "layoutWidget_3" << QStringList{};
    QTest::newRow("engram second") << "layoutWidget_2" << QStringList{"radioButton_8"};
    QTest::newRow("creature first") << "layoutWidget_4" << QStringList{"radioButton_13"};
    QTest::newRow("creature second") << "layoutWidget_5" << QStringList{"radioButton_17"};
    QTest::newRow("player first line") << "layoutWidget_10" << QStringList{"radioButton_32"};
    QTest::newRow("player finishing line") << "layoutWidget_6" << QStringList{"radioButton_20"};
    QTest::newRow("engram first line") << "layoutWidget_9" << QStringList{"radioButton_28"};
    QTest::newRow("engram finishing line") << "layoutWidget_11" << QStringList{"radioButton_34"};
    QTest::newRow("creature first line") << "layoutWidget_8" << QStringList{"radioButton_26"};
    QTest::newRow("creature finishing line") << "layoutWidget_12" << QStringList{"radioButton_38"};
}

// Each column holds three radio buttons of its own: choosing one deselects only its
// neighbours, never a button of another column.
void tst_settings_dialog::value_columns()
{
    QFETCH(QString, column);
    QFETCH(QStringList, selected);

    settings dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const auto *values = dialog.findChild<QWidget *>(column);
    const auto radios = values->findChildren<QRadioButton *>();
    QCOMPARE(radios.size(), 3);
    QCOMPARE(checked_radios_in(*values), selected);

    const QStringList others = state_outside(dialog, *values);

    // Click on the indicator; the texts are clipped when the font is wide.
    QRadioButton *none = radios.last();
    QTest::mouseClick(none, Qt::LeftButton, Qt::NoModifier, QPoint(5, none->height() / 2));
    QCOMPARE(checked_radios_in(*values), QStringList{none->objectName()});
    QCOMPARE(state_outside(dialog, *values), others);
}

void tst_settings_dialog::example_list()
{
    settings dialog;
    const auto *examples = dialog.findChild<QComboBox *>("comboBox");
    QStringList items;
    for (int i = 0; i < examples->count(); ++i) {
        items << examples->itemText(i);
        QVERIFY(!examples->itemData(i).isValid());
    }
    QCOMPARE(items, QStringList({"ARK Survival Evolved", "The CSV file", "game example 1",
                                 "game example 2", "game example 3"}));
    QCOMPARE(examples->currentIndex(), 0);
}

void tst_settings_dialog::buttons_change_nothing_data()
{
    QTest::addColumn<QString>("button");

    for (const char *name : {"pushButton", "pushButton_2", "pushButton_3", "pushButton_4",
                             "pushButton_5", "pushButton_6"})
        QTest::newRow(name) << name;
}

void tst_settings_dialog::buttons_change_nothing()
{
    QFETCH(QString, button);

    settings dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QStringList before = form_state(dialog);

    QTest::mouseClick(dialog.findChild<QAbstractButton *>(button), Qt::LeftButton);
    QCoreApplication::processEvents();
    QVERIFY(dialog.isVisible());
    QCOMPARE(form_state(dialog), before);
}

void tst_settings_dialog::choosing_an_example_changes_nothing_else()
{
    settings dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *examples = dialog.findChild<QComboBox *>("comboBox");
    const QStringList before = state_outside(dialog, *examples->parentWidget());

    examples->setCurrentIndex(examples->findText("game example 2"));
    QCoreApplication::processEvents();
    QCOMPARE(examples->currentIndex(), 3);
    QCOMPARE(state_outside(dialog, *examples->parentWidget()), before);
    QVERIFY(dialog.isVisible());
}

void tst_settings_dialog::typed_text_is_gone_on_reopening()
{
    {
        settings first;
        first.show();
        QVERIFY(QTest::qWaitForWindowActive(&first));
        auto *middle = first.findChild<QPlainTextEdit *>("plainTextEdit_2");
        QTest::keyClicks(middle, "level");
        QVERIFY(middle->toPlainText().contains("level"));
    }
    settings second;
    QCOMPARE(second.findChild<QPlainTextEdit *>("plainTextEdit_2")->toPlainText(), QString("]="));
}

QTEST_MAIN(tst_settings_dialog)

#include "tst_settings_dialog.moc"
