// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Helpers shared by the tests that drive the real window.

#include "mainwindow/mainwindow.h"
#include "mainwindow/resource_bundle.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <algorithm>
#include <functional>

// What the window remembers between runs goes to a folder of this test run, never into the
// settings of the user who runs the tests.
class TemporarySettings
{
public:
    TemporarySettings()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    }

private:
    QTemporaryDir folder;
};
inline const TemporarySettings temporary_settings;
inline const ResourceBundle resources;

// The main window, shown as the program shows it.
struct ShownWindow : MainWindow {
    ShownWindow() { show(); }
};

// A named child of the window; a missing name ends the test run, since every name is binding.
template <typename T> T *child(const QWidget &window, const QString &name)
{
    auto *widget = window.findChild<T *>(name);
    if (!widget)
        qFatal("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return widget;
}

// The page the window shows.
inline int page(const QWidget &window)
{
    return child<QStackedWidget>(window, QStringLiteral("stackedWidget"))->currentIndex();
}

// Presses Next until the window shows page `target`, as a person would; with the default
// choices Next visits every page in order.
inline void go_to_page(QWidget &window, int target)
{
    for (int clicks = 0; clicks < target && page(window) < target; ++clicks)
        child<QAbstractButton>(window, QStringLiteral("btn_next_page"))->click();
    QCOMPARE(page(window), target);
}

// Operates the window as the words say: "name" clicks a button, "name=value" sets a spin box
// or slider, "name.property=value" sets that property.
inline void operate(QWidget &window, const QString &actions)
{
    for (const QString &action : actions.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString target = action.section(QLatin1Char('='), 0, 0);
        const QString property = target.contains(QLatin1Char('.'))
                                     ? target.section(QLatin1Char('.'), 1)
                                     : QStringLiteral("value");
        if (target == action)
            child<QAbstractButton>(window, action)->click();
        else
            QVERIFY(child<QWidget>(window, target.section(QLatin1Char('.'), 0, 0))
                        ->setProperty(qPrintable(property), action.section(QLatin1Char('='), 1)));
    }
}

// The window's state in the words of `expected`, "name.property=value" separated by blanks:
// compare the two to check many controls at once.
inline QString state(const QWidget &window, const QString &expected)
{
    QStringList found;
    for (const QString &item : expected.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString key = item.section(QLatin1Char('='), 0, 0);
        const QWidget *widget = child<QWidget>(window, key.section(QLatin1Char('.'), 0, 0));
        found << key + QLatin1Char('=') +
                     widget->property(qPrintable(key.section(QLatin1Char('.'), 1))).toString();
    }
    return found.join(QLatin1Char(' '));
}

// Answers every modal dialog the way an operator would and records their class names (a
// message box's object name when it has one). The file dialogs get `file_name` (or are
// cancelled when it is empty), a message box is answered Yes or Ok, else with its Escape
// button, and the unexpected error is survived by ticking "DONT die". A dialog with a button
// named or labelled as one of `press` has the first such one clicked once before it is closed.
// `look` sees each dialog once, as it opens, and may read it while it is open; the dialog is
// then answered from the next tick on, so `look` may also answer it itself, queued.
// Every answer is queued: a dialog that opens another one runs a nested loop inside the answer.
class Operator : public QObject
{
public:
    explicit Operator(const QString &file_name = QString()) : file_name(file_name)
    {
        connect(&timer, &QTimer::timeout, this, &Operator::answer);
        timer.start(50);
    }

    QStringList seen;
    QStringList start_folders; // of the file dialogs, in order
    QStringList proposals;     // the file dialogs' filters and proposed names, in order
    QStringList messages;      // the texts of the message boxes and reasons given, in order
    QStringList closed;        // the dialogs it had to close itself, after any press
    QStringList press;         // buttons to click, by object name or text, the first found
    std::function<void(QWidget &)> look;

private:
    void answer()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (!modal->property("seen").toBool()) {
            const bool named_box =
                qobject_cast<QMessageBox *>(modal) && !modal->objectName().isEmpty();
            seen << (named_box ? modal->objectName()
                               : QString::fromLatin1(modal->metaObject()->className()));
            modal->setProperty("seen", true);
            if (auto *files = qobject_cast<QFileDialog *>(modal)) {
                start_folders << files->directory().absolutePath();
                proposals << files->nameFilters().join(QStringLiteral(";;")) + QLatin1Char(' ') +
                                 child<QLineEdit>(*files, QStringLiteral("fileNameEdit"))->text();
            }
            if (auto *box = qobject_cast<QMessageBox *>(modal))
                messages << box->text();
            if (auto *reason = modal->findChild<QLabel *>(QStringLiteral("lbl_reason")))
                messages << reason->text().remove(QChar(0x200B)); // its places to wrap a path
            if (look) {
                look(*modal);
                return;
            }
        }
        if (auto *files = qobject_cast<QFileDialog *>(modal)) {
            // The dialog loads its folder in the background and may ignore an early accept:
            // answer again on every tick until it is gone.
            // The name is typed in its own folder when that exists: a whole path typed while the
            // dialog shows another folder may be completed to a file there once it has loaded.
            if (!file_name.isEmpty()) {
                const QFileInfo target(file_name);
                const bool folder_exists = target.dir().exists();
                if (folder_exists)
                    files->setDirectory(target.absolutePath());
                files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))
                    ->setText(folder_exists ? target.fileName() : file_name);
            }
            QTimer::singleShot(0, files, [files, cancel = file_name.isEmpty()] {
                if (cancel)
                    files->reject();
                else
                    static_cast<QDialog *>(files)->accept();
            });
            return;
        }
        if (auto *survive = modal->findChild<QCheckBox *>(QStringLiteral("dont_die")))
            survive->setChecked(true);
        const QList<QPushButton *> buttons = modal->findChildren<QPushButton *>();
        QPushButton *button = nullptr;
        for (const QString &wanted : press)
            for (QPushButton *candidate : buttons)
                if (!button && !wanted.isEmpty() &&
                    (candidate->objectName() == wanted || candidate->text() == wanted))
                    button = candidate;
        if (button && !modal->property("pressed").toBool()) {
            modal->setProperty("pressed", true);
            QTimer::singleShot(0, button, [button] { QTest::mouseClick(button, Qt::LeftButton); });
            return;
        }
        if (modal->property("closing").toBool())
            return;
        modal->setProperty("closing", true);
        closed << QString::fromLatin1(modal->metaObject()->className());
        if (auto *question = qobject_cast<QMessageBox *>(modal)) {
            QAbstractButton *answer = question->button(QMessageBox::Yes);
            if (!answer)
                answer = question->button(QMessageBox::Ok);
            if (!answer)
                answer = question->escapeButton();
            QTimer::singleShot(0, answer, [answer] { answer->click(); });
            return;
        }
        auto *dialog = qobject_cast<QDialog *>(modal);
        QTimer::singleShot(0, dialog, [dialog] { dialog->done(QDialog::Accepted); });
    }

    QString file_name;
    QTimer timer;
};

// Presses Generate, answers the file dialog with `path` (cancels it when empty), presses the
// button `press` of the dialog that has one and returns the dialogs that were shown.
inline QStringList generate(QWidget &window, const QString &path, const QString &press = {})
{
    Operator user(path);
    user.press = QStringList{press};
    child<QAbstractButton>(window, QStringLiteral("Gen_btn"))->click();
    return user.seen;
}
