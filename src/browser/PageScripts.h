#pragma once

#include <QString>

// The text of :/scripts/<fileName>, read once. The scripts are bundled with the browser library; one missing is a
// build fault, logged, and reads as empty. Called from the thread that drives the browser only.
const QString& PageScript(const QString& fileName);
