#include "frmAbout.h"

#include "AppInfo.h"
#include "Shell.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace {

QLabel* linkLabel(const QString& text, const QString& name, QWidget* parent) {
    auto* label = new QLabel(QStringLiteral("<a href=\"#\">%1</a>").arg(text.toHtmlEscaped()), parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

QString addressText(QString address) {
    address.remove(QStringLiteral("http://"));
    if (address.endsWith(QLatin1Char('/')))
        address.chop(1);
    return address;
}

} // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Quillomar PAD Submitter"));

    pic = new QLabel(this);
    pic->setObjectName(QStringLiteral("pic"));
    pic->setPixmap(QIcon(QStringLiteral(":/pictures/splash.svg")).pixmap(QSize(340, 236)));
    pic->setAlignment(Qt::AlignCenter);
    pic->setCursor(Qt::PointingHandCursor);
    pic->setToolTip(tr("Click to close"));
    pic->installEventFilter(this);

    lblVersion = new QLabel(tr("Version %1").arg(AppInfo::Version), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblBuild = new QLabel(tr("Build %1").arg(AppInfo::Build), this);
    lblBuild->setObjectName(QStringLiteral("lblBuild"));
    for (QLabel* label : {lblVersion, lblBuild})
        label->setAlignment(Qt::AlignCenter);
    QFont bold = lblVersion->font();
    bold.setBold(true);
    lblVersion->setFont(bold);

    lblInternet = linkLabel(addressText(AppInfo::MakerHomePage), QStringLiteral("lblInternet"), this);
    connect(lblInternet, &QLabel::linkActivated, this,
            [] { ShellOpen(QStringLiteral("Open"), AppInfo::MakerHomePage); });
    lblEmail = linkLabel(AppInfo::MakerEmail, QStringLiteral("lblEmail"), this);
    connect(lblEmail, &QLabel::linkActivated, this,
            [] { ShellOpen(QStringLiteral("Open"), QStringLiteral("mailto:") + AppInfo::MakerEmail); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pic, 1);
    layout->addWidget(lblVersion);
    layout->addWidget(lblBuild);
    layout->addSpacing(8);
    layout->addWidget(lblInternet);
    layout->addWidget(lblEmail);
    // The window takes the size its contents need, at any scale and font.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == pic && event->type() == QEvent::MouseButtonRelease) {
        reject();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
