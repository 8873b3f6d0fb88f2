// The program's fixed-pitch face: a listed family that is missing, or
// installed but proportional, is passed over for the next monospaced one,
// and the face handed out is the family chosen, with equal advances.
#include "platform/qt/FixedPitchFont.h"
#include "tests/ui/support/FontChecks.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QtTest>

class TestFixedPitchFont : public QObject {
    Q_OBJECT

private slots:
    // The set-up installs the DejaVu faces: DejaVu Sans is proportional,
    // DejaVu Sans Mono monospaced.
    void missingAndProportionalFamiliesFallThrough()
    {
        QVERIFY(QFontDatabase::families().contains("DejaVu Sans Mono"));
        QCOMPARE(platform::InstalledMonospacedFamily("Orvamis No Such Face"), QString());
        QCOMPARE(platform::InstalledMonospacedFamily("DejaVu Sans"), QString());
        QCOMPARE(platform::FirstUsableFamily({"Orvamis No Such Face", "DejaVu Sans", "DejaVu Sans Mono", "Courier New"},
                                             platform::InstalledMonospacedFamily),
                 QString("DejaVu Sans Mono"));
        QCOMPARE(platform::FirstUsableFamily({"Orvamis No Such Face"}, platform::InstalledMonospacedFamily),
                 QString());
    }

    void theFaceHandedOutIsTheChosenMonospacedFamily()
    {
        const QFont font = platform::FixedPitchFont(9.75);
        QVERIFY(testing_support::AdvancesAreEqual(font));
        QCOMPARE(font.pointSizeF(), 9.75);
        const QString family = platform::FixedPitchFamily();
        // The set-up's own monospaced face is on the list, so one is found.
        QVERIFY(!family.isEmpty());
        QCOMPARE(QFontInfo(font).family(), family);
        // "Courier New" first whenever the machine has it.
        if (QFontDatabase::families().contains("Courier New"))
            QCOMPARE(family, QString("Courier New"));
    }
};

QTEST_MAIN(TestFixedPitchFont)
#include "tst_fixedpitchfont.moc"
