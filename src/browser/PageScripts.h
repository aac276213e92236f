#pragma once

#include <QString>

const QString& PageScript(const QString& fileName); // the text of :/scripts/<fileName>, read once
