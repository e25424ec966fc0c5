// League table: points and tie-breakers worked out by hand for small leagues, head-to-head within
// the group still level, a game both teams recorded counted once (and left out when the two
// records disagree), deductions, the youth cap, the printout compared whole, and the rules file
// read from hand-written bytes.
#include "TeamReportSupport.h"

#include "core/reports/LeagueRulesFile.h"
#include "core/reports/LeagueTableReport.h"

using namespace scorvane;
using namespace scorvane::testing;

namespace {

LeagueGame game(const char* opponent, int goalsFor, int goalsAgainst, const char* date = "090102",
    char home = '1')
{
    LeagueGame g;
    const QByteArray name = pad(opponent, 25);
    std::copy_n(name.constData(), 25, g.opponent.begin());
    std::copy_n(date, 6, g.date.begin());
    g.goalsFor = static_cast<qint16>(goalsFor);
    g.goalsAgainst = static_cast<qint16>(goalsAgainst);
    g.homeGame = home;
    return g;
}

LeagueTeamGames team(int slot, std::vector<LeagueGame> games)
{
    return {slot, fitWidth(QStringLiteral("Team ") + QString::number(slot), 25), std::move(games)};
}

LeagueRules preset(int index)
{
    return leaguePresets()[static_cast<std::size_t>(index)];
}

// Each row as "slot pos P W T L GF GA GD Pts | decided by", one row a line.
std::string rowsOf(const LeagueTable& table)
{
    QStringList rows;
    for (const LeagueRow& r : table.rows()) {
        QString decided = r.levelWithAbove ? QStringLiteral("level")
            : r.decidedBy                  ? tieBreakerName(*r.decidedBy)
                                           : QString();
        rows << QStringLiteral("%1 %2%3 %4 %5 %6 %7 %8 %9 %10 %11 | %12")
                    .arg(r.slot)
                    .arg(r.position)
                    .arg(r.sharesPosition ? QStringLiteral("=") : QString())
                    .arg(r.played)
                    .arg(r.won)
                    .arg(r.tied)
                    .arg(r.lost)
                    .arg(r.goalsFor)
                    .arg(r.goalsAgainst)
                    .arg(r.goalDifference)
                    .arg(r.points)
                    .arg(decided);
    }
    return rows.join(u'\n').toStdString();
}

std::string lines(std::initializer_list<const char*> rows)
{
    return texts(rows).join(u'\n').toStdString();
}

// Teams 1, 2 and 3 end on 6 points. Among them team 1 took 6 head-to-head points (1-0 over both),
// teams 2 and 3 one each (1-1); between those two everything head-to-head is equal, and goal
// difference (+2 against 0) splits them. Team 4 has 7 points from its games with the others,
// which only team 1 and team 2 recorded.
std::vector<LeagueTeamGames> threeWayTie()
{
    return {team(1, {game("Team 2", 1, 0), game("Team 3", 1, 0), game(" team 4", 0, 1)}),
        team(2,
            {game("Team 3", 1, 1), game("Team 4", 3, 0, "090202"), game("Team 4", 0, 0, "090302"),
                game("Team 4", 1, 1, "090402")}),
        team(3,
            {game("Team 4", 1, 0, "090502"), game("TEAM 4", 2, 2, "090602"),
                game("Team 4", 0, 0, "090702")}),
        team(4, {})};
}

} // namespace

TEST(LeagueTable, ThreeWayTieSplitByHeadToHeadThenGoalDifference)
{
    const LeagueTable table(threeWayTie(), preset(1));
    EXPECT_EQ(rowsOf(table),
        lines({"4 1 7 1 4 2 4 7 -3 7 | ", "1 2 3 2 0 1 2 1 1 6 | points",
            "2 3 5 1 3 1 5 3 2 6 | head-to-head points", "3 4 5 1 3 1 4 4 0 6 | goal difference"}));
    EXPECT_TRUE(table.disagreements().empty());
}

TEST(LeagueTable, DefaultRulesPutGoalDifferenceBeforeHeadToHead)
{
    // Same games, goal difference first: team 2 (+2) over team 1 (+1) over team 3 (0).
    const LeagueTable table(threeWayTie(), preset(0));
    EXPECT_EQ(rowsOf(table),
        lines({"4 1 7 1 4 2 4 7 -3 7 | ", "2 2 5 1 3 1 5 3 2 6 | points",
            "1 3 3 2 0 1 2 1 1 6 | goal difference", "3 4 5 1 3 1 4 4 0 6 | goal difference"}));
}

