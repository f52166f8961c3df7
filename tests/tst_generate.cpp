// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "file_faults.h"
#include "mainwindow/mainwindow.h"
#include "output/game_ini_text.h"
#include "test_support.h"

#include <QDoubleSpinBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QStringList lines(const QByteArray &text)
{
    return QString::fromUtf8(text).split(QStringLiteral("\r\n"));
}
} // namespace

class TestGenerate : public QObject
{
    Q_OBJECT

private slots:
    void writes_default_choices();
    void stock_creature_through_the_lock_and_its_release();
    void nothing_to_generate_is_refused_data();
    void nothing_to_generate_is_refused();
    void cancelled_save_writes_nothing();
    void unwritable_location_reports_error();
    void saving_over_a_fault_data();
    void saving_over_a_fault();
    void group_without_style_is_reported_and_writing_goes_on();
    void save_dialog_starts_in_the_folder_last_saved_to();

private:
    QTemporaryDir folder;
};

void TestGenerate::writes_default_choices()
{
    MainWindow window;
    window.show();
    // Each press writes a file of its own from the controls alone.
    for (const char *name : {"first.txt", "second.txt"}) {
        Operator user(folder.filePath(QString::fromLatin1(name)));
        child<QPushButton>(window, "Gen_btn")->click();
        QCOMPARE(user.seen, (QStringList{"QFileDialog", "thanxForUsing"}));
    }
    const QByteArray text = contents(folder.filePath(QStringLiteral("first.txt")));
    QCOMPARE(contents(folder.filePath(QStringLiteral("second.txt"))), text);
    QCOMPARE(text, game_ini_text(GameIniChoices{}).bytes);
}

void TestGenerate::stock_creature_through_the_lock_and_its_release()
{
    MainWindow window;
    window.show();
    operate(window, "player_stock copy_player2dino_settings dino_target_level=20");

    const QString locked = folder.filePath(QStringLiteral("locked.txt"));
    {
        Operator user(locked);
        child<QPushButton>(window, "Gen_btn")->click();
    }
    const QStringList written = lines(contents(locked));
    QCOMPARE(written[1], written[2]);
    QVERIFY(written[1].endsWith(QStringLiteral("ExperiencePointsForLevel[113]=6473538)")));

    // A creature style of its own ends the lock: the creature line is computed again.
    child<QRadioButton>(window, "dino_lin")->click();
    const QString released = folder.filePath(QStringLiteral("released.txt"));
    {
        Operator user(released);
        child<QPushButton>(window, "Gen_btn")->click();
    }
    GameIniChoices choices;
    choices.player = GameIniChoices::Player::Stock;
    choices.creature = GameIniChoices::Creature::Linear;
    choices.creature_levels = child<QSpinBox>(window, "dino_target_level")->value();
    choices.creature_scale = 36.072;
    QCOMPARE(contents(released), game_ini_text(choices).bytes);
}

void TestGenerate::nothing_to_generate_is_refused_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("generate") << "Gen_btn";
    QTest::newRow("show text") << "btn_preview_text";
}

void TestGenerate::nothing_to_generate_is_refused()
{
    QFETCH(QString, button);
    MainWindow window;
    window.show();
    operate(window, "player_skip player_eng_skip");
    Operator user(folder.filePath(QStringLiteral("never.txt")));
    child<QPushButton>(window, button)->click();
    QCOMPARE(user.seen, QStringList{"doingItWrong"});
    QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("never.txt"))));
}

void TestGenerate::cancelled_save_writes_nothing()
{
    MainWindow window;
    window.show();
    const QStringList before = QDir(folder.path()).entryList(QDir::Files);
    Operator user(QString{});
    child<QPushButton>(window, "Gen_btn")->click();
    QCOMPARE(user.seen, (QStringList{"QFileDialog", "opcanceled"}));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), before);
}

