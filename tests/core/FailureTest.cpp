#include "core/Failure.h"

#include "core/MessageCatalog.h"

#include <gtest/gtest.h>

using namespace kivora;

TEST(Failure, OnlyAnIoFailureIsShownInTheInputOutputWrapper)
{
    const MessageCatalog messages;
    const QString reason = QString::fromUtf8("нет доступа");
    EXPECT_EQ(failureMessage(Failure::io(reason), messages), messages("Str56").arg(reason));
    for (const Failure &other : { Failure::format(reason), Failure::refused(reason), Failure::usage(reason) })
        EXPECT_EQ(failureMessage(other, messages), reason);

    // A routine that gives a value, seen only for whether it succeeded.
    const Done done = Outcome<int>(7);
    EXPECT_TRUE(done);
    const Done failed = Outcome<int>(Failure::refused(reason));
    ASSERT_FALSE(failed);
    EXPECT_EQ(failed.failure().kind, Failure::Kind::Refused);
    EXPECT_EQ(failed.failure().text, reason);
}