TEST(LeagueTable, TeamsLevelOnEveryRuleShareThePosition)
{
    // Teams 2 and 3 both beat outside teams 2-1 and never met; team 1 lost its only game.
    const LeagueTable table({team(1, {game("Rovers", 0, 1)}), team(2, {game("Rovers", 2, 1)}),
                                team(3, {game("United", 2, 1)})},
        preset(0));
    EXPECT_EQ(rowsOf(table),
        lines({"2 1= 1 1 0 0 2 1 1 3 | ", "3 1= 1 1 0 0 2 1 1 3 | level",
            "1 3 1 0 0 1 0 1 -1 0 | points"}));
    const LeagueTableReport report(table);
    EXPECT_EQ(report.grid().rows[1].back(), QStringLiteral("level on every rule"));
    EXPECT_EQ(report.teamLine(table.rows()[1]),
        QStringLiteral(
            "1=  Team 3                      1   1   0   0   2   1    1    3  level on all"));
}

TEST(LeagueTable, AGameBothTeamsRecordedCountsOnceOrNotAtAll)
{
    const struct
    {
        const char* name;
        LeagueGame first;  // team 1's record
        LeagueGame second; // team 2's record
        std::string rows;
        int disagreements;
    } cases[] = {
        {"both agree: counted once", game("Team 2", 2, 1, "091502"),
            game("Team 1", 1, 2, "091502", '2'),
            lines({"1 1 1 1 0 0 2 1 1 3 | ", "2 2 1 0 0 1 1 2 -1 0 | points"}), 0},
        {"scores disagree: not counted", game("Team 2", 2, 1, "091502"),
            game("Team 1", 1, 1, "091502"),
            lines({"1 1= 0 0 0 0 0 0 0 0 | ", "2 1= 0 0 0 0 0 0 0 0 | level"}), 1},
        {"other dates: two games", game("Team 2", 2, 1, "091502"), game("Team 1", 1, 1, "092202"),
            lines({"1 1 2 1 1 0 3 2 1 4 | ", "2 2 2 0 1 1 2 3 -1 1 | points"}), 0},
    };
    for (const auto& c : cases) {
        const LeagueTable table({team(1, {c.first}), team(2, {c.second})}, preset(0));
        EXPECT_EQ(rowsOf(table), c.rows) << c.name;
        EXPECT_EQ(static_cast<int>(table.disagreements().size()), c.disagreements) << c.name;
    }
    const LeagueTableReport report(LeagueTable(
        {team(1, {game("Team 2", 2, 1, "091502")}), team(2, {game("Team 1", 1, 1, "091502")})},
        preset(0)));
    EXPECT_EQ(report.notes().back(),
        QStringLiteral("Team 1 v Team 2, 09/15/02: Team 1 recorded 2-1, Team 2 recorded 1-1; the "
                       "game is not counted until the two records agree."));
}

TEST(LeagueTable, RecordsOfOneDatePairInRecordOrderAndDisputesAreListedByPair)
{
    // Teams 1 and 2 both recorded a double header on 09/03 and a game on 09/04, team 2 in
    // another order. The first records of 09/03 agree (team 1 won 2-1) and count once; the
    // second ones and those of 09/04 disagree. Teams 1 and 4, and teams 2 and 3, disagree on
    // one game each. The notes go by pair in list order, then by team 1's record order.
    const LeagueTable table(
        {team(1,
             {game("Team 2", 3, 0, "090402"), game("Team 2", 2, 1, "090302"),
                 game("Team 2", 0, 0, "090302"), game("Team 4", 1, 0, "090102")}),
            team(2,
                {game("Team 1", 1, 2, "090302"), game("Team 1", 1, 1, "090302"),
                    game("Team 1", 1, 1, "090402"), game("Team 3", 2, 0, "090202")}),
            team(3, {game("Team 2", 2, 0, "090202")}), team(4, {game("Team 1", 1, 0, "090102")})},
        preset(0));
    EXPECT_EQ(rowsOf(table),
        lines({"1 1 1 1 0 0 2 1 1 3 | ", "3 2= 0 0 0 0 0 0 0 0 | points",
            "4 2= 0 0 0 0 0 0 0 0 | level", "2 4 1 0 0 1 1 2 -1 0 | goal difference"}));
    QStringList disputes;
    for (const RecordDisagreement& d : table.disagreements())
        disputes << QStringLiteral("%1v%2 %3 %4-%5 %6-%7")
                        .arg(d.firstSlot)
                        .arg(d.secondSlot)
                        .arg(d.date)
                        .arg(d.firstFor)
                        .arg(d.firstAgainst)
                        .arg(d.secondFor)
                        .arg(d.secondAgainst);
    EXPECT_EQ(disputes.join(u'|').toStdString(),
        "1v2 090402 3-0 1-1|1v2 090302 0-0 1-1|1v4 090102 1-0 1-0|2v3 090202 2-0 2-0");
}

