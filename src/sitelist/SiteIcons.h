#pragma once

#include <QIcon>
#include <QString>

// The site list's small images by key: "bookmark", "notSubmitted", "submitted", "published", "empty",
// "status", "esclamativo", "history", "user_req", "user_ok". An unknown key gives no image.
QIcon SiteIcon(const QString& key);
