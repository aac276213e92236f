#include "Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTimer>

void PutOnClipboard(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

void PutSecretOnClipboard(const QString& secret, std::chrono::milliseconds clearAfter) {
    auto* data = new QMimeData;
    data->setText(secret);
    // The hint that desktop clipboard managers and password managers agree on.
    data->setData(QStringLiteral("x-kde-passwordManagerHint"), QByteArrayLiteral("secret"));
    QGuiApplication::clipboard()->setMimeData(data);
    // Whatever the user copied since stays.
    QTimer::singleShot(clearAfter, QGuiApplication::instance(), [secret] {
        QClipboard* clipboard = QGuiApplication::clipboard();
        if (clipboard->text() == secret)
            clipboard->clear();
    });
}