TEST(LeagueTable, HeadToHeadFiguresCountFromEachSide)
{
    // Team 1 recorded its 1-0 win over team 2; team 2 recorded its 4-1 win over team 1. Level on
    // points and head-to-head points; head-to-head goal difference -2 against +2 puts team 2 first.
    // Capped at one goal a game both are level on it, and head-to-head goals (2 against 4) decide.
    const std::vector<LeagueTeamGames> teams{
        team(1, {game("Team 2", 1, 0, "090102")}), team(2, {game("Team 1", 4, 1, "090802")})};
    LeagueRules rules;
    rules.tieBreakers = {TieBreaker::Points, TieBreaker::HeadToHeadPoints,
        TieBreaker::HeadToHeadGoalDifference, TieBreaker::HeadToHeadGoalsFor};
    EXPECT_EQ(rowsOf(LeagueTable(teams, rules)),
        lines({"2 1 2 1 0 1 4 2 2 3 | ", "1 2 2 1 0 1 2 4 -2 3 | head-to-head goal difference"}));
    rules.goalDifferenceCap = 1;
    EXPECT_EQ(rowsOf(LeagueTable(teams, rules)),
        lines({"2 1 2 1 0 1 4 2 0 3 | ", "1 2 2 1 0 1 2 4 0 3 | head-to-head goals for"}));
}

TEST(LeagueTable, AGameOnlyOneTeamRecordedCountsForBoth)
{
    // Team 2 recorded neither of its games; teams 1 and 3 did.
    const LeagueTable table(
        {team(1, {game("Team 2", 3, 0)}), team(2, {}), team(3, {game("Team 2", 0, 0)})}, preset(0));
    EXPECT_EQ(rowsOf(table),
        lines({"1 1 1 1 0 0 3 0 3 3 | ", "3 2 1 0 1 0 0 0 0 1 | points",
            "2 3 2 0 1 1 0 3 -3 1 | goal difference"}));
}

TEST(LeagueTable, DeductionTakesPointsOffAndIsNoted)
{
    // Team 1: three wins, 9 points less 3 = 6; team 2: two wins and a tie, 7 points.
    LeagueRules rules = preset(0);
    rules.deductions.push_back(
        PointsDeduction{1, 3, QStringLiteral("fielded an ineligible player")});
    rules.deductions.push_back(PointsDeduction{9, 2, QStringLiteral("not in the table")});
    const LeagueTableReport report(LeagueTable(
        {team(1, {game("Rovers", 1, 0), game("Rovers", 1, 0), game("Rovers", 1, 0)}),
            team(2, {game("Rovers", 1, 0), game("Rovers", 1, 0), game("Rovers", 0, 0)})},
        rules));
    EXPECT_EQ(
        rowsOf(report.table()), lines({"2 1 3 2 1 0 2 0 2 7 | ", "1 2 3 3 0 0 3 0 3 6 | points"}));
    const QStringList notes = report.notes();
    ASSERT_EQ(notes.size(), 2);
    EXPECT_EQ(
        notes[1], QStringLiteral("Team 1: 3 points deducted (fielded an ineligible player)."));
}

TEST(LeagueTable, YouthCapCountsAtMostThreeGoalsAGame)
{
    // Team 1: 9-0 and 0-2 (capped +3 -2 = +1, uncapped +7); team 2: 3-0 and 0-1 (+3 -1 = +2).
    const std::vector<LeagueTeamGames> teams{team(1, {game("Rovers", 9, 0), game("Rovers", 0, 2)}),
        team(2, {game("United", 3, 0), game("United", 0, 1)})};
    EXPECT_EQ(rowsOf(LeagueTable(teams, preset(0))),
        lines({"1 1 2 1 0 1 9 2 7 3 | ", "2 2 2 1 0 1 3 1 2 3 | goal difference"}));
    EXPECT_EQ(rowsOf(LeagueTable(teams, preset(2))),
        lines({"2 1 2 1 0 1 3 1 2 3 | ", "1 2 2 1 0 1 9 2 1 3 | goal difference"}));
}

