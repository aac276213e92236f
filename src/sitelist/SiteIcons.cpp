#include "SiteIcons.h"

#include <QHash>

QIcon SiteIcon(const QString& key) {
    static const QHash<QString, QString> files{
        {QStringLiteral("bookmark"), QStringLiteral("bookmark")},
        {QStringLiteral("notSubmitted"), QStringLiteral("not-submitted")},
        {QStringLiteral("submitted"), QStringLiteral("submitted")},
        {QStringLiteral("published"), QStringLiteral("published")},
        {QStringLiteral("empty"), QStringLiteral("empty")},
        {QStringLiteral("status"), QStringLiteral("status")},
        {QStringLiteral("esclamativo"), QStringLiteral("esclamativo")},
        {QStringLiteral("history"), QStringLiteral("history")},
        {QStringLiteral("user_req"), QStringLiteral("user-req")},
        {QStringLiteral("user_ok"), QStringLiteral("user-ok")},
    };
    // Icons are shared and cheap to copy; thousands of rows reuse ten of them.
    static QHash<QString, QIcon> icons;
    const auto file = files.constFind(key);
    if (file == files.constEnd())
        return {};
    auto icon = icons.find(key);
    if (icon == icons.end())
        icon = icons.insert(key, QIcon(QStringLiteral(":/icons/%1.svg").arg(*file)));
    return *icon;
}
