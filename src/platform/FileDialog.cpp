#include "FileDialog.h"

#include <QFileDialog>

namespace {

FileDialogInterceptor& interceptor() {
    static FileDialogInterceptor instance;
    return instance;
}

} // namespace

QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& directory, const QString& filter) {
    if (interceptor())
        return interceptor()(caption, filter);
    return QFileDialog::getOpenFileName(parent, caption, directory, filter);
}

void SetFileDialogInterceptor(FileDialogInterceptor newInterceptor) {
    interceptor() = std::move(newInterceptor);
}