TEST(LeagueTable, EachTieBreakerOnItsOwn)
{
    // Team 1: won 2-0 away, lost 0-1 at home: 3 pts, GF 2, GA 1, away goals 2.
    // Team 2: won 1-0 at home, tied 1-1 away, lost 0-1 at home: 4 pts, GF 2, GA 2, away 1.
    // Team 3: won 4-3 at home: 3 pts, GF 4, GA 3, one game.
    const std::vector<LeagueTeamGames> teams{
        team(1, {game("A", 2, 0, "090102", '2'), game("B", 0, 1)}),
        team(2, {game("A", 1, 0), game("B", 1, 1, "090102", '2'), game("C", 0, 1)}),
        team(3, {game("A", 4, 3)})};
    const struct
    {
        TieBreaker rule;
        const char* order;
    } cases[] = {
        {TieBreaker::Points, "2 1 3"},
        {TieBreaker::GoalDifference, "1 3 2"},
        {TieBreaker::GoalsFor, "3 1 2"},
        {TieBreaker::FewestGoalsAgainst, "1 2 3"},
        {TieBreaker::Wins, "1 2 3"},
        {TieBreaker::AwayGoals, "1 2 3"},
        {TieBreaker::FewestGamesPlayed, "3 1 2"},
    };
    for (const auto& c : cases) {
        LeagueRules rules;
        rules.tieBreakers = {c.rule};
        QStringList order;
        const LeagueTable table(teams, rules);
        for (const LeagueRow& row : table.rows())
            order << QString::number(row.slot);
        EXPECT_EQ(order.join(u' '), QString::fromLatin1(c.order))
            << tieBreakerName(c.rule).toStdString();
    }
}

TEST(LeagueTable, PrintoutWithNotesAndAPageBreak)
{
    TeamReportFolder folder;
    folder.writeGames(1, GameBytes{.number = 1, .opponent = "Team 2", .goalsFor = 2}.bytes());
    folder.writeGames(2,
        join({GameBytes{.number = 1, .opponent = "Team 1", .goalsAgainst = 2, .home = '2'}.bytes(),
            GameBytes{.number = 2,
                .date = "092202",
                .opponent = "Team 3",
                .goalsFor = 1,
                .goalsAgainst = 1}
                .bytes()}));
    LeagueRules rules;
    rules.deductions.push_back(PointsDeduction{3, 1, QStringLiteral("late registration")});
    TeamNameTable names = folder.teamNames;
    const LeagueTableResult result
        = computeLeagueTable(folder.state.settings.dataFolder, {1, 2, 3}, names, {}, rules);
    ASSERT_FALSE(result.fault);
    // Nine lines to a page; the form feed is the first line of the next page.
    ASSERT_TRUE(result.report.print(folder.engine, printChoices("League Table", 9)));
    const QStringList heading = texts({"", "League Table", "",
        "Pos Team                        P   W   T   L  GF  GA   GD  Pts  Decided by",
        "--------------------------------------------------------------------------------"});
    const QStringList expected = heading
        + texts({"1   Team 1                      1   1   0   0   2   0    2    3",
            "2   Team 2                      2   0   1   1   1   3   -2    1  points",
            "3   Team 3                      1   0   1   0   1   1    0    0  points", "", "\f"})
        + heading
        + texts({"Rules: Points, goal difference: 3 for a win, 1 for a tie, 0 for a loss; ranked",
            "  by points, goal difference, goals for, head-to-head points, head-to-head goal",
            "  difference, head-to-head goals for.", "\f"})
        + heading
        + texts({"Team 3: 1 point deducted (late registration).",
            "h2h: head-to-head, from the games among the teams still level at that rule.", "\f"});
    EXPECT_TRUE(samePrintout(folder.printed(), fileOf(expected)));
}

TEST(LeagueRulesFile, WritesTheLayoutByteForByte)
{
    LeagueRules rules = leaguePresets()[2];
    rules.name = QStringLiteral("Caf\u00e9 league");
    rules.tieBreakers = {TieBreaker::Points, TieBreaker::AwayGoals};
    rules.deductions.push_back(PointsDeduction{12, 3, QStringLiteral("forfeit\nlate")});
    const QByteArray expected = "scorvane league rules 1\n"
                                "name Caf\xe9 league\n"
                                "win 3\ntie 1\nloss 0\ncap 3\n"
                                "rule points\nrule away-goals\n"
                                "deduction 12 3 forfeit late\n"
                                "end\n";
    EXPECT_EQ(encodeLeagueRules(rules), expected);
    const LeagueRulesRead read = decodeLeagueRules(expected);
    ASSERT_TRUE(read.rules) << read.error.toStdString();
    rules.deductions[0].reason = QStringLiteral("forfeit late");
    EXPECT_EQ(*read.rules, rules);
}

