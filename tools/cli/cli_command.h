// The command table of qv730-cli. Each command lives in its own cmd_*.cpp file and registers
// itself with a static CliRegistration, so adding a command touches no shared file.
#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
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

// Help texts wrap at this many columns.
constexpr int kHelpColumns = 100;
// `text` broken into lines of at most kHelpColumns, each after `indent` spaces.
QString WrappedLines(const QString& text, int indent);

// Shared helpers for commands. Each failure prints one line to stderr.
int Fail(const QString& message);      // prints "qv730-cli: message", returns 1
int UsageError(const QString& usage);  // missing or extra arguments

// What a command accepts after its name.
struct CommandSyntax {
    QString usage;  // "read --port PORT -o OUT.tw [--base FILE.tw] [--ini-dir FOLDER]"
    QList<QCommandLineOption> options = {};
    int positionals = 0;        // plain arguments, exactly this many
    QStringList required = {};  // names of the options that must be given
};

// Reads a command's arguments with QCommandLineParser. Nothing when the command goes on; else
// its exit code: 0 after --help printed the usage and the options, 1 after the usage line when
// the arguments do not fit.
std::optional<int> ParseArguments(QCommandLineParser& parser, const QStringList& args,
                                  const CommandSyntax& syntax);
// A .tw file as the program opens it (band limits checked and repaired), or an error line.
bool LoadImage(const QString& path, RadioData& data);
// The image bytes of a .tw file exactly as stored, or an error line.
bool ReadImageFile(const QString& path, RadioImage& image);
// Writes a whole output file atomically, or prints an error line.
bool WriteOutput(const QString& path, const QByteArray& bytes);
// The start-up template beside the program (default.tw), or an error line when it is unusable.
bool LoadTemplate(RadioData& data);

}  // namespace qv::cli
