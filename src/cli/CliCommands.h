#pragma once

#include <QString>

namespace kivora {
class ProgramFolder;
}

namespace kivora::cli {

class CliArguments;

struct CommandResult
{
    int status = 0;
    QString output; // written to standard output when status is 0
    QString error;  // written to standard error otherwise

    static CommandResult ok(QString text) { return {0, std::move(text), {}}; }
    static CommandResult failed(QString message) { return {1, {}, std::move(message)}; }
    static CommandResult wrongUsage(QString message) { return {2, {}, std::move(message)}; }
};

CommandResult runCommand(const ProgramFolder &folder, const CliArguments &args);

} // namespace kivora::cli
