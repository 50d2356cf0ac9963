#pragma once

// The commands of quillon-cli, one file each; main.cpp lists them with their usage lines.

#include <QString>
#include <QStringList>

namespace quillon::cli
{

int runArchive(const QStringList& args, const QString& usage);
int runAscan(const QStringList& args, const QString& usage);
int runBank(const QStringList& args, const QString& usage);
int runCapture(const QStringList& args, const QString& usage);
int runDocx(const QStringList& args, const QString& usage);
int runImportFrames(const QStringList& args, const QString& usage);
int runListen(const QStringList& args, const QString& usage);
int runRecord(const QStringList& args, const QString& usage);
int runRegister(const QStringList& args, const QString& usage);
int runServer(const QStringList& args, const QString& usage);
int runReport(const QStringList& args, const QString& usage);
int runTable(const QStringList& args, const QString& usage);

} // namespace quillon::cli
