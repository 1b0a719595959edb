#pragma once

// The programs this computer's user chose to work with: the text editor that shows
// reports and bases, and the calculator. They are kept in the user's own settings
// (QSettings' user scope: ~/.config/Kivora/kivora.ini), never in the program folder:
// a program folder may come from someone else, so nothing in it may name a program
// to run. The location follows QSettings::setPath, which lets tests use a temporary
// folder.

#include <QString>

namespace kivora {

class UserPrograms final
{
public:
    enum Program { TextEditor, Calculator };

    // The chosen program's full path; empty when none was chosen, or when the chosen
    // file is no longer an executable program.
    static QString path(Program program);
    // Stores the choice; an empty path forgets it. False when the path is not an
    // executable program file, or the settings file cannot be written.
    static bool setPath(Program program, const QString &path);

    // True for an existing regular file, named by its absolute path, that the user may
    // execute.
    static bool isProgramFile(const QString &path);
    // The file the choices are stored in.
    static QString settingsFile();
};

} // namespace kivora
