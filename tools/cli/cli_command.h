// The command table of qv730-cli. Each command lives in its own cmd_*.cpp file and registers
// itself with a static CliRegistration, so adding a command touches no shared file.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "data/radio_image.h"

namespace qv::cli {

struct CliCommand {
    QString name;
    QString usage;                                    // "dump FILE.tw"
    QString summary;                                  // one line for --help
    std::function<int(const QStringList& args)> run;  // args after the command name
    bool drawsPages = false;  // lays out text with fonts: runs in a GUI application, offscreen
};

std::vector<CliCommand>& Commands();

struct CliRegistration {
    explicit CliRegistration(CliCommand command) { Commands().push_back(std::move(command)); }
};

// Shared helpers for commands. Each failure prints one line to stderr.
int Fail(const QString& message);      // prints "qv730-cli: message", returns 1
int UsageError(const QString& usage);  // missing or extra arguments
// A .tw file as the program opens it (band limits checked and repaired), or an error line.
bool LoadImage(const QString& path, RadioData& data);
// The image bytes of a .tw file exactly as stored, or an error line.
bool ReadImageFile(const QString& path, RadioImage& image);
// Writes a whole output file atomically, or prints an error line.
bool WriteOutput(const QString& path, const QByteArray& bytes);
// The start-up template beside the program (default.tw), or an error line when it is unusable.
bool LoadTemplate(RadioData& data);

}  // namespace qv::cli
