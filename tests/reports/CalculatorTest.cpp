#include "reports/Calculator.h"

#include "support/TempFolder.h"
#include "support/TestText.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace kivora;

namespace {

using kivora::test::s;

void makeProgram(const test::TempFolder &dir, const QString &name, bool executable)
{
    dir.writeBytes(name, QByteArray("#!/bin/sh\n"));
    QFile::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    if (executable)
        permissions |= QFileDevice::ExeOwner;
    QFile(dir.filePath(name)).setPermissions(permissions);
}

} // namespace

TEST(Calculator, FirstInstalledCandidateWins)
{
    test::TempFolder dir;
    const QStringList paths { dir.path() };
    EXPECT_EQ(findCalculator(defaultCalculators(), paths), QString());

    makeProgram(dir, s("xcalc"), true);
    makeProgram(dir, s("kcalc"), false); // present but not a program
    EXPECT_EQ(findCalculator(defaultCalculators(), paths), QDir(dir.path()).filePath(s("xcalc")));

    makeProgram(dir, s("galculator"), true);
    EXPECT_EQ(findCalculator(defaultCalculators(), paths), QDir(dir.path()).filePath(s("galculator")));

    EXPECT_EQ(findCalculator({}, paths), QString());
    EXPECT_EQ(findCalculator({ QString(), s("no-such-calculator") }, paths), QString());
    EXPECT_EQ(defaultCalculators().first(), s("gnome-calculator"));
}
