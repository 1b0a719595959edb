#pragma once

// The dates operators write: "23.10.2017", "09/25/2020", "9/5/2020", "2020-09-25",
// "25.09.20", "23 октября 2017", "Tue. Jun 16, 2020", "MARDI 16 juin 2020",
// "2020-09-25T00:00:00". Whether 03/04 is the third of April or March the fourth is
// decided for the whole column: a first part above 12 makes it day first, a second
// part above 12 month first.

#include <QDate>
#include <QString>
#include <QStringView>

namespace kivora {

// Which of the two leading parts of a numeric date is the day.
enum class DateOrder {
    Unknown, // not settled by the values seen so far
    DayFirst, // dd.mm.yyyy, dd/mm/yyyy
    MonthFirst, // mm/dd/yyyy
};

// A date as read, before the column decides the order of its parts.
struct DateParts
{
    int first = 0; // day or month (the day when the month was a name)
    int second = 0;
    int year = 0;
    bool named = false; // the month was a name: first is the day, second the month
    bool isoOrder = false; // year first: second is the month, first the day
    bool dotted = false; // "dd.mm.yyyy": day first by custom

    bool valid() const { return year > 0; }
};

// The parts of a date text, or parts with year 0 when it is none. A time beside the
// date and a weekday are ignored; two-digit years below 70 are 20yy, others 19yy.
DateParts readDateParts(QStringView text);

// What a column of dates settles so far; call add for each value.
class DateOrderVote final
{
public:
    void add(const DateParts &parts);
    // DayFirst or MonthFirst when a part above 12 settled it (the first one met wins),
    // DayFirst when every ambiguous date was written with dots, else Unknown.
    DateOrder order() const;
    // Whether any date of the column needs the order (numeric, both parts 12 or less
    // and not dotted, nor settled by another value).
    bool ambiguous() const { return order() == DateOrder::Unknown && m_needsOrder; }

private:
    bool m_dayFirst = false;
    bool m_monthFirst = false;
    bool m_needsOrder = false;
};

// The date the parts make with the order, or an invalid date.
QDate dateFromParts(const DateParts &parts, DateOrder order);

// A date format the user gives (--date-format): "dd.mm.yyyy", "dd/mm/yyyy",
// "mm/dd/yyyy", "m/d/yyyy", "yyyy-mm-dd", any case; "day-first" and "month-first" too.
// Unknown for a text that names neither order.
DateOrder dateOrderFromFormat(const QString &format);
// The format named for an order, as the importer reports it: "dd/mm/yyyy" or
// "mm/dd/yyyy"; the empty text for Unknown.
QString dateFormatName(DateOrder order);

// A --since date: "dd.mm.yyyy" or "yyyy-mm-dd"; invalid when it is neither.
QDate readSinceDate(const QString &text);

} // namespace kivora
