// The fields of the settings record by name: position and width of each value.
#pragma once

#include "records/SettingsRecord.h"

namespace tarvelle::setting {

inline constexpr Field ConfigFileName{1, 20};
inline constexpr Field BackCard{21, 3};
inline constexpr Field CardSet{24, 3};
inline constexpr Field BackgroundDefault{27, 1};
inline constexpr Field BackgroundColour{28, 15};
inline constexpr Field BackgroundBitmap{43, 4};
inline constexpr Field BackgroundFixedColour{47, 15};
inline constexpr Field GameId{62, 4};
inline constexpr Field ShowTime{66, 1};
inline constexpr Field CardsAnimate{67, 1};
inline constexpr Field Language{68, 6};
inline constexpr Field SpeedMoveCard{74, 2};
inline constexpr Field StatusBar{76, 1};
inline constexpr Field Player{77, 30};
inline constexpr Field RunWins{112, 4};
inline constexpr Field RunLosses{116, 4};
inline constexpr Field ScoringCode{120, 2};
inline constexpr Field Score{122, 6};
inline constexpr Field CardSize{128, 1};
inline constexpr Field SavedCardSet{129, 3};
inline constexpr Field SavedBackCard{132, 3};
inline constexpr Field FadeBackground{135, 1};
inline constexpr Field ShowScore{136, 1};
inline constexpr Field UndoPolicy{137, 1};
inline constexpr Field UndoTaken{138, 1};
inline constexpr Field RedoTaken{139, 1};
inline constexpr Field SoundsEnabled{141, 1};
inline constexpr Field SoundsAbout{142, 1};
inline constexpr Field SoundsAutoplay{143, 1};
inline constexpr Field SoundsGameWon{144, 1};
inline constexpr Field SoundsNewGame{145, 1};
inline constexpr Field SoundsRedo{146, 1};
inline constexpr Field SoundsRestart{147, 1};
inline constexpr Field SoundsSplash{148, 1};
inline constexpr Field SoundsShuffle{149, 1};
inline constexpr Field SoundsUndo{151, 1};
inline constexpr Field RandomBackground{152, 1};
inline constexpr Field GameNumber{153, 15};
inline constexpr Field SoundsHiScores{171, 1};
inline constexpr Field Cursor{172, 2};
inline constexpr Field SoundsNewHiScores{174, 1};
inline constexpr Field SoundsPairing{175, 1};
inline constexpr Field SoundsStock{176, 1};
inline constexpr Field SoundsTableau{177, 1};
inline constexpr Field CardsShadowed{178, 1};
inline constexpr Field IrregularPiles{179, 1};
inline constexpr Field SoundsFaceUp{180, 1};
inline constexpr Field SoundsCardDown{181, 1};
inline constexpr Field SoundsCardUp{182, 1};
inline constexpr Field SoundsRedeal{183, 1};
inline constexpr Field SoundsFoundation{184, 1};
inline constexpr Field ConfirmQuitGame{185, 1};
inline constexpr Field ConfirmEnterHiScores{186, 1};
inline constexpr Field RandomCard{187, 1};
inline constexpr Field RandomDeck{188, 1};
inline constexpr Field GameName{189, 50};
inline constexpr Field AutomaticFaceUp{239, 1};
inline constexpr Field SavedCardSize{240, 1};
inline constexpr Field DealAnimation{241, 1};
inline constexpr Field RedealAnimation{242, 1};
inline constexpr Field VertScrollBar{243, 1};
inline constexpr Field ShowToolTips{244, 1};
inline constexpr Field ShowPilesSize{245, 1};
inline constexpr Field HasCustomizedBackground{246, 1};
inline constexpr Field RightClickToFoundations{247, 1};
inline constexpr Field RightClickToTableaus{248, 1};
inline constexpr Field DoubleClickToFoundations{249, 1};
inline constexpr Field DoubleClickToTableaus{251, 1};
inline constexpr Field SoundsRedealWithoutAnimation{252, 1};
inline constexpr Field ShowMainPopupMenu{253, 1};
inline constexpr Field DataFolder{501, 200};
inline constexpr Field SnapshotFile{701, 200};

}  // namespace tarvelle::setting
