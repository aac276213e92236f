#include "PadSamples.h"

QByteArray PadWithProgramInfo(const QString& inner) {
    return ("<?xml version=\"1.0\" encoding=\"UTF-8\"?><XML_DIZ_INFO><Program_Info><Program_Name>Kept</Program_Name>" +
            inner + "</Program_Info></XML_DIZ_INFO>")
        .toUtf8();
}
