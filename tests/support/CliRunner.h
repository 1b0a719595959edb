#pragma once

// Runs kivora-cli in-process on a temporary program folder seeded with the default
// data, and reads its JSON.

#include "cli/CliApp.h"
#include "core/MessageCatalog.h"
#include "results/ResultsLoad.h"
#include "statistics/StatTable.h"
#include "support/Taken.h"
#include "support/TempFolder.h"
#include "support/TestText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <gtest/gtest.h>

#include <vector>

namespace kivora::test {

struct CliRun
{
    int status = -1;
    QString out;
    QString err;

    QJsonObject json() const
    {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(out.toUtf8(), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
        EXPECT_TRUE(document.isObject());
        return document.object();
    }
};

// Runs kivora-cli with the arguments as given, its output and errors caught.
inline CliRun runCli(const QStringList &arguments)
{
    CliRun result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    result.status = cli::run(arguments, out, err);
    out.flush();
    err.flush();
    return result;
}

// The same on the program folder `home`.
inline CliRun runCli(const QString &home, const QStringList &arguments)
{
    return runCli(QStringList { QStringLiteral("--home"), home } + arguments);
}

class CliFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QString error;
        ASSERT_TRUE(test::taken(dir.folder().seed(), &error)) << error.toStdString();
    }

    CliRun run(const QStringList &arguments) const { return runCli(dir.path(), arguments); }

    LoadResult load(const QString &lottery, const DrawFilter &filter = {}) const
    {
        LoadResult result = kivora::loadLottery(dir.folder(), lottery, filter, messages);
        EXPECT_TRUE(result.ok) << result.error.toStdString();
        return result;
    }

    TempFolder dir;
    const MessageCatalog messages;
};

inline QByteArray compact(const QJsonArray &array)
{
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

// The rows [caption, since, drawn] of a table shown in `order`.
inline QJsonArray expectedRows(const StatTable &table, const std::vector<int> &order)
{
    QJsonArray rows;
    for (int row : order) {
        const StatRow &item = table.rows[static_cast<size_t>(row)];
        rows.append(QJsonArray { table.caption(row), item.since, item.drawn });
    }
    return rows;
}

inline std::vector<int> addedOrder(const StatTable &table)
{
    std::vector<int> order;
    for (int row = 0; row < table.rowCount(); ++row)
        order.push_back(row);
    return order;
}

} // namespace kivora::test
