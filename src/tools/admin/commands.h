#pragma once

#include <QStringList>

// Each subcommand of velmora-admin takes the arguments after its name and
// returns the process exit status.
namespace Admin {

int runInit(const QStringList &args);
int runCheck(const QStringList &args);
int runBackup(const QStringList &args);

// Writes a line to standard output or standard error (UTF-8).
void out(const QString &line);
void err(const QString &line);

} // namespace Admin
