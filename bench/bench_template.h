// The start-up template the benchmarks work on, read from the program's folder (the build puts
// default.tw beside every program). Without it a benchmark would measure an empty radio, so a
// missing template stops the run.
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <cstdio>
#include <cstdlib>

#include "data/data_file.h"

inline qv::RadioData TemplateData() {
    qv::RadioData data;
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath("default.tw");
    if (qv::LoadFile(path, data) != qv::LoadStatus::Ok) {
        std::fprintf(stderr, "cannot load the template %s\n", qPrintable(path));
        std::abort();
    }
    return data;
}
