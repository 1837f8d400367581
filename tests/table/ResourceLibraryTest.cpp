// The resource library: loading TAR.RGF, looking names up, and every resource the program asks for in the built file.
#include <QCryptographicHash>
#include <QProcess>
#include <QSet>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include "table/ResourceLibrary.h"

using tarvelle::ResourceLibrary;

namespace {

struct Size {
    const char* letter;
    int width;
    int height;
};
constexpr Size kSizes[] = {{"B", 71, 96}, {"M", 59, 80}, {"L", 25, 32}};

QString three(int n) { return QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0')); }

std::string text(const QString& s) { return s.toStdString(); }

// Writes a resource file of the given files with Qt's compiler.
QString compileLibrary(const QTemporaryDir& dir, const QMap<QString, QByteArray>& files) {
    QByteArray qrc = "<RCC><qresource prefix=\"/\">";
    for (auto it = files.begin(); it != files.end(); ++it) {
        QDir(dir.path()).mkpath(QFileInfo(dir.filePath(it.key())).path());
        QFile out(dir.filePath(it.key()));
        if (!out.open(QIODevice::WriteOnly)) return {};
        out.write(it.value());
        qrc += "<file>" + it.key().toUtf8() + "</file>";
    }
    qrc += "</qresource></RCC>";
    QFile list(dir.filePath(QStringLiteral("list.qrc")));
    if (!list.open(QIODevice::WriteOnly)) return {};
    list.write(qrc);
    list.close();
    const QString output = dir.filePath(QStringLiteral("out.rgf"));
    QProcess rcc;
    rcc.setWorkingDirectory(dir.path());
    rcc.start(QStringLiteral(TARVELLE_RCC),
              {QStringLiteral("--binary"), list.fileName(), QStringLiteral("-o"), output});
    if (!rcc.waitForFinished(60000) || rcc.exitCode() != 0) return {};
    return output;
}

// How much neighbouring columns (or rows) a and b of a picture differ.
double step(const QImage& image, int a, int b, bool columns) {
    const int length = columns ? image.height() : image.width();
    double sum = 0;
    for (int i = 0; i < length; ++i) {
        const QRgb p = columns ? image.pixel(a, i) : image.pixel(i, a);
        const QRgb q = columns ? image.pixel(b, i) : image.pixel(i, b);
        sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
               std::abs(qBlue(p) - qBlue(q));
    }
    return sum / length;
}

// A tile repeats without a seam when the step from its last column to its
// first is no larger than the largest step between its own columns (and the
// same for rows).
bool tilesSeamlessly(const QImage& tile) {
    for (const bool columns : {true, false}) {
        const int size = columns ? tile.width() : tile.height();
        double largest = 0;
        for (int i = 0; i + 1 < size; ++i) largest = std::max(largest, step(tile, i, i + 1, columns));
        if (step(tile, size - 1, 0, columns) > largest * 1.1 + 1) return false;
    }
    return true;
}

QByteArray readFile(const QString& path) {
    QFile in(path);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

}  // namespace

class ResourceLibraryTest : public QObject {
    Q_OBJECT

private:
    ResourceLibrary built_;

    void requireBitmap(const QString& name, int width, int height) {
        const QImage image = built_.bitmap(text(name));
        QVERIFY2(!image.isNull(), qPrintable(name));
        if (width > 0) {
            QCOMPARE(image.size(), QSize(width, height));
        }
    }

private slots:
    void initTestCase() {
        QVERIFY2(built_.load(QStringLiteral(TARVELLE_TAR_RGF)), qPrintable(built_.errorString()));
    }

    void loadFailuresAreReported() {
        ResourceLibrary library;
        QVERIFY(!library.load(QStringLiteral("/nonexistent/TAR.RGF")));
        QVERIFY(!library.errorString().isEmpty());
        QVERIFY(!library.isLoaded());

        // A file that is no resource file at all.
        QTemporaryDir dir;
        QFile junk(dir.filePath(QStringLiteral("junk.rgf")));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(4096, 'x'));
        junk.close();
        QVERIFY(!library.load(junk.fileName()));
        QVERIFY(library.bitmap("JOKER_B").isNull());

        // A resource file, but not ours: it lacks the library's marker.
        const QString foreign = compileLibrary(
            dir, {{QStringLiteral("bitmap/X.png"), QByteArray("not a picture")}});
        QVERIFY(!foreign.isEmpty());
        QVERIFY(!library.load(foreign));
        QVERIFY(library.errorString().contains(QStringLiteral("Tarvelle")));

        // Empty file.
        QFile empty(dir.filePath(QStringLiteral("empty.rgf")));
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        QVERIFY(!library.load(empty.fileName()));
    }

    void librariesAreIndependent() {
        QTemporaryDir dir;
        const QString first = compileLibrary(
            dir, {{QStringLiteral("TAR.RGF"), QByteArray("Tarvelle resource library 1\n")},
                  {QStringLiteral("sound/WON.wav"), QByteArray("first")}});
        QVERIFY(!first.isEmpty());
        ResourceLibrary a;
        ResourceLibrary b;
        QVERIFY(a.load(first));
        QVERIFY(b.load(QStringLiteral(TARVELLE_TAR_RGF)));
        QCOMPARE(a.sound("Won"), QByteArray("first"));
        QVERIFY(b.sound("Won").startsWith("RIFF"));
        // Releasing one leaves the other whole; a released library answers nothing.
        a.unload();
        QVERIFY(a.sound("Won").isEmpty());
        QVERIFY(b.sound("Won").startsWith("RIFF"));
        // Loading again replaces what was loaded.
        QVERIFY(a.load(first));
        QVERIFY(!a.load(QStringLiteral("/nonexistent")));
        QVERIFY(a.sound("Won").isEmpty());
    }

    void lookupIgnoresCaseAndRefusesOtherNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("found");
        QTest::newRow("as stored") << "JOKER_B" << true;
        QTest::newRow("lower case") << "joker_b" << true;
        QTest::newRow("mixed case") << "Card_None" << true;
        QTest::newRow("missing") << "JOKER_X" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("path") << "../bitmap/JOKER_B" << false;
        QTest::newRow("folder") << "bitmap/JOKER_B" << false;
        QTest::newRow("with suffix") << "JOKER_B.png" << false;
        QTest::newRow("space") << "JOKER B" << false;
    }
    void lookupIgnoresCaseAndRefusesOtherNames() {
        QFETCH(QString, name);
        QFETCH(bool, found);
        QCOMPARE(!built_.bitmap(text(name)).isNull(), found);
        QCOMPARE(built_.hasBitmap(text(name)), found);
    }

