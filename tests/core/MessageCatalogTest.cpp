#include "core/MessageCatalog.h"

#include <gtest/gtest.h>

using namespace kivora;

TEST(MessageCatalog, BuiltInTextsKeepTheirBlanks)
{
    const MessageCatalog messages;
    EXPECT_EQ(messages("Str1"), QString::fromUtf8("Проанализировано"));
    EXPECT_EQ(messages("Str2") + QStringLiteral("7"), QString::fromUtf8("Выбрано: 7"));
    EXPECT_EQ(messages("Str53"), QString::fromUtf8("Позиция"));
}

TEST(MessageCatalog, UnknownKeysAreEmptyAndOverridesApply)
{
    MessageCatalog messages;
    EXPECT_EQ(messages("Str3"), QString());
    EXPECT_EQ(messages("Nope"), QString());
    messages.setText(QStringLiteral("Str1"), QStringLiteral("Analysed"));
    EXPECT_EQ(messages("Str1"), QStringLiteral("Analysed"));
    messages.setText(QStringLiteral("Str3"), QStringLiteral("ignored"));
    EXPECT_EQ(messages("Str3"), QString());
    messages.restoreBuiltIn();
    EXPECT_EQ(messages("Str1"), QString::fromUtf8("Проанализировано"));
}

TEST(MessageCatalog, EntriesAreInCatalogueOrder)
{
    const MessageCatalog messages;
    ASSERT_GE(messages.entries().size(), 42);
    EXPECT_EQ(messages.entries().first().first, QStringLiteral("Str1"));
    EXPECT_EQ(messages.entries().at(1).first, QStringLiteral("Str2"));
}