TEST(LeagueRulesFile, BadFilesAreRefusedWithTheReason)
{
    const QByteArray good = "scorvane league rules 1\nname N\nwin 3\ntie 1\nloss 0\ncap 0\n";
    const struct
    {
        const char* name;
        QByteArray bytes;
        const char* error;
    } cases[] = {
        {"no rules", good + "end\n", "Choose at least one rule to rank the teams by"},
        {"negative points", good + "win -2\nrule points\nend\n", "Points cannot be negative"},
        {"unknown rule", good + "rule coin-toss\nend\n",
            "it is damaged: line 7: unknown rule \"coin-toss\""},
        {"cut short", good + "rule points\n", "it is damaged: the file ends early"},
        {"not a number", good + "tie one\nrule points\nend\n",
            "it is damaged: line 7: \"tie\" needs a number, not \"one\""},
        {"unknown entry", good + "colour red\nend\n",
            "it is damaged: line 7: unknown entry \"colour\""},
        {"newer version", "scorvane league rules 2\nend\n",
            "it was written by a newer version of the program (rules version 2; this version "
            "reads 1)"},
        {"another file", QByteArray(669, ' '), "it is not a league rules file"},
        {"deduction without reason", good + "rule points\ndeduction 3 2\nend\n",
            "it is damaged: line 8: a deduction needs a slot, points and a reason"},
        {"rule twice", good + "rule wins\nrule wins\nend\n", "\"wins\" is in the list twice"},
    };
    for (const auto& c : cases) {
        const LeagueRulesRead read = decodeLeagueRules(c.bytes);
        EXPECT_FALSE(read.rules) << c.name;
        EXPECT_EQ(read.error, QString::fromLatin1(c.error)) << c.name;
    }
}

TEST(LeagueRulesFile, MissingFileGivesTheDefaultsAndSavingLeavesNoTrace)
{
    TempState temp;
    const QString path = leagueRulesPath(temp.state.settings.settingsFolder);
    const LeagueRulesRead missing = readLeagueRules(path);
    ASSERT_TRUE(missing.rules);
    EXPECT_EQ(*missing.rules, LeagueRules{});
    LeagueRules rules = leaguePresets()[1];
    EXPECT_EQ(writeLeagueRules(path, rules), QString());
    EXPECT_EQ(readWholeFile(path), encodeLeagueRules(rules));
    EXPECT_FALSE(QFile::exists(path + QStringLiteral(".new")));
    EXPECT_EQ(*readLeagueRules(path).rules, rules);
}

// An opponent is a team of the table whatever its letter case and its blanks at either end, the
// accented capitals of the files' character set included; any other difference is another team.
TEST(LeagueTable, OpponentsMatchTeamNamesInAnyCaseAndBlanks)
{
    const QString fullWidth = QStringLiteral("Twenty-Five Letters Long!");
    const std::vector<const char*> same = {"bay owls", "BAY OWLS", "  Bay Owls", "Bay Owls   ",
        "\xD6L\xDC"
        "DENIZ",
        "\xF6l\xFC"
        "deniz",
        "TWENTY-FIVE LETTERS LONG!"};
    const std::vector<const char*> other
        = {"Bay Owl", "Bay  Owls", "Bay Owls FC", "Oludeniz", "Twenty-Five Letters Long"};
    std::vector<LeagueGame> games;
    int day = 1;
    for (const auto* names : {&same, &other}) {
        for (const char* name : *names) {
            const QByteArray date
                = QStringLiteral("09%1%2").arg(day++, 2, 10, QChar(u'0')).arg(2).toLatin1();
            games.push_back(game(name, 1, 0, date.constData()));
        }
    }
    const std::vector<LeagueTeamGames> teams{{1, QStringLiteral("Harbor"), games},
        {2, QStringLiteral("Bay Owls"), {}}, {3, QStringLiteral("\u00D6l\u00FCdeniz"), {}},
        {4, fullWidth, {}}};
    const LeagueTable table(teams, preset(0));
    std::map<int, int> played;
    for (const LeagueRow& row : table.rows())
        played[row.slot] = row.played;
    EXPECT_EQ(played, (std::map<int, int>{{1, 12}, {2, 4}, {3, 2}, {4, 1}}));
}
