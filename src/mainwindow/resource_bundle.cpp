// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow/resource_bundle.h"

#include <QtCore/qglobal.h>

static void register_bundle()
{
    Q_INIT_RESOURCE(resources);
}
static void unregister_bundle()
{
    Q_CLEANUP_RESOURCE(resources);
}

ResourceBundle::ResourceBundle()
{
    register_bundle();
}
ResourceBundle::~ResourceBundle()
{
    unregister_bundle();
}
