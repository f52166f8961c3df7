#include "mainwindow/mainwindow.h"
#include "mainwindow/resource_bundle.h"
#include "output/game_ini_text.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

static const ResourceBundle resources;

namespace
{
template <typename T> T *child(QWidget &window, const QString &name)
{
    auto *widget = window.findChild<T *>(name);
    if (!widget)
        qFatal("no widget %s", qPrintable(name));
    return widget;
}

// Answers every modal dialog the way an operator would and records their class names.
// The save dialog gets `file_name` (or is cancelled when it is empty); an overwrite question
// is answered Yes; the error dialog is survived by ticking "DONT die". Every answer is queued,
// because a dialog that opens another one runs a nested loop inside the answer.
class Operator : public QObject
{
public:
    explicit Operator(const QString &file_name) : file_name(file_name)
    {
        connect(&timer, &QTimer::timeout, this, &Operator::answer);
        timer.start(50);
    }

    QStringList seen;

private:
    void answer()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        const QString name = QString::fromLatin1(modal->metaObject()->className());
        if (!modal->property("answered").toBool()) {
            seen << name;
            modal->setProperty("answered", true);
        }
        if (auto *files = qobject_cast<QFileDialog *>(modal)) {
            // The dialog loads its folder in the background and may ignore an early accept:
            // answer again on every tick until it is gone.
            if (file_name.isEmpty()) {
                QTimer::singleShot(0, files, [files] { files->reject(); });
                return;
            }
            files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(file_name);
            QTimer::singleShot(0, files, [files] { static_cast<QDialog *>(files)->accept(); });
            return;
        }
        if (modal->property("closing").toBool())
            return;
        modal->setProperty("closing", true);
        if (auto *question = qobject_cast<QMessageBox *>(modal)) {
            QTimer::singleShot(0, question,
                               [question] { question->button(QMessageBox::Yes)->click(); });
            return;
        }
        if (auto *survive = modal->findChild<QCheckBox *>(QStringLiteral("dont_die")))
            survive->setChecked(true);
        auto *dialog = qobject_cast<QDialog *>(modal);
        QTimer::singleShot(0, dialog, [dialog] { dialog->done(QDialog::Accepted); });
    }

    QString file_name;
    QTimer timer;
};

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

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
    void writes_what_the_controls_hold();
    void stock_creature_through_the_lock_and_its_release();
    void nothing_to_generate_is_refused();
    void cancelled_save_writes_nothing();
    void unwritable_location_reports_error();
    void existing_file_survives_a_failed_write();
    void existing_file_is_replaced();
    void group_without_style_is_reported_and_writing_goes_on();
    void generating_twice_writes_two_files();

private:
    QTemporaryDir folder;
};

void TestGenerate::writes_default_choices()
{
    MainWindow window;
    window.show();
    const QString path = folder.filePath(QStringLiteral("defaults.txt"));
    Operator user(path);
    child<QPushButton>(window, "Gen_btn")->click();
    QCOMPARE(user.seen, (QStringList{"QFileDialog", "thanxForUsing"}));

    const QByteArray text = contents(path);
    QCOMPARE(text, game_ini_text(GameIniChoices{}).bytes);
    const QStringList written = lines(text);
    QCOMPARE(written.size(), 1 + 2 + 114 + 1); // the file ends with CR LF
    QCOMPARE(written[0], QStringLiteral("[/script/shootergame.shootergamemode]"));
    QCOMPARE(written[1].count(QStringLiteral("ExperiencePointsForLevel[")), 114);
    QCOMPARE(written[2].count(QStringLiteral("ExperiencePointsForLevel[")), 70);
    QCOMPARE(written.filter(QStringLiteral("OverridePlayerLevelEngramPoints=")).size(), 114);
    QVERIFY(!text.startsWith("\xEF\xBB\xBF"));
}

