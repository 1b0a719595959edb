#pragma once

// What kivora-cli prints for --help, COMMAND --help and --version.

#include <QString>

namespace kivora::cli {

// The whole usage: every command, the shared options, output and exit status.
QString usage();
// The usage of one command ("stat", "wheel", ...); empty for a word that is no command.
QString commandUsage(const QString &command);
bool isCommand(const QString &word);
// "kivora-cli 1.1.0".
QString versionText();

} // namespace kivora::cli
