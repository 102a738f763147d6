// qv730-radiosim as a child process of a test: started with its switches, its port path read
// from its first line, stopped (and its image saved when asked) at the end of the test.
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QStringList>

class RadioSimProcess {
public:
    explicit RadioSimProcess(const QStringList& arguments) {
        process_.setProgram(
            QDir(QCoreApplication::applicationDirPath()).filePath("qv730-radiosim"));
        process_.setArguments(arguments);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start();
        if (!process_.waitForStarted(10000)) return;
        while (!output_.contains('\n') && process_.waitForReadyRead(10000)) {
            output_ += process_.readAllStandardOutput();
        }
        path_ = QString::fromLocal8Bit(output_.left(output_.indexOf('\n')));
    }
    ~RadioSimProcess() { Stop(); }
    RadioSimProcess(const RadioSimProcess&) = delete;
    RadioSimProcess& operator=(const RadioSimProcess&) = delete;

    // The port to open, /dev/pts/N; empty when the radio did not start.
    QString path() const { return path_; }

    // The log so far: one line per frame received, after the port path.
    QStringList Log() {
        process_.waitForReadyRead(50);
        output_ += process_.readAllStandardOutput();
        QStringList lines = QString::fromLocal8Bit(output_).split('\n', Qt::SkipEmptyParts);
        if (!lines.isEmpty()) lines.removeFirst();
        return lines;
    }

    // Stops the radio as Ctrl+C would (it saves its image when asked) and returns its log.
    QStringList Stop() {
        if (process_.state() != QProcess::NotRunning) {
            process_.terminate();
            if (!process_.waitForFinished(10000)) {
                process_.kill();
                process_.waitForFinished(10000);
            }
        }
        output_ += process_.readAllStandardOutput();
        QStringList lines = QString::fromLocal8Bit(output_).split('\n', Qt::SkipEmptyParts);
        if (!lines.isEmpty()) lines.removeFirst();
        return lines;
    }

private:
    QProcess process_;
    QByteArray output_;
    QString path_;
};
