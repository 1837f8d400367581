// Drawing the table: card images and backs, marks, corners, stock thickness,
// backgrounds, redraws after changes, selection and scrolling.
#include <gtest/gtest.h>

#include <QPainter>
#include <map>
#include <set>

#include "engine/Table.h"
#include "records/Configuration.h"
#include "records/IniFile.h"
#include "records/SettingsFields.h"
#include "table/TablePainter.h"
#include "tests/support/TempFolder.h"

namespace tarvelle {
namespace {

// Pictures of plain colours that tell which picture lies where.
class FakePictures : public PictureSource {
public:
    static QRgb faceColour(int index) { return qRgb(20 + 4 * index, 250 - 4 * index, 60); }
    static QRgb markColour(const std::string& suffix) {
        const unsigned h = static_cast<unsigned>(std::hash<std::string>{}(suffix));
        return qRgb(static_cast<int>(h & 0x7F) + 64, 10, static_cast<int>((h >> 8) & 0x7F) + 100);
    }
    static constexpr QRgb kBack = 0xFF0000C8u;
    static constexpr QRgb kBigBack = 0xFF0000A0u;
    static constexpr QRgb kBorder = 0xFFFF8000u;

    QImage picture(std::string_view view) const override {
        const std::string name(view);
        asked.insert(name);
        if (missing.count(name)) return {};
        const char size = name.size() > 1 ? name[1] : 'B';
        const int W = size == 'M'   ? 59
                      : size == 'L' ? 25
                                    : 71,
                  H = size == 'M'   ? 80
                      : size == 'L' ? 32
                                    : 96;
        if (name[0] == 'C' && name.size() == 6) {
            const int suit = std::string("HDCS").find(name[5]);
            QImage sheet(5 * W, 3 * H, QImage::Format_RGB32);
            sheet.fill(Qt::black);
            QPainter painter(&sheet);
            for (int rank = 0; rank < 13; ++rank)
                painter.fillRect((rank % 5) * W, (rank / 5) * H, W, H,
                                 QColor::fromRgb(faceColour(13 * suit + rank)));
            return sheet;
        }
        if (name.rfind("JOKER_", 0) == 0) return plain(W, H, faceColour(52));
        if (name.rfind("DB", 0) == 0 && size == 'B')
            return plain(W, H, name == "DB005" ? kBigBack : kBack);
        if (name[0] == 'D') return plain(W, H, kBack);
        if (name[0] == 'W') return plain(W, H, markColour(name.substr(2)));
        if (name.rfind("3D_BORDER_", 0) == 0) {
            // Blue is the transparent colour of the border strips.
            QImage strip =
                name.back() == '1' ? plain(16, H + 16, kBorder) : plain(W + 16, 16, kBorder);
            strip.setPixel(strip.width() - 1, strip.height() - 1, qRgb(0, 0, 255));
            return strip;
        }
        if (name == "Y001") return plain(8, 8, qRgb(1, 2, 3));
        if (name[0] == 'B' && name.size() == 4) {
            QImage tile(8, 8, QImage::Format_RGB32);
            tile.fill(qRgb(90, 60, 30));
            tile.setPixel(0, 0, qRgb(200, 200, 200));
            return tile;
        }
        return {};
    }
    QImage cardFace(int, int imageIndex, QSize pixels) const override {
        drawnSizes.insert({pixels.width(), pixels.height()});
        return plain(pixels.width(), pixels.height(), faceColour(imageIndex));
    }
    QImage cardBack(int, QSize pixels) const override {
        return plain(pixels.width(), pixels.height(), kBack);
    }
    static QImage plain(int w, int h, QRgb colour) {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    }

    mutable std::set<std::string> asked;
    mutable std::set<std::pair<int, int>> drawnSizes;
    std::set<std::string> missing;
};

struct Drawing : ::testing::Test {
    testing::TestEngine engine;
    FakePictures pictures;
    std::unique_ptr<TablePainter> view;
    EngineState* s = nullptr;
    WindowMetrics metrics = metricsForWindow(1024, 768);

