#include "report/teamsline.h"

#include <QTest>

// Shown by QCOMPARE when two cuts differ.
char *toString(const TeamsLine &t)
{
    return QTest::toString(QStringLiteral("cuts %1 [%2] [%3] [%4] [%5] [%6]")
                               .arg(t.cuts)
                               .arg(t.home, t.away, t.stadium, t.homeKey, t.awayKey));
}

class TestTeamsLine : public QObject
{
    Q_OBJECT

private slots:
    void cutting_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<TeamsLine>("expected");

        QTest::newRow("the usual layout")
            << "Atletico Rio (ARIO) vs. Club Sierra (CSIE) en Estadio Mayor (Valle)"
            << TeamsLine{5, "Atletico Rio", "Club Sierra", "Estadio Mayor (Valle)", "ARIO", "CSIE"};
        QTest::newRow("two blanks before the home key keep one")
            << "Atletico Rio  (ARIO) vs. Club Sierra (CSIE) en Estadio Mayor (Valle)"
            << TeamsLine{5, "Atletico Rio ", "Club Sierra", "Estadio Mayor (Valle)", "ARIO", "CSIE"};
        QTest::newRow("stadium containing ) en stays whole")
            << "Atletico Rio (ARIO) vs. Club Sierra (CSIE) en Estadio (Norte) en Valle"
            << TeamsLine{5, "Atletico Rio", "Club Sierra", "Estadio (Norte) en Valle", "ARIO", "CSIE"};
        QTest::newRow("blanks inside the keys are kept") << "Unión  ( UNI ) vs.  León ( LEO) en  Campo "
            << TeamsLine{5, "Unión ", " León", " Campo ", " UNI ", " LEO"};
        QTest::newRow("no ) en: the stadium is cut from position 5") << "Atletico Rio (ARIO) vs. Club Sierra (CSIE)"
            << TeamsLine{5, "Atletico Rio", "Club Sierra", "tico Rio (ARIO) ", "ARIO", "CSIE"};
        QTest::newRow(") en before vs. bounds the stadium") << "Rio (ARIO) en Casa vs. Sierra (CSIE) al fondo"
            << TeamsLine{5, "Rio", "Sierra", "Casa vs. Sierra (CSI", "ARIO", "CSIE"};

        QTest::newRow("no ( at all") << "Atletico Rio vs. Club Sierra en Mayor" << TeamsLine{};
        QTest::newRow("( as the first character") << "(ARIO) vs. Club Sierra (CSIE) en Mayor" << TeamsLine{};
        QTest::newRow("away part without (") << "Atletico Rio (ARIO) vs. Club Sierra" << TeamsLine{1, "Atletico Rio"};
        QTest::newRow("no ) at all") << "Atletico Rio (ARIO vs. Club Sierra (CSIE en Mayor"
                                     << TeamsLine{3, "Atletico Rio", "Club Sierra", "tico Rio (ARIO vs. Club "};
        QTest::newRow("away key without )") << "Atletico Rio (ARIO) vs. Club Sierra (CSIE en Mayor"
                                            << TeamsLine{4, "Atletico Rio", "Club Sierra", "tico Rio (ARIO) vs. Club", "ARIO"};
    }

    void cutting()
    {
        QFETCH(QString, line);
        QFETCH(TeamsLine, expected);

        QCOMPARE(cutTeamsLine(line), expected);
    }
};

QTEST_GUILESS_MAIN(TestTeamsLine)
#include "tst_teamsline.moc"
