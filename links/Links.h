// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

enum LinkId {
    LinkHomePage,
    LinkSoftwareSite,
    LinkOnlineHelp,
    LinkDownload,
    LinkDonate,
    LinkFullBrand,
    LinkCoBrand,
};

QString LinkAddress(LinkId id);

// "http://" and a host, as the banners show it; the main site's address is LinkHomePage's.
QString ProductSiteRoot();
QString MainSiteAddress();

// Hands the address to the desktop's default browser and returns at once.
// Whether a browser opened is not our concern: nothing is reported either way.
void OpenLink(LinkId id);
void OpenLink(const QString &address);
