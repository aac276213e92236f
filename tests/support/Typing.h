#pragma once

#include <QString>

class QWidget;

// Types text into a widget key by key, characters beyond ASCII included (QTest::keyClicks takes ASCII only).
void TypeText(QWidget* widget, const QString& text);
