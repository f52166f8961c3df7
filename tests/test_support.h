// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Helpers shared by the tests that drive the real window.

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

// A named child of the window; a missing name ends the test run, since every name is binding.
template <typename T> T *child(const QWidget &window, const QString &name)
{
    auto *widget = window.findChild<T *>(name);
    if (!widget)
        qFatal("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return widget;
}

// Answers every modal dialog the way an operator would and records their class names. The
// save dialog gets `file_name` (or is cancelled when it is empty), an overwrite question is
// answered Yes, and the unexpected error is survived by ticking "DONT die". Every answer is
// queued: a dialog that opens another one runs a nested loop inside the answer.
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
        if (!modal->property("seen").toBool()) {
            seen << QString::fromLatin1(modal->metaObject()->className());
            modal->setProperty("seen", true);
        }
        if (auto *files = qobject_cast<QFileDialog *>(modal)) {
            // The dialog loads its folder in the background and may ignore an early accept:
            // answer again on every tick until it is gone.
            if (!file_name.isEmpty())
                files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(file_name);
            QTimer::singleShot(0, files, [files, cancel = file_name.isEmpty()] {
                if (cancel)
                    files->reject();
                else
                    static_cast<QDialog *>(files)->accept();
            });
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
