#include "FileDialog.h"

#include <QFileDialog>
#include <QRegularExpression>

namespace {

FileDialogInterceptor& interceptor() {
    static FileDialogInterceptor instance;
    return instance;
}

SaveFileDialogInterceptor& saveInterceptor() {
    static SaveFileDialogInterceptor instance;
    return instance;
}

} // namespace

QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& directory, const QString& filter) {
    if (interceptor())
        return interceptor()(caption, filter);
    return QFileDialog::getOpenFileName(parent, caption, directory, filter);
}

QString GetSaveFileName(QWidget* parent, const QString& caption, const QString& suggested, const QString& filter) {
    if (saveInterceptor())
        return saveInterceptor()(caption, suggested, filter);
    return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
}

QString SuggestedFileName(const QString& name, const QString& fallback, const QString& extension) {
    static const QRegularExpression unsafe(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]"));
    QString safe = name.trimmed();
    safe.replace(unsafe, QStringLiteral("_"));
    return (safe.isEmpty() ? fallback : safe) + extension;
}

void SetFileDialogInterceptor(FileDialogInterceptor newInterceptor) {
    interceptor() = std::move(newInterceptor);
}

void SetSaveFileDialogInterceptor(SaveFileDialogInterceptor newInterceptor) {
    saveInterceptor() = std::move(newInterceptor);
}
