// The window's calculations: the clock label, glide steps, the top band, WAVE data and drop ranking.
#include <QtTest>

#include "table/CardMotion.h"
#include "tests/support/TempFolder.h"
#include "engine/EndOfGame.h"
#include "ui/GameActions.h"
#include "ui/SoundPlayer.h"
#include "ui/TopBand.h"

using namespace tarvelle;

namespace {

QByteArray wave(quint16 tag, quint16 bits, const QByteArray& samples, bool cutShort = false) {
    auto le32 = [](quint32 v) { return QByteArray(reinterpret_cast<const char*>(&v), 4); };
    auto le16 = [](quint16 v) { return QByteArray(reinterpret_cast<const char*>(&v), 2); };
    QByteArray fmt = le16(tag) + le16(1) + le32(22050) + le32(22050 * bits / 8) + le16(bits / 8) + le16(bits);
    QByteArray body = "WAVE" + QByteArray("fmt ") + le32(16) + fmt + QByteArray("data") +
                      le32(static_cast<quint32>(samples.size() + (cutShort ? 100 : 0))) + samples;
    return "RIFF" + le32(static_cast<quint32>(body.size())) + body;
}

}  // namespace

class WindowPartsTest : public QObject {
    Q_OBJECT
private slots:
    void clockLabel_data() {
        QTest::addColumn<quint32>("start");
        QTest::addColumn<quint32>("now");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0u << 0u << "0:00:00";
        QTest::newRow("seconds only") << 1000u << 60999u << "0:00:59";
        QTest::newRow("hours are not a day") << 0u << 26u * 3600000u + 61000u << "26:01:01";
        // Started at 23:59:00, shown at 00:00:30: the tick count knows no midnight.
        QTest::newRow("past midnight") << 86340000u << 86430000u << "0:01:30";
        QTest::newRow("tick count wraps") << 0xFFFFF000u << 0x00001000u << "0:00:08";
    }
    void clockLabel() {
        QFETCH(quint32, start);
        QFETCH(quint32, now);
        QFETCH(QString, text);
        testing::TestEngine engine;
        QVERIFY(engine.initialise());
        EngineState& s = *engine.state;
        s.clock.start = start;
        engine.host.ticks = now;
        s.flags.set(Flag::ClockRunning);
        updateClock(s);
        QCOMPARE(QString::fromStdString(s.clock.elapsedText), text);
        // The label is read back as the elapsed seconds.
        QCOMPARE(elapsedSeconds(s.clock.elapsedText), static_cast<int>((now - start) / 1000));
    }

    void glideStep_data() {
        QTest::addColumn<int>("distance");
        QTest::addColumn<bool>("slow");
        QTest::addColumn<int>("step");
        QTest::newRow("100") << 100 << false << 19;
        QTest::newRow("400") << 400 << false << 44;
        QTest::newRow("backwards") << -100 << false << 19;
        QTest::newRow("no distance") << 0 << false << 0;
        QTest::newRow("one pixel") << 1 << false << 0;
        QTest::newRow("slow 14 lands at once") << 14 << true << 0;
        QTest::newRow("slow 15") << 15 << true << 1;
    }
    void glideStep() {
        QFETCH(int, distance);
        QFETCH(bool, slow);
        QFETCH(int, step);
        QCOMPARE(tarvelle::glideStep(distance, slow), step);
    }

    void glidePointsFollowTheLeadingAxis() {
        const std::vector<QPoint> across = glidePoints({0, 0}, {100, 50}, false);
        QCOMPARE(across, (std::vector<QPoint>{{19, 9}, {38, 19}, {57, 28}, {76, 38}, {95, 47}}));
        const std::vector<QPoint> up = glidePoints({10, 400}, {10, 0}, false);
        QCOMPARE(up.size(), size_t(9));
        QCOMPARE(up.front(), QPoint(10, 356));
        QVERIFY(glidePoints({0, 0}, {14, 3}, true).empty());
    }

