// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/game_ini_preview.h"
#include "file_faults.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/resource_bundle.h"
#include "test_support.h"

#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QtTest>

static const ResourceBundle resources;

namespace {

// What the preview dialog showed and copied, read while it is open.
struct Seen {
    QWidget *parent = nullptr;
    bool modal = false;
    QString text;
    QString size;
    QString copy_button;
    QByteArray clipboard;
};

// Opens the preview from the summary page, copies its text and closes it.
Seen preview_and_copy(MainWindow &window)
{
    Seen seen;
    QTimer::singleShot(0, [&seen] {
        QWidget *modal = QApplication::activeModalWidget();
        auto *preview = qobject_cast<GameIniPreview *>(modal);
        if (!preview) {
            qobject_cast<QDialog *>(modal)->reject();
            return;
        }
        seen.parent = preview->parentWidget();
        seen.modal = preview->isModal();
        seen.text = child<QPlainTextEdit>(*preview, "text_view")->toPlainText();
        seen.size = child<QLabel>(*preview, "lbl_size")->text();
        auto *copy = child<QPushButton>(*preview, "btn_copy");
        copy->click();
        seen.copy_button = copy->text();
        seen.clipboard = QGuiApplication::clipboard()->text().toUtf8();
        child<QPushButton>(*preview, "btn_close")->click();
    });
    child<QPushButton>(window, "btn_preview_text")->click();
    return seen;
}

} // namespace

class TestTextPreview : public QObject
{
    Q_OBJECT

private slots:
    // The settings button under it is never shown.
    void show_text_button_covers_no_visible_control()
    {
        MainWindow window;
        window.show();
        auto *button = child<QPushButton>(window, "btn_preview_text");
        for (QWidget *other : button->parentWidget()->findChildren<QWidget *>(
                 QString(), Qt::FindDirectChildrenOnly)) {
            if (other != button && other->isVisibleTo(button->parentWidget()))
                QVERIFY2(!other->geometry().intersects(button->geometry()),
                         qPrintable(other->objectName()));
        }
    }

    void shows_and_copies_what_generate_writes_data()
    {
        QTest::addColumn<QString>("actions");

        QTest::newRow("start values") << "";
        QTest::newRow("skipped player, no header") << "player_skip Add_SS";
        QTest::newRow("most levels, caps, custom code ending the file without a line end")
            << "player_linear player_target_lvl=4000 dino_lin dino_target_level=4000 Add_MaxXp "
               "Add_CustomCode";
    }

    void shows_and_copies_what_generate_writes()
    {
        QFETCH(QString, actions);
        MainWindow window;
        window.show();
        operate(window, actions);
        child<QTextEdit>(window, "textInput_custom_code")
            ->setPlainText(QStringLiteral("bPvE=True\n\nMotd=Gr\u00FC\u00DF\n"));
        const QString path = folder.filePath(QStringLiteral("generated.ini"));
        QFile::remove(path);
        {
            Operator user(path);
            child<QPushButton>(window, "Gen_btn")->click();
            QCOMPARE(user.seen, (QStringList{"QFileDialog", "thanxForUsing"}));
        }
        const QByteArray file = contents(path);

        const Seen seen = preview_and_copy(window);
        QCOMPARE(seen.parent, &window);
        QVERIFY(seen.modal);
        QCOMPARE(seen.text, QString::fromUtf8(file).replace(QStringLiteral("\r\n"), "\n"));
        QCOMPARE(seen.clipboard, file);
        QCOMPARE(seen.copy_button, QStringLiteral("Copied"));
        QStringList lines = QString::fromUtf8(file).split(QStringLiteral("\r\n"));
        if (lines.last().isEmpty())
            lines.removeLast();
        QCOMPARE(seen.size,
                 QStringLiteral("%1 lines, %2 bytes").arg(lines.size()).arg(file.size()));
    }

    void merge_starts_in_the_folder_last_used()
    {
        const QString used = folder.filePath(QStringLiteral("used"));
        QVERIFY(QDir().mkpath(used));
        MainWindow window;
        window.show();
        {
            Operator user(used + QStringLiteral("/Game.ini"));
            child<QPushButton>(window, "Gen_btn")->click();
        }
        // Cancelling the file dialog merges nothing and asks nothing more.
        Operator user{QString()};
        user.press = QStringLiteral("btn_merge");
        child<QPushButton>(window, "btn_preview_text")->click();
        QCOMPARE(user.seen, (QStringList{"GameIniPreview", "QFileDialog"}));
        QCOMPARE(user.start_folders, QStringList{used});
    }

    void merge_failure_changes_nothing_data()
    {
        QTest::addColumn<QByteArray>("utf16");
        QTest::newRow("UTF-16 text") << QByteArray("\xFF\xFE[\0S\0]\0");
        QTest::newRow("named pipe") << QByteArray();
    }

    void merge_failure_changes_nothing()
    {
        QFETCH(QByteArray, utf16);
        const QString path = folder.filePath(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(utf16.isEmpty() ? ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0
                                : put(path, utf16));
        MainWindow window;
        window.show();
        Operator user(path);
        user.press = QStringLiteral("btn_merge");
        child<QPushButton>(window, "btn_preview_text")->click();
        QCOMPARE(user.seen, (QStringList{"GameIniPreview", "QFileDialog", "QMessageBox"}));
        QVERIFY(user.messages[0].startsWith(path + QStringLiteral(" was not changed: ")));
        QVERIFY(!QFile::exists(path + QStringLiteral(".bak")));
        if (!utf16.isEmpty())
            QCOMPARE(contents(path), utf16);
    }

private:
    QTemporaryDir folder;
};

QTEST_MAIN(TestTextPreview)
#include "tst_text_preview.moc"
