#pragma once

#include <QString>

#include <functional>

class QWidget;

// Asks for a file to open; the empty text when the user cancels.
QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& directory, const QString& filter);

// Asks for a file to write, offering `suggested` (a directory, a file name or both); asks before replacing a file.
// The empty text when the user cancels.
QString GetSaveFileName(QWidget* parent, const QString& caption, const QString& suggested, const QString& filter);

// A file name offered for `name` (a product's, say): the characters file systems refuse become "_", and an empty
// name becomes `fallback`.
QString SuggestedFileName(const QString& name, const QString& fallback, const QString& extension);

// Tests choose the file instead of a user; an empty interceptor shows the real dialog again.
using FileDialogInterceptor = std::function<QString(const QString& caption, const QString& filter)>;
void SetFileDialogInterceptor(FileDialogInterceptor interceptor);

// The same for the save dialog; it also hears the suggested file.
using SaveFileDialogInterceptor =
    std::function<QString(const QString& caption, const QString& suggested, const QString& filter)>;
void SetSaveFileDialogInterceptor(SaveFileDialogInterceptor interceptor);