    void topBand_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("showTime");
        QTest::addColumn<int>("scoreLeft");
        QTest::addColumn<bool>("timeVisible");
        QTest::addColumn<bool>("scoreVisible");
        QTest::newRow("both") << 800 << true << 800 - 15 - 100 - 5 - 110 << true << true;
        QTest::newRow("time hidden: score at the edge") << 800 << false << 800 - 15 - 110 << false << true;
        QTest::newRow("narrow: score would cover the buttons") << 480 << true << 480 - 230 << true << false;
    }
    void topBand() {
        QFETCH(int, width);
        QFETCH(bool, showTime);
        QFETCH(int, scoreLeft);
        QFETCH(bool, timeVisible);
        QFETCH(bool, scoreVisible);
        TopBandInput in;
        in.windowWidth = width;
        in.toolBarHeight = 24;
        in.toolBarWidth = width;
        in.exitButtonRight = 250;
        in.timeWidth = 100;
        in.scoreWidth = 110;
        in.panelHeight = 20;
        in.showTime = showTime;
        const TopBandLayout out = layOutTopBand(in);
        QCOMPARE(out.score.left, scoreLeft);
        QCOMPARE(out.time.top, 2);
        QCOMPARE(out.timeVisible, timeVisible);
        QCOMPARE(out.scoreVisible, scoreVisible);
        QCOMPARE(out.blackLine.top, out.greyLine.top + 1);
        QCOMPARE(out.bandBottom, 26);
    }

    void demoBarMovesTheTableDown() {
        TopBandInput in;
        in.windowWidth = 800;
        in.toolBarHeight = 24;
        in.toolBarWidth = 800;
        in.demo = true;
        in.demoHeight = 30;
        const TopBandLayout out = layOutTopBand(in);
        QVERIFY(out.demoVisible);
        QCOMPARE(out.demoBar.top, 26);
        QCOMPARE(out.greyLine.top, 56);
    }

    void parseWave() {
        const QByteArray samples(400, '\x10');
        const auto pcm = tarvelle::parseWave(wave(1, 16, samples));
        QVERIFY(pcm.has_value());
        QCOMPARE(pcm->format.sampleFormat(), QAudioFormat::Int16);
        QCOMPARE(pcm->format.sampleRate(), 22050);
        QCOMPARE(pcm->samples, samples);
        // A data chunk cut short plays what it holds.
        QCOMPARE(tarvelle::parseWave(wave(1, 8, samples, true))->samples.size(), samples.size());
        QVERIFY(!tarvelle::parseWave(wave(1, 24, samples)));  // 24-bit samples are not played
        QVERIFY(!tarvelle::parseWave(wave(2, 16, samples)));  // nor compressed ones
        QVERIFY(!tarvelle::parseWave(QByteArray("RIFF\x04\0\0\0WAVX", 12)));
        QVERIFY(!tarvelle::parseWave(QByteArray()));
    }

    void missingSoundStopsAndPlaysNothing() {
        QStringList asked;
        SoundPlayer player([&](std::string_view word) -> std::optional<QByteArray> {
            asked << QString::fromUtf8(word.data(), static_cast<qsizetype>(word.size()));
            return std::nullopt;
        });
        player.play("_tmp_stop_", SoundMode::Play);
        QVERIFY(!player.playing());
        QCOMPARE(asked, QStringList{"_tmp_stop_"});
    }

    void dropTargetsRankByOverlap() {
        testing::TestEngine engine;
        QVERIFY(engine.initialise());
        QVERIFY(engine.deal(0, "0000000000001"));
        EngineState& s = *engine.state;
        for (int k = 0; k < 7; ++k) s.catalogue.setTableauPosition(k, 10 + k * 100, 200);
        for (int k = 0; k < 4; ++k) s.catalogue.setFoundationPosition(k, 310 + k * 100, 10);
        s.catalogue.setStockPosition(kWaste, -10000, -10000);
        // Over piles 3 and 4 (0-based 2 and 3), more of it over pile 4.
        const Point top3 = cardPositionAt(s, {Collection::Tableau, 2}, positions(s.piles.tableau[2]) - 1);
        const int left = 10 + 2 * 100 + 60, top = top3.y + 10;
        std::vector<DropCandidate> ranked = rankDropTargets(s, left, top, left + 71, top + 96);
        QVERIFY(ranked.size() >= 2);
        QCOMPARE(ranked[0].pile, (PileRef{Collection::Tableau, 3}));
        QCOMPARE(ranked[1].pile, (PileRef{Collection::Tableau, 2}));
        QVERIFY(ranked[0].area > ranked[1].area);
        // Far from every pile nothing is offered; at most four ever are.
        QVERIFY(rankDropTargets(s, 2000, 2000, 2071, 2096).empty());
        QVERIFY(rankDropTargets(s, 0, 0, 800, 1000).size() == 4);
    }
};

QTEST_MAIN(WindowPartsTest)
#include "WindowPartsTest.moc"
