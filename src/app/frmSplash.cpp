#include "frmSplash.h"

#include "AppInfo.h"

#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

frmSplash::frmSplash() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setStyleSheet(QStringLiteral("frmSplash { background-color: #000033; } QLabel { color: white; }"));
    setAttribute(Qt::WA_StyledBackground);

    auto* layout = new QVBoxLayout(this);
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("imgSplash"));
    // Drawn from the vector picture for the screen's scale, so that it stays sharp at 200 %.
    picture->setPixmap(QIcon(QStringLiteral(":/pictures/splash.svg")).pixmap(QSize(445, 308)));
    picture->setAlignment(Qt::AlignCenter);
    layout->addWidget(picture);
    // The window takes the picture's size with the layout's margins.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QRect(QPoint(), sizeHint()).center());
}
