#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace kivora::cli {

enum ExitStatus { ExitOk = 0, ExitFailed = 1, ExitUsage = 2 };

// Runs one kivora-cli invocation (the arguments without the program name). Output
// goes to out, messages to err; a failure never writes a partial result to out.
int run(const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace kivora::cli
