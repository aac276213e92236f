#pragma once

#include <QString>

// What the program says of itself, and every outside address it opens. All addresses are under the
// reserved domain quillomar.example, so nothing real is opened by accident.
namespace AppInfo {
inline const QString Version = QStringLiteral("5.2");
inline const QString Build = QStringLiteral("14-207");

inline const QString MakerWebSite = QStringLiteral("http://www.quillomar.example/");
inline const QString MakerHomePage = QStringLiteral("http://www.quillomar.example/");
inline const QString MakerEmail = QStringLiteral("info@quillomar.example");
inline const QString ProductWebPage = QStringLiteral("http://www.quillomar.example/padsubmitter/");
inline const QString PadSitesList = QStringLiteral("http://padsites.quillomar.example/list.html");
inline const QString SocialPage = QStringLiteral("http://social.quillomar.example/quillomar");
} // namespace AppInfo
