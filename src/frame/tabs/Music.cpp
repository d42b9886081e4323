// The "Music treatment" page.
#include "frame/tabs/Music.h"

#include "frame/Builder.h"
#include "frame/Layout.h"
#include "frame/TabContext.h"

namespace vt::frame {

void MusicTab::BuildMusic(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip) {
#include "frame/RowBuild.h"
#include "frame/tabs/Music.def"
#include "frame/RowsEnd.h"
}

void MusicTab::SetupMusic(TabContext& ctx) {
  for (TGroupBox* column :
       {MusicClearLiftColumn, MusicEnhancerColumn, MusicMixerColumn, MusicMemoColumn})
    MakeFrameless(column);
  PutScaleUnder(ScrollBar47, {MusicGenerationLowLabel, MusicGenerationHighLabel});
  PutScaleUnder(ScrollBar48, {MusicFilteringLowLabel, MusicFilteringHighLabel});
  PutScaleUnder(ScrollBar46, {MusicPresenceDryLabel, MusicPresenceWetLabel});
}

}  // namespace vt::frame
