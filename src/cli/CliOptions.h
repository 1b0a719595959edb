#pragma once

// The names of kivora-cli's options, without their dashes: "lottery" is written
// "--lottery", "k" is written "-k". Every command reads its options by these names.

#include <QString>
#include <QStringList>

namespace kivora::cli::option {

// Read by the front end for every command.
inline const QString kHome = QStringLiteral("home");
inline const QString kInit = QStringLiteral("init");
inline const QString kJson = QStringLiteral("json");
inline const QString kFormat = QStringLiteral("format");
inline const QString kSort = QStringLiteral("sort");
inline const QString kLimit = QStringLiteral("limit");
inline const QString kHelp = QStringLiteral("help");
inline const QString kHelpShort = QStringLiteral("h");
inline const QString kVersion = QStringLiteral("version");

// The lottery and the draw selection.
inline const QString kLottery = QStringLiteral("lottery");
inline const QString kLast = QStringLiteral("last");
inline const QString kMachine = QStringLiteral("machine");
inline const QString kBallSet = QStringLiteral("ballset");

inline const QString kOut = QStringLiteral("out"); // the file a command writes; "-": standard output

// Statistics.
inline const QString kFamily = QStringLiteral("family");
inline const QString kK = QStringLiteral("k");
inline const QString kAllDraws = QStringLiteral("all-draws");
inline const QString kPosition = QStringLiteral("p");
inline const QString kOrder = QStringLiteral("order");
inline const QString kGroup = QStringLiteral("group");

// Play by system.
inline const QString kSystem = QStringLiteral("system");
inline const QString kMarked = QStringLiteral("marked");
inline const QString kFile = QStringLiteral("file");
inline const QString kDraw = QStringLiteral("draw");

// A new draw (add); --machine and --ballset are its fields there.
inline const QString kNumber = QStringLiteral("number");
inline const QString kDate = QStringLiteral("date");
inline const QString kMain = QStringLiteral("main");
inline const QString kAdditional = QStringLiteral("additional");

// backtest.
inline const QString kMethod = QStringLiteral("method");
inline const QString kSize = QStringLiteral("size");
inline const QString kFrom = QStringLiteral("from");
inline const QString kSeed = QStringLiteral("seed");

// import: how the file is read and what is done with its draws.
inline const QString kMerge = QStringLiteral("merge");
inline const QString kDryRun = QStringLiteral("dry-run");
inline const QString kColumns = QStringLiteral("columns");
inline const QString kDateFormat = QStringLiteral("date-format");
inline const QString kEncoding = QStringLiteral("encoding");
inline const QString kSince = QStringLiteral("since");
inline const QString kSaveProfile = QStringLiteral("save-profile");

// catalogue add: the results base to use instead of the game's own name.
inline const QString kBase = QStringLiteral("base");

// update: the address to download from instead of the lottery's ResultsUrl.
inline const QString kUrl = QStringLiteral("url");

// The ticket filters.
inline const QString kSum = QStringLiteral("sum");
inline const QString kOdd = QStringLiteral("odd");
inline const QString kLow = QStringLiteral("low");
inline const QString kRun = QStringLiteral("run");
inline const QString kTen = QStringLiteral("ten");
inline const QString kNotPast = QStringLiteral("not-past");

// Wheels.
inline const QString kNumbers = QStringLiteral("numbers");
inline const QString kTicket = QStringLiteral("ticket");
inline const QString kGuarantee = QStringLiteral("guarantee");
inline const QString kIf = QStringLiteral("if");
inline const QString kSeconds = QStringLiteral("seconds");
inline const QString kHoles = QStringLiteral("holes");
inline const QString kKeys = QStringLiteral("keys"); // numbers on every ticket of a wheel

// Options that never take a value.
inline QStringList flags()
{
    return { kJson, kAllDraws, kNotPast, kHelp, kHelpShort, kVersion, kInit, kMerge, kDryRun, kSaveProfile };
}

// The ticket filters in the order of TicketFilter, as their JSON names them too.
inline QStringList filters()
{
    return { kSum, kOdd, kLow, kRun, kTen, kNotPast };
}

} // namespace kivora::cli::option