void TestGenerate::writes_what_the_controls_hold()
{
    MainWindow window;
    window.show();
    child<QRadioButton>(window, "player_linear")->click();
    child<QSpinBox>(window, "player_target_lvl")->setValue(10);
    child<QDoubleSpinBox>(window, "player_xp_difficulty")->setValue(1.0);
    child<QRadioButton>(window, "dino_skip")->click();
    child<QRadioButton>(window, "player_eng_linear")->click();
    child<QCheckBox>(window, "Add_CustomCode")->click();
    child<QTextEdit>(window, "textInput_custom_code")->setPlainText(QStringLiteral("A\n\nB"));

    const QString path = folder.filePath(QStringLiteral("worked.txt"));
    Operator user(path);
    child<QPushButton>(window, "Gen_btn")->click();

    QByteArray expected("[/script/shootergame.shootergamemode]\r\nLevelExperienceRampOverrides=(");
    for (int k = 0; k < 9; ++k)
        expected += QStringLiteral("%1ExperiencePointsForLevel[%2]=%3")
                        .arg(k ? "," : "")
                        .arg(k)
                        .arg((k + 1) * 1000)
                        .toLatin1();
    expected += ")\r\n";
    for (int k = 0; k < 9; ++k)
        expected += "OverridePlayerLevelEngramPoints=37\r\n";
    expected += "A\r\nB";
    QCOMPARE(contents(path), expected);
}

void TestGenerate::stock_creature_through_the_lock_and_its_release()
{
    MainWindow window;
    window.show();
    child<QRadioButton>(window, "player_stock")->click();
    child<QPushButton>(window, "copy_player2dino_settings")->click();
    child<QSpinBox>(window, "dino_target_level")->setValue(20);

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

void TestGenerate::nothing_to_generate_is_refused()
{
    MainWindow window;
    window.show();
    child<QRadioButton>(window, "player_skip")->click();
    child<QRadioButton>(window, "player_eng_skip")->click();
    Operator user(folder.filePath(QStringLiteral("never.txt")));
    child<QPushButton>(window, "Gen_btn")->click();
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

void TestGenerate::existing_file_survives_a_failed_write()
{
    // A name this long leaves no room for the temporary file written beside it, so the new
    // text can never be completed; the operator's file must keep what it held.
    const QString path = folder.filePath(QString(248, QLatin1Char('g')) + QStringLiteral(".ini"));
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("MaxPlayers=70\r\n");
    }
    MainWindow window;
    window.show();
    Operator user(path);
    child<QPushButton>(window, "Gen_btn")->click();
    QCOMPARE(user.seen.last(), QStringLiteral("IOerr"));
    QCOMPARE(contents(path), QByteArray("MaxPlayers=70\r\n"));
}

void TestGenerate::existing_file_is_replaced()
{
    const QString path = folder.filePath(QStringLiteral("Game.ini"));
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(100000, 'x'));
    }
    MainWindow window;
    window.show();
    child<QCheckBox>(window, "Add_SS")->click();
    Operator user(path);
    child<QPushButton>(window, "Gen_btn")->click();
    QCOMPARE(user.seen, (QStringList{"QFileDialog", "QMessageBox", "thanxForUsing"}));
    GameIniChoices choices;
    choices.section_header = false;
    QCOMPARE(contents(path), game_ini_text(choices).bytes);
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

void TestGenerate::generating_twice_writes_two_files()
{
    MainWindow window;
    window.show();
    const QString first = folder.filePath(QStringLiteral("first.txt"));
    const QString second = folder.filePath(QStringLiteral("second.txt"));
    for (const QString &path : {first, second}) {
        Operator user(path);
        child<QPushButton>(window, "Gen_btn")->click();
    }
    QCOMPARE(contents(first), contents(second));
    QCOMPARE(contents(first), game_ini_text(GameIniChoices{}).bytes);
}

QTEST_MAIN(TestGenerate)
#include "tst_generate.moc"
