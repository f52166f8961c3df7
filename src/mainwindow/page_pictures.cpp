// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow/page_pictures.h"

#include <QEvent>
#include <QLabel>
#include <QPixmap>
#include <QStackedWidget>
#include <QVariant>

namespace {
const char *const kPictureProperty = "picture";

QList<QLabel *> picture_labels(const QWidget &page)
{
    QList<QLabel *> labels;
    for (QLabel *label : page.findChildren<QLabel *>())
        if (label->property(kPictureProperty).isValid())
            labels << label;
    return labels;
}

void load_pictures(const QList<QLabel *> &labels)
{
    for (QLabel *label : labels)
        label->setPixmap(QPixmap(label->property(kPictureProperty).toString()));
}

// Gives a page's labels their pictures as the page is shown for the first time, before it is
// painted, then leaves the page alone.
class PicturesOnFirstShow : public QObject
{
public:
    PicturesOnFirstShow(QWidget &page, const QList<QLabel *> &labels)
        : QObject(&page), labels(labels)
    {
        page.installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            load_pictures(labels);
            deleteLater();
        }
        return false;
    }

private:
    const QList<QLabel *> labels;
};
} // namespace

void load_pictures_when_shown(QStackedWidget &pages)
{
    for (int i = 0; i < pages.count(); ++i) {
        QWidget &page = *pages.widget(i);
        const QList<QLabel *> labels = picture_labels(page);
        if (labels.isEmpty())
            continue;
        if (page.isVisible())
            load_pictures(labels);
        else
            new PicturesOnFirstShow(page, labels);
    }
}