    void missingResourcesAreEmpty() {
        QVERIFY(!built_.cursor("CUR_NONE").has_value());
        QVERIFY(built_.sound("_tmp_stop_").isEmpty());
        QVERIFY(built_.sound("_t1dz").isEmpty());
        QVERIFY(built_.deck(0).isEmpty());
        QVERIFY(built_.deck(6).isEmpty());
        QVERIFY(built_.cardFace(6, 0, QSize(71, 96)).isNull());
        QVERIFY(built_.cardFace(1, 53, QSize(71, 96)).isNull());
        QVERIFY(built_.cardBack(28, QSize(71, 96)).isNull());
        QVERIFY(built_.cardBack(0, QSize(71, 96)).isNull());
        ResourceLibrary none;
        QVERIFY(none.bitmap("JOKER_B").isNull());
        QVERIFY(none.cardFace(1, 0, QSize(25, 32)).isNull());
    }

    // Faces: four sheets of 5 x 3 cards per set and size, ranks in rows of
    // five, the last two cells empty; a joker of each size.
    void suitSheets() {
        for (const Size& size : kSizes) {
            for (int set = 1; set <= 5; ++set) {
                QImage previous;
                for (const char* suit : {"H", "D", "C", "S"}) {
                    const QString name = QStringLiteral("C") + QLatin1String(size.letter) +
                                         three(set) + QLatin1String(suit);
                    const QImage sheet = built_.bitmap(text(name));
                    QVERIFY2(!sheet.isNull(), qPrintable(name));
                    QCOMPARE(sheet.size(), QSize(5 * size.width, 3 * size.height));
                    for (int cell = 0; cell < 15; ++cell) {
                        const QPoint middle((cell % 5) * size.width + size.width / 2,
                                            (cell / 5) * size.height + size.height / 2);
                        const int alpha = qAlpha(sheet.pixel(middle));
                        QVERIFY2(cell < 13 ? alpha == 255 : alpha == 0,
                                 qPrintable(name + QStringLiteral(" cell %1").arg(cell)));
                    }
                    QVERIFY2(sheet != previous, qPrintable(name));
                    previous = sheet;
                }
            }
            requireBitmap(QStringLiteral("JOKER_") + QLatin1String(size.letter), size.width,
                          size.height);
        }
    }

