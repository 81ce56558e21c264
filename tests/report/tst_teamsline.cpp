#include "report/teamsline.h"

#include <QTest>

// Shown by QCOMPARE when two cuts differ.
char *toString(const TeamsLine &t)
{
    return QTest::toString(QStringLiteral("cuts %1 [%2] [%3] [%4] [%5] [%6]")
                               .arg(t.cuts)
                               .arg(t.home, t.away, t.stadium, t.homeKey, t.awayKey));
}

namespace {

TeamsLine cut(int cuts, const QString &home, const QString &away = {}, const QString &stadium = {},
              const QString &homeKey = {}, const QString &awayKey = {})
{
    return TeamsLine{cuts, home, away, stadium, homeKey, awayKey};
}

} // namespace

class TestTeamsLine : public QObject
{
    Q_OBJECT

private slots:
    void cutting_data();
    void cutting();
};

void TestTeamsLine::cutting_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<TeamsLine>("expected");

    QTest::newRow("the usual layout")
        << u"Atletico Rio (ARIO) vs. Club Sierra (CSIE) en Estadio Mayor (Valle)"_qs
        << cut(5, u"Atletico Rio"_qs, u"Club Sierra"_qs, u"Estadio Mayor (Valle)"_qs, u"ARIO"_qs, u"CSIE"_qs);
    QTest::newRow("two blanks before the home key keep one")
        << u"Atletico Rio  (ARIO) vs. Club Sierra (CSIE) en Estadio Mayor (Valle)"_qs
        << cut(5, u"Atletico Rio "_qs, u"Club Sierra"_qs, u"Estadio Mayor (Valle)"_qs, u"ARIO"_qs, u"CSIE"_qs);
    QTest::newRow("stadium containing ) en stays whole")
        << u"Atletico Rio (ARIO) vs. Club Sierra (CSIE) en Estadio (Norte) en Valle"_qs
        << cut(5, u"Atletico Rio"_qs, u"Club Sierra"_qs, u"Estadio (Norte) en Valle"_qs, u"ARIO"_qs, u"CSIE"_qs);
    QTest::newRow("blanks inside the keys are kept")
        << u"Uni\u00f3n  ( UNI ) vs.  Le\u00f3n ( LEO) en  Campo "_qs
        << cut(5, u"Uni\u00f3n "_qs, u" Le\u00f3n"_qs, u" Campo "_qs, u" UNI "_qs, u" LEO"_qs);
    QTest::newRow("no ) en: the stadium is cut from position 5")
        << u"Atletico Rio (ARIO) vs. Club Sierra (CSIE)"_qs
        << cut(5, u"Atletico Rio"_qs, u"Club Sierra"_qs, u"tico Rio (ARIO) "_qs, u"ARIO"_qs, u"CSIE"_qs);
    QTest::newRow(") en before vs. bounds the stadium")
        << u"Rio (ARIO) en Casa vs. Sierra (CSIE) al fondo"_qs
        << cut(5, u"Rio"_qs, u"Sierra"_qs, u"Casa vs. Sierra (CSI"_qs, u"ARIO"_qs, u"CSIE"_qs);

    QTest::newRow("no ( at all") << u"Atletico Rio vs. Club Sierra en Mayor"_qs << cut(0, {});
    QTest::newRow("( as the first character") << u"(ARIO) vs. Club Sierra (CSIE) en Mayor"_qs << cut(0, {});
    QTest::newRow("away part without (") << u"Atletico Rio (ARIO) vs. Club Sierra"_qs << cut(1, u"Atletico Rio"_qs);
    QTest::newRow("no ) at all")
        << u"Atletico Rio (ARIO vs. Club Sierra (CSIE en Mayor"_qs
        << cut(3, u"Atletico Rio"_qs, u"Club Sierra"_qs, u"tico Rio (ARIO vs. Club "_qs);
    QTest::newRow("away key without )")
        << u"Atletico Rio (ARIO) vs. Club Sierra (CSIE en Mayor"_qs
        << cut(4, u"Atletico Rio"_qs, u"Club Sierra"_qs, u"tico Rio (ARIO) vs. Club"_qs, u"ARIO"_qs);
}

void TestTeamsLine::cutting()
{
    QFETCH(QString, line);
    QFETCH(TeamsLine, expected);

    QCOMPARE(cutTeamsLine(line), expected);
}

QTEST_GUILESS_MAIN(TestTeamsLine)
#include "tst_teamsline.moc"
