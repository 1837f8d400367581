// The program's start without its resource library: the message, then the end.
#include <QtTest>

#include <QMessageBox>

#include "tests/support/TempFolder.h"
#include "ui/ProgramEntry.h"

using namespace tarvelle;

class ProgramEntryTest : public QObject {
    Q_OBJECT

    // Starts the program in the folder and returns the text of the message it shows, closing it.
    QString startAndReadMessage(const std::string& programFolder, bool& started) {
        QString text;
        QTimer closer;
        closer.setInterval(20);
        connect(&closer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                text = box->text();
                box->accept();
            }
        });
        closer.start();
        Program program(programFolder, programFolder);
        started = program.start(false);
        return text;
    }

private slots:
    void missingOrBrokenLibraryEndsTheProgram_data() {
        QTest::addColumn<bool>("present");
        QTest::newRow("missing") << false;
        QTest::newRow("not a library") << true;
    }
    void missingOrBrokenLibraryEndsTheProgram() {
        QFETCH(bool, present);
        testing::TempFolder folder;
        const std::string program = folder.path() + "Program Files/Tarvelle/";
        folder.write("Program Files/Tarvelle/GAMES.DAT", testing::builtGamesDat());
        if (present) folder.write("Program Files/Tarvelle/TAR.RGF", "not a resource library");
        bool started = true;
        const QString message = startAndReadMessage(program, started);
        QVERIFY(!started);
        QCOMPARE(message, QStringLiteral("Can't find/load ") + QString::fromStdString(program + "TAR.RGF").toLower());
    }
};

QTEST_MAIN(ProgramEntryTest)
#include "ProgramEntryTest.moc"
