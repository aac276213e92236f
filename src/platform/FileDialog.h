#pragma once

#include <QString>

#include <functional>

class QWidget;

// Asks for a file to open; the empty text when the user cancels.
QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& directory, const QString& filter);

// Tests choose the file instead of a user; an empty interceptor shows the real dialog again.
using FileDialogInterceptor = std::function<QString(const QString& caption, const QString& filter)>;
void SetFileDialogInterceptor(FileDialogInterceptor interceptor);
