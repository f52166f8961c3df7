// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Registers the compiled-in images for as long as it lives. The bundle sits in a static
// library, so it must be registered by hand before anything loads ":/img/...".
class ResourceBundle
{
public:
    ResourceBundle();
    ~ResourceBundle();
    ResourceBundle(const ResourceBundle &) = delete;
    ResourceBundle &operator=(const ResourceBundle &) = delete;
};