    void faceSetsLookDifferent() {
        QSet<QByteArray> seen;
        for (int set = 1; set <= 5; ++set) {
            const QImage sheet = built_.bitmap(text(QStringLiteral("CB") + three(set) + "S"));
            seen.insert(QCryptographicHash::hash(
                QByteArray(reinterpret_cast<const char*>(sheet.constBits()), sheet.sizeInBytes()),
                QCryptographicHash::Sha1));
        }
        QCOMPARE(seen.size(), 5);
    }

    void backsAtEverySizeAllDistinct() {
        for (const Size& size : kSizes) {
            QSet<QByteArray> seen;
            for (int back = 1; back <= 27; ++back) {
                const QString name = QStringLiteral("D") + QLatin1String(size.letter) + three(back);
                const QImage image = built_.bitmap(text(name));
                QVERIFY2(!image.isNull(), qPrintable(name));
                QCOMPARE(image.size(), QSize(size.width, size.height));
                QCOMPARE(qAlpha(image.pixel(size.width / 2, size.height / 2)), 255);
                seen.insert(QCryptographicHash::hash(
                    QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()),
                    QCryptographicHash::Sha1));
            }
            QCOMPARE(seen.size(), 27);
        }
    }

    void marksShadowsAndBorders() {
        const char* suffixes[] = {"_WASTE", "_TABLEAU", "001", "003", "004", "005", "006", "008",
                                  "009", "010", "011", "012", "013", "014", "015", "016",
                                  "017", "018", "019", "020", "021", "022"};
        for (const Size& size : kSizes) {
            const QString letter = QLatin1String(size.letter);
            for (const char* suffix : suffixes) {
                requireBitmap(QStringLiteral("W") + letter + QLatin1String(suffix), size.width,
                              size.height);
            }
            for (const char* strip : {"1", "2"}) {
                requireBitmap(QStringLiteral("SHADOW_") + letter + QLatin1String(strip), 0, 0);
            }
            // The thickness strips are 15 pixels deep past the card's edge, and
            // blue is their transparent colour.
            const QImage right = built_.bitmap(text(QStringLiteral("3D_BORDER_") + letter + "1"));
            const QImage bottom = built_.bitmap(text(QStringLiteral("3D_BORDER_") + letter + "2"));
            QCOMPARE(right.size(), QSize(16, size.height + 15));
            QCOMPARE(bottom.size(), QSize(size.width + 15, 16));
            QCOMPARE(right.pixel(15, 0), qRgb(0, 0, 255));
            QVERIFY(right.pixel(15, 15) != qRgb(0, 0, 255));
            QCOMPARE(bottom.pixel(0, 15), qRgb(0, 0, 255));
            QVERIFY(bottom.pixel(15, 15) != qRgb(0, 0, 255));
        }
        // Shadow strips: black dots on white, which the table leaves out.
        const QImage shadow = built_.bitmap("SHADOW_B1");
        QSet<QRgb> colours;
        for (int y = 0; y < shadow.height(); ++y) {
            for (int x = 0; x < shadow.width(); ++x) colours.insert(shadow.pixel(x, y));
        }
        QCOMPARE(colours, (QSet<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)}));
    }

    // The random background counts down from its draw to the first picture
    // that exists: every number it can draw must lead to one.
    void backgrounds() {
        QStringList names = {QStringLiteral("Y001")};
        for (int n = 101; n <= 111; ++n) names << QStringLiteral("B") + three(n);
        for (int n = 257; n <= 324; ++n) names << QStringLiteral("B") + three(n);
        for (const QString& name : names) {
            const QImage tile = built_.bitmap(text(name));
            QVERIFY2(!tile.isNull(), qPrintable(name));
            QVERIFY(!tile.hasAlphaChannel());
            QVERIFY2(tilesSeamlessly(tile), qPrintable(name));
        }
        QVERIFY(built_.bitmap("B100").isNull());
        QVERIFY(built_.bitmap("B256").isNull());
    }

    void windowPictures_data() {
        QTest::addColumn<QString>("name");
        const QStringList names = {
            "BMP_PAUSE_1", "BMP_PAUSE_2", "SUIT_HEARTS", "SUIT_DIAMONDS", "SUIT_CLUBS",
            "SUIT_SPADES", "CARD_WITH_SHADOW", "CARD_WITHOUT_SHADOW", "CARD_IRR_PILES_YES",
            "CARD_IRR_PILES_NO", "SOUND_ENABLED", "SOUND_DISABLED", "TB_AUTOPLAY",
            "TB_AUTOPLAY_DIS", "TB_UNDO", "TB_UNDO_DIS", "TB_REDO", "TB_REDO_DIS", "TB_CANC_UP",
            "TB_CANC_DOWN", "card_hearts", "card_diamonds", "card_clubs", "card_spades",
            "Card_None", "PROG_TIME_LONG", "PROG_TIME_MEDIUM", "PROG_TIME_QUICK",
            "PROG_DIFF_EASY", "PROG_DIFF_MEDIUM", "PROG_DIFF_HARD", "PROG_CHAN_VERYHIGH",
            "PROG_CHAN_HIGH", "PROG_CHAN_MEDIUM", "PROG_CHAN_LOW", "PROG_CHAN_VERYLOW",
            "PROG_SKILL_DIFFICULT", "PROG_SKILL_MOSTLYSKILL", "PROG_SKILL_MODERATE",
            "PROG_SKILL_MOSTLYCHANCE", "PROG_SKILL_CHANCEONLY", "PROG_DISABLED", "TREE1", "TREE2",
            "S_TREE1", "S_TREE2", "D_TREE1", "D_TREE2", "F_TREE1", "F_TREE2", "C_TREE1",
            "C_TREE2", "I_TREE1", "I_TREE2", "T_TREE1", "T_TREE2", "N_TREE3", "N_TREE4",
            "N_TREE5", "TREE5_1DECK_TYPE", "TREE5_2DECK_TYPE", "TREE5_ADDITION_TYPE",
            "TREE5_BAKERSDOZEN_TYPE", "TREE5_BELEAGUEREDCASTLE_TYPE", "TREE5_CANFIELD_TYPE",
            "TREE5_CUSTOMIZED_GAMES", "TREE5_FAN_TYPE", "TREE5_FORTYTHIEVES_TYPE",
            "TREE5_FREECELL_TYPE", "TREE5_KLONDIKE_TYPE", "TREE5_MEMORY_TYPE",
            "TREE5_ORIGINAL_TYPE", "TREE5_PAIRING_TYPE", "TREE5_PUZZLE_TYPE",
            "TREE5_QUEENOFITALY_TYPE", "TREE5_ROW_TYPE", "TREE5_SIMPLEGAMES_TYPE",
            "TREE5_SPIDER_TYPE"};
        for (const QString& name : names) QTest::newRow(qPrintable(name)) << name;
        for (int rank = 1; rank <= 13; ++rank) {
            for (const char* face : {"Up", "Down"}) {
                const QString name = QStringLiteral("Card_%1_%2").arg(rank).arg(QLatin1String(face));
                QTest::newRow(qPrintable(name)) << name;
            }
        }
    }
    void windowPictures() {
        QFETCH(QString, name);
        QVERIFY2(built_.hasBitmap(text(name)), qPrintable(name));
    }

    void pictureSizesTheWindowsRelyOn() {
        // Card counter cells and row heads fill its grid of 14 x 18.
        QCOMPARE(built_.bitmap("Card_7_Up").size(), QSize(14, 18));
        QCOMPARE(built_.bitmap("card_spades").height(), 18);
        // The animated previews hold their frames of 160 x 80 side by side.
        QCOMPARE(built_.bitmap("ANIMATED_YES").size(), QSize(12 * 160, 80));
        QCOMPARE(built_.bitmap("ANIMATED_NO").size(), QSize(2 * 160, 80));
        // Pictures drawn with a transparent colour carry that colour exactly.
        QCOMPARE(built_.bitmap("TREE1").pixel(0, 15), qRgb(128, 0, 0));
        QCOMPARE(built_.bitmap("SOUND_ENABLED").pixel(15, 15), qRgb(0, 128, 0));
        QCOMPARE(built_.bitmap("BMP_PAUSE_1").pixel(0, 0), qRgb(0, 128, 0));
        QCOMPARE(built_.bitmap("ANIMATED_YES").pixel(0, 0), qRgb(255, 0, 0));
    }

    void cursors() {
        for (const char* shape : {"ARROW1", "ARROW2", "RIGHT_HAND1", "RIGHT_HAND2", "LEFT_HAND1",
                                  "LEFT_HAND2"}) {
            for (const char* state : {"A", "B"}) {
                const std::string name = std::string("CUR_") + shape + state;
                const QImage image = built_.cursorImage(name);
                QVERIFY2(!image.isNull(), name.c_str());
                const QStringList hot = image.text(QStringLiteral("HotSpot")).split(QLatin1Char(','));
                QCOMPARE(hot.size(), 2);
                const QPoint spot(hot[0].toInt(), hot[1].toInt());
                QVERIFY(image.rect().contains(spot));
                // The hot spot lies on the shape, not on empty pixels around it.
                int alpha = 0;
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        const QPoint p = spot + QPoint(dx, dy);
                        if (image.rect().contains(p)) alpha = std::max(alpha, qAlpha(image.pixel(p)));
                    }
                }
                QVERIFY2(alpha > 0, name.c_str());
                const auto cursor = built_.cursor(name);
                QVERIFY(cursor.has_value());
                QCOMPARE(cursor->hotSpot(), spot);
            }
        }
    }

    // Every word the engine and the options dialog play, in the spellings they use.
    void sounds_data() {
        QTest::addColumn<QString>("word");
        for (const char* word :
             {"Splash", "New", "Shuffle", "Stock", "Tableau", "Foundation", "Autoplay", "Eddy",
              "Face_up", "card_up", "card_down", "Card_up", "Card_down", "Pairing", "Redeal",
              "Red_no_a", "red_no_a", "Won", "Undo", "Redo", "Restart", "Hi-Scor", "Scores",
              "About", "Reorder"}) {
            QTest::newRow(word) << QString::fromLatin1(word);
        }
    }
    void sounds() {
        QFETCH(QString, word);
        const QByteArray wave = built_.sound(text(word));
        QVERIFY(wave.size() > 44);
        QCOMPARE(wave.left(4), QByteArray("RIFF"));
        QCOMPARE(wave.mid(8, 8), QByteArray("WAVEfmt "));
        QCOMPARE(qFromLittleEndian<quint16>(wave.constData() + 20), quint16(1));  // PCM
        const quint32 rate = qFromLittleEndian<quint32>(wave.constData() + 24);
        const quint32 data = qFromLittleEndian<quint32>(wave.constData() + 40);
        QCOMPARE(qsizetype(data) + 44, wave.size());
        // Short: even the won game's applause is over within three seconds.
        QVERIFY(data > 0 && data / 2 <= rate * 3);
    }

    void soundsAreDistinct() {
        QSet<QByteArray> seen;
        const char* words[] = {"Splash", "New", "Shuffle", "Stock", "Tableau", "Foundation",
                               "Autoplay", "Eddy", "Face_up", "card_up", "card_down", "Pairing",
                               "Redeal", "Red_no_a", "Won", "Undo", "Redo", "Restart",
                               "Hi-Scor", "Scores", "About", "Reorder"};
        for (const char* word : words) seen.insert(built_.sound(word));
        QCOMPARE(seen.size(), int(std::size(words)));
    }

    // The decks render any card at any pixel size, for fine screens.
    void decksDrawAtAnySize() {
        for (int set = 1; set <= 5; ++set) {
            QSvgRenderer deck(built_.deck(set));
            QVERIFY(deck.isValid());
            QVERIFY(deck.elementExists(QStringLiteral("queen_heart")));
            for (const QSize pixels : {QSize(142, 192), QSize(89, 120), QSize(25, 32)}) {
                for (int image : {0, 11, 39, 51, 52}) {
                    const QImage face = built_.cardFace(set, image, pixels);
                    QCOMPARE(face.size(), pixels);
                    QCOMPARE(qAlpha(face.pixel(pixels.width() / 2, pixels.height() / 2)), 255);
                }
            }
        }
        for (int back = 1; back <= 27; ++back) {
            QCOMPARE(built_.cardBack(back, QSize(142, 192)).size(), QSize(142, 192));
        }
    }

    // The faces drawn at run time are the faces of the stored sheets.
    void sheetsMatchTheRunTimeFaces() {
        const QImage sheet = built_.bitmap("CM003S");
        const QImage queen = sheet.copy(59, 2 * 80, 59, 80).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(built_.cardFace(3, 39 + 11, QSize(59, 80)).convertToFormat(QImage::Format_ARGB32),
                 queen);
    }

    // The same tool and inputs give the same library, byte for byte.
    void buildIsReproducible() {
        QTemporaryDir dir;
        const QString qrc = dir.filePath(QStringLiteral("TAR.qrc"));
        QProcess tool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("QT_RCC_SOURCE_DATE_OVERRIDE"), QStringLiteral("1"));
        tool.setProcessEnvironment(environment);
        tool.start(QStringLiteral(TARVELLE_RGF_TOOL),
                   {dir.filePath(QStringLiteral("resources")), qrc,
                    QStringLiteral(TARVELLE_CARD_DECKS), QStringLiteral(TARVELLE_FONTS)});
        QVERIFY(tool.waitForFinished(300000));
        QCOMPARE(tool.exitCode(), 0);
        QProcess rcc;
        rcc.setProcessEnvironment(environment);
        const QString output = dir.filePath(QStringLiteral("TAR.RGF"));
        rcc.start(QStringLiteral(TARVELLE_RCC), {QStringLiteral("--binary"),
                                                 QStringLiteral("--compress-algo"),
                                                 QStringLiteral("zlib"), qrc,
                                                 QStringLiteral("-o"), output});
        QVERIFY(rcc.waitForFinished(120000));
        QCOMPARE(rcc.exitCode(), 0);
        const QByteArray again = readFile(output);
        QVERIFY(!again.isEmpty());
        QVERIFY(again == readFile(QStringLiteral(TARVELLE_TAR_RGF)));
    }
};

QTEST_MAIN(ResourceLibraryTest)
#include "ResourceLibraryTest.moc"
