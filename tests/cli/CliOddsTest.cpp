// kivora-cli odds: the odds page's tables for scripts, with exact counts.

#include "support/CliRunner.h"

#include <QJsonArray>

using namespace kivora;
using namespace kivora::test;

namespace {

class CliOdds : public CliFixture
{
protected:
    QJsonObject firstRow(const QJsonObject &json, int table = 0)
    {
        return json.value(s("tables"))
            .toArray()
            .at(table)
            .toObject()
            .value(s("rows"))
            .toArray()
            .first()
            .toObject();
    }
};

} // namespace

TEST_F(CliOdds, TopPrizesCountTheAdditionalNumbers)
{
    const struct
    {
        const char *lottery;
        const char *outcomes;
        const char *oneIn;
        int additional;
    } cases[] = {
        { "5 из 50 + 2 из 12", "1", "139838160.00", 2 },
        { "5 из 70 + 1 из 25", "1", "302575350.00", 1 },
        { "4 из 20", "1", "23474025.00", 4 },
        { "6 из 45", "1", "8145060.00", -1 },
    };
    for (const auto &c : cases) {
        CliRun r = run({ s("odds"), s("--lottery"), s(c.lottery), s("--json") });
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        const QJsonObject top = firstRow(r.json());
        EXPECT_EQ(top.value(s("outcomes")).toString(), s(c.outcomes)) << c.lottery;
        EXPECT_EQ(top.value(s("one_in")).toString(), s(c.oneIn)) << c.lottery;
        EXPECT_EQ(top.value(s("additional")).toInt(-1), c.additional) << c.lottery;
    }
}

TEST_F(CliOdds, KenoHasATableForEachTicketSize)
{
    CliRun r = run({ s("odds"), s("--lottery"), s("Кено (20 из 80)"), s("--json") });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QJsonArray tables = r.json().value(s("tables")).toArray();
    ASSERT_EQ(tables.size(), 10);
    // Ten spots, all ten drawn: C(70, 10) of C(80, 20) outcomes.
    const QJsonObject ten = firstRow(r.json(), 9);
    EXPECT_EQ(ten.value(s("main")).toInt(), 10);
    EXPECT_EQ(ten.value(s("outcomes")).toString(), s("396704524216"));
    EXPECT_EQ(ten.value(s("one_in")).toString(), s("8911711.18"));

    CliRun text = run({ s("odds"), s("--lottery"), s("Кено (20 из 80)") });
    EXPECT_EQ(text.status, 0);
    EXPECT_TRUE(text.out.contains(s("1 : 8911711,18")));
    EXPECT_EQ(run({ s("odds"), s("--lottery"), s("Нет такой") }).status, 1);
    EXPECT_EQ(run({ s("odds") }).status, 2);
}
