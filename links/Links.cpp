// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#include "Links.h"

#include "LinkHosts.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

struct Link {
    const char *host;
    const char *path;
};

Link linkTable(LinkId id)
{
    switch (id) {
    case LinkHomePage: return {MainSiteHost, ""};
    case LinkSoftwareSite: return {MainSiteHost, "/lanternsoftwares"};
    case LinkOnlineHelp: return {ProductSiteHost, "/tunewell-help.html"};
    case LinkDownload: return {ProductSiteHost, "/download-tunewell.html"};
    case LinkDonate: return {HelpSiteHost, "/donate.html"};
    case LinkFullBrand: return {HelpSiteHost, "/fully-branded.html"};
    case LinkCoBrand: return {HelpSiteHost, "/co-brand.html"};
    }
    return {MainSiteHost, ""};
}

} // namespace

QString LinkAddress(LinkId id)
{
    const Link link = linkTable(id);
    return QStringLiteral("http://") + QLatin1String(link.host) + QLatin1String(link.path);
}

QString MainSiteAddress()
{
    return LinkAddress(LinkHomePage);
}

QString ProductSiteRoot()
{
    return QStringLiteral("http://") + QLatin1String(ProductSiteHost) + QLatin1Char('/');
}

void OpenLink(LinkId id)
{
    OpenLink(LinkAddress(id));
}

void OpenLink(const QString &address)
{
    QDesktopServices::openUrl(QUrl(address));
}