void TestGenerate::unwritable_location_reports_error()
{
    MainWindow window;
    window.show();
    const QString path = folder.filePath(QStringLiteral("no-such-folder/Game.ini"));
    Operator user(path);
    child<QPushButton>(window, "Gen_btn")->click();
    QCOMPARE(user.seen.last(), QStringLiteral("IOerr"));
    QVERIFY(!user.seen.contains(QStringLiteral("thanxForUsing")));
    QVERIFY(!QFileInfo::exists(folder.filePath(QStringLiteral("no-such-folder"))));
}

void TestGenerate::saving_over_a_fault_data()
{
    QTest::addColumn<Fixture>("fixture");
    QTest::addColumn<QString>("dialog");

    QTest::newRow("full disk") << Fixture::FullDisk << "IOerr";
    QTest::newRow("device") << Fixture::Device << "IOerr";
    QTest::newRow("FIFO") << Fixture::Fifo << "IOerr";
    QTest::newRow("nobody's 0640 file") << Fixture::NobodysFile << "thanxForUsing";
}

// A failed save shows IOerr and leaves the old file and its folder as they were; a stranger's
// file that is replaced keeps its owner, group and mode.
void TestGenerate::saving_over_a_fault()
{
    QFETCH(Fixture, fixture);
    QFETCH(QString, dialog);
    TestFolder own;
    const QString skipped = own.prepare(fixture, QStringLiteral("Game.ini"));
    if (!skipped.isEmpty())
        QSKIP(qPrintable(skipped));
    const QString path = own.file(QStringLiteral("Game.ini"));
    FileState before = state_of(path);
    const QStringList names = names_in(own.path());

    MainWindow window;
    window.show();
    Operator user(path);
    child<QPushButton>(window, "Gen_btn")->click();
    QCOMPARE(user.seen, (QStringList{"QFileDialog", "QMessageBox", dialog}));
    const QByteArray text = game_ini_text(GameIniChoices{}).bytes;
    if (dialog == QLatin1String("IOerr")) {
        QVERIFY(state_of(path).inode == before.inode);
        if (S_ISREG(before.mode))
            QCOMPARE(contents(path), kOldText);
    } else {
        QCOMPARE(contents(path), text);
        before.size = text.size();
    }
    QVERIFY(state_of(path) == before);
    QCOMPARE(names_in(own.path()), names);
}

void TestGenerate::group_without_style_is_reported_and_writing_goes_on()
{
    MainWindow window;
    window.show();
    // The window never leaves a group empty; force it to reach the guard.
    auto *exponential = child<QRadioButton>(window, "player_mmo");
    exponential->setAutoExclusive(false);
    exponential->setChecked(false);
    const QString path = folder.filePath(QStringLiteral("guard.txt"));
    Operator user(path);
    child<QPushButton>(window, "Gen_btn")->click();
    QCOMPARE(user.seen, (QStringList{"QFileDialog", "unexpectederror", "thanxForUsing"}));
    const QStringList written = lines(contents(path));
    QCOMPARE(written[1], QStringLiteral("LevelExperienceRampOverrides=()"));
    QVERIFY(written[2].startsWith(QStringLiteral("LevelExperienceRampOverrides=(Experience")));
}

void TestGenerate::save_dialog_starts_in_the_folder_last_saved_to()
{
    const QString used = folder.filePath(QStringLiteral("used"));
    QVERIFY(QDir().mkpath(used));
    {
        MainWindow window;
        window.show();
        Operator user(used + QStringLiteral("/Game.ini"));
        child<QPushButton>(window, "Gen_btn")->click();
        QCOMPARE(user.seen, (QStringList{"QFileDialog", "thanxForUsing"}));
    }
    // A new window, as after a restart; a failed save does not move the remembered folder.
    MainWindow window;
    window.show();
    for (const QString &path : {folder.filePath(QStringLiteral("gone/Game.ini")), QString()}) {
        Operator user(path);
        child<QPushButton>(window, "Gen_btn")->click();
        QCOMPARE(user.start_folders, QStringList{used});
    }
}

QTEST_MAIN(TestGenerate)
#include "tst_generate.moc"