    void SetUp() override {
        ASSERT_TRUE(engine.initialise());
        s = engine.state.get();
        s->settings.put(setting::IrregularPiles, "N");
        s->settings.put(setting::RandomBackground, "N");
        view = std::make_unique<TablePainter>(*s, pictures);
        view->setScreenSize(1024, 768);
        view->reloadCardImages();
    }
    void deal(int game, const char* number = "0000000004711") {
        ASSERT_TRUE(engine.deal(game, number));
        view->repaint(metrics);
    }
    QRgb at(int x, int y) const { return view->tableImage().pixel(x, y); }
    QRgb backgroundAt(int x, int y) const { return view->backgroundImage().pixel(x, y); }
    Point card(Collection c, int slot, int index) const {
        return cardPositionAt(*s, {c, slot}, index);
    }
    // A fresh view of the same state, drawn from scratch.
    QImage fullDraw(qreal ratio = 1) {
        TablePainter fresh(*s, pictures);
        fresh.setDevicePixelRatio(ratio);
        fresh.setScreenSize(1024, 768);
        fresh.reloadCardImages();
        fresh.repaint(metrics);
        return fresh.tableImage();
    }
};

constexpr int kKlondike = 0, kFreeCell = 1;

TEST(StockThickness, GrowsEverySevenCardsUpToFifteen) {
    const std::pair<int, int> cases[] = {{0, 0}, {1, 0},  {2, 1},    {3, 1},   {6, 1},
                                         {7, 2}, {14, 3}, {104, 15}, {200, 15}};
    for (auto [cards, thickness] : cases) EXPECT_EQ(stockThickness(cards), thickness) << cards;
}

TEST_F(Drawing, StockIsDrawnUpAndLeftByItsThicknessWithAGreyCorner) {
    deal(kKlondike);
    const Point stock = pilePosition(*s, {Collection::StockGroup, kStock});
    const int d = stockThickness(positions(s->piles.stock()));  // 24 cards: 4
    ASSERT_EQ(d, 4);
    EXPECT_EQ(at(stock.x - d + 5, stock.y - d + 5), FakePictures::kBack);
    EXPECT_EQ(at(stock.x - d - 1, stock.y + 5), backgroundAt(stock.x - d - 1, stock.y + 5));
    // The edges along the bottom and the right side come from the border strips.
    EXPECT_EQ(at(stock.x + 20, stock.y + 96 - 1), FakePictures::kBorder);
    EXPECT_EQ(at(stock.x + 71 - 1, stock.y + 20), FakePictures::kBorder);

    // A single card lies on the layout position, its bottom-right corner grey.
    s->piles.stock().resize(3);
    view->redrawChangedPiles();
    EXPECT_EQ(at(stock.x + 5, stock.y + 5), FakePictures::kBack);
    EXPECT_EQ(at(stock.x + 70, stock.y + 95), 0xFFC0C0C0u);
    EXPECT_EQ(at(stock.x + 69, stock.y + 95), 0xFFC0C0C0u);
    EXPECT_EQ(at(stock.x, stock.y + 95), backgroundAt(stock.x, stock.y + 95));
    EXPECT_EQ(at(stock.x - 2, stock.y - 2), backgroundAt(stock.x - 2, stock.y - 2));
}

TEST_F(Drawing, CornersShowTheCardBelowAtTheTopAndTheTableAtTheBottom) {
    deal(kKlondike);
    const Point p = card(Collection::Tableau, 6, 6);  // the face-up top card of the last pile
    const Point below = card(Collection::Tableau, 6, 5);
    ASSERT_EQ(p.y - below.y, 4);
    const int top = codeAt(s->piles.tableau[6], 6);
    const QRgb face = FakePictures::faceColour(imageIndex(top));
    EXPECT_EQ(at(p.x, p.y), FakePictures::kBack);  // the face-down card below shows through
    EXPECT_EQ(at(p.x + 1, p.y), FakePictures::kBack);
    EXPECT_EQ(at(p.x + 2, p.y), face);
    EXPECT_EQ(at(p.x + 1, p.y + 1), face);
    EXPECT_EQ(at(p.x + 70, p.y + 95), backgroundAt(p.x + 70, p.y + 95));
    EXPECT_EQ(at(p.x + 69, p.y + 95), backgroundAt(p.x + 69, p.y + 95));
    EXPECT_EQ(at(p.x + 69, p.y + 94), face);

    s->settings.put(setting::CardSize, "L");
    view->reloadCardImages();
    view->repaint(metrics);
    const Point little = card(Collection::Tableau, 6, 6);
    const QRgb littleFace = FakePictures::faceColour(imageIndex(top));
    EXPECT_EQ(at(little.x + 24, little.y + 31), backgroundAt(little.x + 24, little.y + 31));
    EXPECT_EQ(at(little.x + 23, little.y + 31), littleFace);
    EXPECT_EQ(at(little.x + 24, little.y + 30), littleFace);
}

TEST_F(Drawing, EmptyPilesShowTheirMarks) {
    deal(kFreeCell);
    const Point foundation = pilePosition(*s, {Collection::Foundations, 0});
    const Point reserve = pilePosition(*s, {Collection::Reserves, 0});
    EXPECT_EQ(at(foundation.x + 30, foundation.y + 40), FakePictures::markColour("010"));
    EXPECT_EQ(at(reserve.x + 30, reserve.y + 40), FakePictures::markColour("001"));
    s->piles.tableau[7].clear();
    view->redrawChangedPiles();
    const Point empty = pilePosition(*s, {Collection::Tableau, 7});
    EXPECT_EQ(at(empty.x + 30, empty.y + 40), FakePictures::markColour("004"));
}

TEST_F(Drawing, RedrawingWhatChangedMatchesAFullDraw) {
    // Little cards cut one pixel per corner; irregular piles shift the cards sideways.
    const std::pair<const char*, const char*> looks[] = {{"B", "N"}, {"L", "N"}, {"B", "Y"}};
    for (auto [size, irregular] : looks) {
        SCOPED_TRACE(std::string("size ") + size + ", irregular piles " + irregular);
        s->settings.put(setting::CardSize, size);
        s->settings.put(setting::IrregularPiles, irregular);
        view->reloadCardImages();
        deal(kKlondike);
        auto move = [&](PileRef from, PileRef to, char face) {
            std::string& source = *s->piles.pile(from.collection, from.slot);
            const int code = topCard(source);
            source.resize(source.size() - 3);
            appendCardToSlot(*s, to.collection, to.slot, code, face);
            view->redrawChangedPiles();
            EXPECT_TRUE(view->tableImage() == fullDraw()) << pileKey(from) << " to " << pileKey(to);
        };
        const PileRef stock{Collection::StockGroup, kStock}, waste{Collection::StockGroup, kWaste};
        for (int i = 0; i < 8; ++i) move(stock, waste, '1');
        move(waste, {Collection::Foundations, 0}, '1');
        move({Collection::Tableau, 6}, {Collection::Tableau, 0}, '1');
        s->cards.setFaceFlag(topCard(s->piles.tableau[6]), '1');
        view->redrawChangedPiles();
        EXPECT_TRUE(view->tableImage() == fullDraw()) << "a card turned up";
        move({Collection::Tableau, 0}, {Collection::Tableau, 3}, '1');
        while (!s->piles.tableau[1].empty())
            move({Collection::Tableau, 1}, {Collection::Tableau, 2}, '1');
    }
}

TEST_F(Drawing, BeforeTheDealTheTableauShowsItsMarks) {
    deal(kKlondike);
    view->drawTableBeforeDeal();
    const Point pile = pilePosition(*s, {Collection::Tableau, 3});
    EXPECT_EQ(at(pile.x + 30, pile.y + 40), FakePictures::markColour("011"));
    const Point stock = pilePosition(*s, {Collection::StockGroup, kStock});
    EXPECT_EQ(at(stock.x, stock.y + 40), FakePictures::kBack);
    // Row by row across the piles: the bottom card of every pile first.
    const auto order = view->dealOrder();
    ASSERT_EQ(order.size(), 28u);
    EXPECT_EQ(order[6].pile, (PileRef{Collection::Tableau, 6}));
    EXPECT_EQ(order[7].pile, (PileRef{Collection::Tableau, 1}));
    EXPECT_EQ(order[7].index, 1);
    view->redrawChangedPiles();
    EXPECT_TRUE(view->tableImage() == fullDraw());
}

TEST_F(Drawing, ARepaintWhilePausedDoesNothing) {
    deal(kKlondike);
    const QImage before = view->tableImage();
    view->setPaused(true);
    s->piles.tableau[0].clear();
    view->repaint(metricsForWindow(800, 600));
    EXPECT_TRUE(view->tableImage() == before);
    view->setPaused(false);
    view->repaint(metrics);
    EXPECT_FALSE(view->tableImage() == before);
}

TEST_F(Drawing, RedrawAfterRemovalShowsThePileWithoutItsLiftedCards) {
    deal(kKlondike);
    const std::string pile = s->piles.tableau[6];
    const Point top = card(Collection::Tableau, 6, 6);
    view->redrawAfterRemoval({Collection::Tableau, 6}, pile.substr(0, pile.size() - 3));
    EXPECT_EQ(at(top.x + 30, top.y + 94), backgroundAt(top.x + 30, top.y + 94));
    EXPECT_EQ(s->piles.tableau[6], pile);
    view->redrawChangedPiles();
    EXPECT_TRUE(view->tableImage() == fullDraw());
}

TEST_F(Drawing, BacksAndFaceSetsFollowTheSettings) {
    s->settings.put(setting::CardSize, "M");
    s->settings.put(setting::BackCard, "005");
    view->reloadCardImages();
    EXPECT_TRUE(pictures.asked.count("DB005"));
    EXPECT_EQ(view->cardImages().back().size(), QSize(59, 80));
    EXPECT_NEAR(qBlue(view->cardImages().back().pixel(30, 40)), qBlue(FakePictures::kBigBack), 1);
    pictures.asked.clear();
    s->settings.put(setting::BackCard, "011");
    view->cardImages().loadBack();
    EXPECT_TRUE(pictures.asked.count("DM011"));

    // Face image 11 is the queen of hearts, 39 the ace of spades, 52 the joker.
    EXPECT_EQ(view->cardImages().face(11).pixel(5, 5), FakePictures::faceColour(11));
    EXPECT_EQ(view->cardImages().face(39).pixel(5, 5), FakePictures::faceColour(39));
    EXPECT_EQ(view->cardImages().face(imageIndex(107)).pixel(5, 5), FakePictures::faceColour(52));

    // Random face sets belong to the big cards only.
    s->settings.put(setting::RandomCard, "Y");
    s->settings.put(setting::CardSet, "003");
    for (int i = 0; i < 10; ++i) chooseRandomCardSets(*s, view->cardImages());
    EXPECT_EQ(s->settings.get(setting::CardSet), "003");
}

TEST_F(Drawing, SelectedCardsShowInverted) {
    deal(kFreeCell);
    s->rules.set(rule::SelectionGame, 1);
    const int code = topCard(s->piles.tableau[2]);
    const Point p = card(Collection::Tableau, 2, positions(s->piles.tableau[2]) - 1);
    appendCode(s->piles.foundations[0], code);
    view->highlightSelection();
    const QRgb face = FakePictures::faceColour(imageIndex(code));
    EXPECT_EQ(at(p.x + 30, p.y + 40), (~face) | 0xFF000000u);
    EXPECT_EQ(at(p.x + 70, p.y), backgroundAt(p.x + 70, p.y));
    view->clearSelection();
    EXPECT_EQ(at(p.x + 30, p.y + 40), face);
    EXPECT_TRUE(s->piles.foundations[0].empty());
}

TEST_F(Drawing, ScrollBarOnlyForTallVerticalFansWhenAllowed) {
    deal(kKlondike);
    for (int code = 1; code <= 20; ++code) appendCardToSlot(*s, Collection::Tableau, 0, code, '1');
    view->repaint(metrics);
    const int extent = view->tableExtent();
    ASSERT_GT(extent, 500);
    const ScrollDecision grow = view->decideScroll(400, false);
    EXPECT_EQ(grow.action, ScrollDecision::Action::Grow);
    EXPECT_EQ(grow.amount, 2 * 96 + extent - 400);
    EXPECT_EQ(view->decideScroll(800, false).action, ScrollDecision::Action::Keep);
    EXPECT_EQ(view->decideScroll(800, true).action, ScrollDecision::Action::Hide);
    s->settings.put(setting::VertScrollBar, "N");
    EXPECT_EQ(view->decideScroll(400, false).action, ScrollDecision::Action::Keep);
    EXPECT_EQ(view->decideScroll(400, true).action, ScrollDecision::Action::Hide);
    s->settings.put(setting::VertScrollBar, "Y");
    s->rules.set(rule::TableauFan, 2);
    EXPECT_EQ(view->decideScroll(400, false).action, ScrollDecision::Action::Keep);

    // Scrolling shows the lower part of the same table image: nothing is redrawn.
    s->rules.set(rule::TableauFan, 1);
    view->growImages(grow.amount);
    view->repaint(metrics);
    const QImage before = view->tableImage();
    setScrollPosition(*s, 120);
    EXPECT_TRUE(view->tableImage() == before);
    EXPECT_EQ(pilePosition(*s, {Collection::Tableau, 0}).y + 120, s->catalogue.tableauY[0]);
}

TEST_F(Drawing, FinerScreensGetCardsDrawnAtTheirPixels) {
    view->setDevicePixelRatio(2);
    deal(kKlondike);
    EXPECT_EQ(view->tableImage().size(), QSize(2 * (1024 + 30), 2 * (768 + 30)));
    EXPECT_EQ(view->tableImage().devicePixelRatio(), 2.0);
    EXPECT_EQ(pictures.drawnSizes, (std::set<std::pair<int, int>>{{142, 192}}));
    const Point p = card(Collection::Tableau, 0, 0);
    const QRgb face = FakePictures::faceColour(imageIndex(topCard(s->piles.tableau[0])));
    EXPECT_EQ(at(2 * p.x + 1, 2 * p.y + 1), face);
    EXPECT_EQ(at(2 * p.x + 141, 2 * p.y + 191), face);
    EXPECT_EQ(at(2 * p.x + 142, 2 * p.y + 100), backgroundAt(2 * p.x + 142, 2 * p.y + 100));

    std::string& from = s->piles.tableau[6];
    appendCode(s->piles.tableau[2], topCard(from));
    from.resize(from.size() - 3);
    view->redrawChangedPiles();
    EXPECT_TRUE(view->tableImage() == fullDraw(2));
}

// --- Backgrounds --------------------------------------------------------------

struct BackgroundPainting : Drawing {
    QImage image{40, 300, QImage::Format_RGB32};
};

TEST_F(BackgroundPainting, FadingRunsFromTheColourAtTheTopToBlackAtTheBottom) {
    s->settings.put(setting::FadeBackground, "Y");
    const Background colour{BackgroundKind::Colour, 0x00A08040, 0};
    paintBackground(*s, pictures, image, colour);
    EXPECT_EQ(image.pixel(0, 0), qRgb(0x40, 0x80, 0xA0));
    EXPECT_EQ(image.pixel(39, 299), qRgb(0, 0, 0));
    EXPECT_LT(qRed(image.pixel(0, 150)), 0x40);
    EXPECT_GT(qRed(image.pixel(0, 150)), 0);
    // Without enough colours a fixed colour is painted flat.
    engine.host.screenInfo.bitsPerPixel = 8;
    paintBackground(*s, pictures, image, colour);
    EXPECT_EQ(image.pixel(20, 299), qRgb(0x40, 0x80, 0xA0));
}

TEST_F(BackgroundPainting, KindsOfBackground) {
    paintBackground(*s, pictures, image, {});
    EXPECT_EQ(image.pixel(5, 5), qRgb(0, 0x60, 0));
    engine.host.screenInfo.bitsPerPixel = 8;
    paintBackground(*s, pictures, image, {});
    EXPECT_EQ(image.pixel(5, 5), qRgb(0, 0x80, 0));
    engine.host.screenInfo.bitsPerPixel = 32;
    paintBackground(*s, pictures, image, {BackgroundKind::Picture, 0, 260});
    EXPECT_EQ(image.pixel(8, 16), qRgb(200, 200, 200));  // tiled from the top-left corner
    EXPECT_EQ(image.pixel(9, 16), qRgb(90, 60, 30));
    s->flags.set(Flag::Demo);
    paintBackground(*s, pictures, image, {BackgroundKind::Picture, 0, 260});
    EXPECT_EQ(image.pixel(8, 16), qRgb(1, 2, 3));
}

TEST_F(BackgroundPainting, AMissingCustomizedPictureFallsBackToTheDefaultOnce) {
    IniFile ini(configPath(s->settings));
    ini.writeString(kPreferenceSection, "Customized_Background", engine.folder.file("gone.bmp"));
    s->settings.put(setting::HasCustomizedBackground, "Y");
    s->settings.put(setting::BackgroundDefault, "N");
    paintBackground(*s, pictures, image, currentBackground(*s));
    ASSERT_EQ(engine.host.messages.size(), 1u);
    EXPECT_EQ(engine.host.messages[0].text,
              "Customized background image not found: " + engine.folder.file("gone.bmp"));
    EXPECT_EQ(image.pixel(5, 5), qRgb(0, 0x60, 0));
    EXPECT_EQ(s->settings.get(setting::BackgroundDefault), "Y");
    EXPECT_EQ(ini.readString(kPreferenceSection, "Customized_Background", "?"), "");
    paintBackground(*s, pictures, image, currentBackground(*s));
    EXPECT_EQ(engine.host.messages.size(), 1u);

    QImage picture = FakePictures::plain(3, 3, qRgb(7, 8, 9));
    ASSERT_TRUE(picture.save(QString::fromStdString(engine.folder.file("mine.bmp")), "BMP"));
    ini.writeString(kPreferenceSection, "Customized_Background", engine.folder.file("mine.bmp"));
    s->settings.put(setting::HasCustomizedBackground, "Y");
    s->settings.put(setting::BackgroundDefault, "N");
    paintBackground(*s, pictures, image, currentBackground(*s));
    EXPECT_EQ(image.pixel(39, 299), qRgb(7, 8, 9));
}

TEST_F(BackgroundPainting, RandomBackgroundsFitTheDisplay) {
    s->settings.put(setting::FadeBackground, "N");
    for (int bits : {8, 32}) {
        engine.host.screenInfo.bitsPerPixel = bits;
        for (std::uint32_t seed = 0; seed < 200; ++seed) {
            s->random.setSeed(seed * 7919u);
            chooseRandomBackground(*s, pictures);
            const int picture =
                static_cast<int>(s->settings.getNumber(setting::BackgroundBitmap).value_or(-1));
            const int colour = static_cast<int>(
                s->settings.getNumber(setting::BackgroundFixedColour).value_or(-1));
            if (bits == 8) {
                EXPECT_TRUE((picture >= 101 && picture <= 106 && colour == 0) ||
                            (picture == 0 && colour > 0))
                    << seed;
            } else {
                EXPECT_TRUE(picture >= 257 && picture <= 324 && colour == 0) << seed;
            }
        }
    }
}

}  // namespace
}  // namespace tarvelle
