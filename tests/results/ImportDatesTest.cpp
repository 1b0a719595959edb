// Dates as operators write them, and the column that settles day or month first.

#include "results/import/ImportDates.h"

#include <gtest/gtest.h>

using namespace kivora;

namespace {

QDate read(const char *text, DateOrder order = DateOrder::Unknown)
{
    return dateFromParts(readDateParts(QString::fromUtf8(text)), order);
}

} // namespace

TEST(ImportDates, WrittenFormsInSeveralLanguagesWithWeekdaysAndTimes)
{
    const QDate oct23(2017, 10, 23);
    for (const char *text : { "23.10.2017", "2017-10-23", "2017-10-23T00:00:00", "23.10.2017 20:30",
             "23.10.17", "23 октября 2017", "23 ОКТЯБРЯ 2017 г.", "понедельник, 23 октября 2017",
             "Mon. Oct 23, 2017", "October 23, 2017", "23. Oktober 2017", "Montag, 23.10.2017",
             "LUNDI 23 octobre 2017", "23/10/2017", "10/23/2017" })
        EXPECT_EQ(read(text), oct23) << text;
    EXPECT_EQ(read("MARDI   16 juin 2020"), QDate(2020, 6, 16));
    EXPECT_EQ(read("Tue. Jun 16, 2020"), QDate(2020, 6, 16));
    EXPECT_EQ(read("1. März 2020"), QDate(2020, 3, 1));
    EXPECT_EQ(read("15 août 2020"), QDate(2020, 8, 15));
    EXPECT_EQ(read("3 мая 1999"), QDate(1999, 5, 3));
    EXPECT_EQ(read("31.12.69"), QDate(2069, 12, 31));
    EXPECT_EQ(read("31.12.70"), QDate(1970, 12, 31));
    for (const char *text : { "", "yesterday", "20200916", "1 2 3 4 5", "23 Foobar 2017", "12:30" })
        EXPECT_FALSE(read(text).isValid()) << text;
}

TEST(ImportDates, TheColumnDecidesWhether0304IsMarchOrApril)
{
    DateOrderVote undecided;
    for (const char *text : { "03/04/2020", "04/03/2020", "05/05/2020" })
        undecided.add(readDateParts(QString::fromUtf8(text)));
    EXPECT_TRUE(undecided.ambiguous());
    EXPECT_EQ(undecided.order(), DateOrder::Unknown);

    DateOrderVote dayFirst = undecided;
    dayFirst.add(readDateParts(QStringLiteral("13/04/2020")));
    EXPECT_EQ(dayFirst.order(), DateOrder::DayFirst);
    EXPECT_FALSE(dayFirst.ambiguous());
    EXPECT_EQ(read("03/04/2020", dayFirst.order()), QDate(2020, 4, 3));

    DateOrderVote monthFirst = undecided;
    monthFirst.add(readDateParts(QStringLiteral("4/13/2020")));
    EXPECT_EQ(monthFirst.order(), DateOrder::MonthFirst);
    EXPECT_EQ(read("03/04/2020", monthFirst.order()), QDate(2020, 3, 4));

    // Dots are day first where they are written; names and year-first need no vote.
    DateOrderVote dotted;
    for (const char *text : { "03.04.2020", "2020-04-05", "5 April 2020" })
        dotted.add(readDateParts(QString::fromUtf8(text)));
    EXPECT_EQ(dotted.order(), DateOrder::DayFirst);
    EXPECT_FALSE(dotted.ambiguous());

    EXPECT_EQ(dateOrderFromFormat(QStringLiteral("mm/dd/yyyy")), DateOrder::MonthFirst);
    EXPECT_EQ(dateOrderFromFormat(QStringLiteral("m/d/yyyy")), DateOrder::MonthFirst);
    EXPECT_EQ(dateOrderFromFormat(QStringLiteral("DD.MM.YYYY")), DateOrder::DayFirst);
    EXPECT_EQ(dateOrderFromFormat(QStringLiteral("whenever")), DateOrder::Unknown);
    EXPECT_EQ(readSinceDate(QStringLiteral("31.10.2017")), QDate(2017, 10, 31));
    EXPECT_EQ(readSinceDate(QStringLiteral("2017-10-31")), QDate(2017, 10, 31));
    EXPECT_FALSE(readSinceDate(QStringLiteral("10/31/2017")).isValid());
}
